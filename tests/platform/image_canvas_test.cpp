#include "platform/image_canvas.h"

#include <gtest/gtest.h>

namespace {
Font LetterFont() {
  Font font;
  font.face = "Courier New";
  font.SetSize(12);
  font.color = clYellow;
  return font;
}

struct DrawnTest : ::testing::Test {
  ImageCanvas canvas{200, 100};
  int firstDrawn = 0;

  void SetUp() override {
    canvas.SetBrushColor(clBlack);
    canvas.FillRect(0, 0, 200, 100);
    canvas.TakeDrawn();
    canvas.onFirstDrawn = [this] { ++firstDrawn; };
  }
  QRect Cell(int x, int y) {
    return QRect(x, y, canvas.TextWidth("W", LetterFont()), canvas.TextHeight("W", LetterFont()));
  }
};
}  // namespace

TEST_F(DrawnTest, LettersOfAWordJoinAndFarPiecesStayApart) {
  canvas.TextOut(12, 20, "w", LetterFont());
  canvas.TextOut(24, 20, "o", LetterFont());
  canvas.TextOut(36, 20, "w", LetterFont());
  canvas.TextOut(150, 80, "x", LetterFont());
  EXPECT_EQ(firstDrawn, 1);  // one request to show, however much is drawn before it
  const QRegion drawn = canvas.TakeDrawn();
  EXPECT_EQ(drawn, QRegion(Cell(12, 20) | Cell(36, 20)) + QRegion(Cell(150, 80)));
  EXPECT_TRUE(canvas.TakeDrawn().isEmpty());

  // Drawn beyond the picture: only the part within it counts.
  canvas.SetBrushColor(clOlive);
  canvas.FillRect(190, 90, 260, 160);
  EXPECT_EQ(canvas.TakeDrawn(), QRegion(190, 90, 10, 10));
  EXPECT_EQ(firstDrawn, 2);
}

TEST_F(DrawnTest, RedrawingWhatStandsChangesNothing) {
  canvas.comparesDrawn = true;
  canvas.TakeDrawn();
  canvas.TextOut(12, 20, "w", LetterFont());
  canvas.SetPen(clGreen, 6);
  canvas.Line(60, 80, 60, 50);
  canvas.TakeDrawn();

  canvas.TextOut(12, 20, "w", LetterFont());
  canvas.Line(60, 80, 60, 50);
  canvas.SetBrushColor(clBlack);
  canvas.FillRect(100, 0, 200, 40);
  EXPECT_TRUE(canvas.TakeDrawn().isEmpty());

  canvas.SetPen(clBlack, 6);
  canvas.Line(60, 80, 60, 50);  // erased
  const QRect stroke = canvas.TakeDrawn().boundingRect();
  EXPECT_TRUE(stroke.contains(QRect(57, 50, 6, 30))) << stroke.x() << "," << stroke.y();
  EXPECT_EQ(canvas.PixelAt(60, 60), clBlack);
}
