#include "platform/image_canvas.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <array>

#include "platform/qt_convert.h"

namespace {
Font FontOfPixels(int pixels) {
  Font font;
  font.face = "Liberation Sans";
  font.height = -pixels;
  return font;
}

QImage Area(const ImageCanvas& canvas, int x, int y, int width, int height) {
  return canvas.Image().copy(x, y, width, height);
}

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

TEST(ImageCanvas, APictureTakesItsPixelsOnlyWhenSomethingIsDrawn) {
  ImageCanvas canvas;
  canvas.Resize(600, 400, clBlack);
  canvas.SetBrushColor(clBlack);
  canvas.FillRect(0, 0, 600, 400);  // as it stands
  EXPECT_FALSE(canvas.HasPixels());
  EXPECT_EQ(canvas.PixelAt(599, 399), clBlack);
  canvas.Resize(700, 500, clNavy);  // nothing drawn: all of the new colour
  canvas.SetBrushColor(clRed);
  canvas.FillRect(10, 10, 20, 20);
  EXPECT_TRUE(canvas.HasPixels());
  EXPECT_EQ(canvas.PixelAt(15, 15), clRed);
  EXPECT_EQ(canvas.PixelAt(0, 0), clNavy);
  EXPECT_EQ(canvas.PixelAt(699, 499), clNavy);
  canvas.Resize(800, 500, clWhite);  // drawn on: kept where the sizes overlap
  EXPECT_EQ(canvas.PixelAt(15, 15), clRed);
  EXPECT_EQ(canvas.PixelAt(699, 499), clNavy);
  EXPECT_EQ(canvas.PixelAt(799, 499), clWhite);
}

TEST(ImageCanvas, GlyphCacheStaysWithinItsBytesAndDrawsTheSameAfterwards) {
  ImageCanvas canvas(400, 700);
  const Font large = FontOfPixels(96);  // the largest the designer gives a key character
  canvas.SetBrushColor(clYellow);
  canvas.TextOut(0, 0, "Q", large);
  const QImage first = Area(canvas, 0, 0, 120, 120);
  // Every character in several colours: far more cells than the cache may hold.
  for (Color background : {clWhite, clRed, clOlive, clNavy}) {
    canvas.SetBrushColor(background);
    for (int ch = 33; ch < 256; ++ch) {
      canvas.TextOut(0, 200, std::string(1, static_cast<char>(ch)), large);
      ASSERT_LE(canvas.CachedCellBytes(), kMaxCachedCellBytes);
    }
  }
  EXPECT_GT(canvas.CachedCellBytes(), 0u);
  canvas.SetBrushColor(clYellow);
  canvas.TextOut(200, 0, "Q", large);
  EXPECT_EQ(Area(canvas, 200, 0, 120, 120), first);

  // A glyph too large to keep is drawn all the same, and not kept.
  const size_t before = canvas.CachedCellBytes();
  canvas.SetBrushColor(clRed);
  canvas.TextOut(0, 300, "W", FontOfPixels(300));
  EXPECT_EQ(canvas.PixelAt(1, 301), clRed);
  EXPECT_EQ(canvas.CachedCellBytes(), before);
}

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

// Boxes and upright strokes are filled without a painter, pixel for pixel as a painter draws.
// At a high-density screen's scale too, where the picture has two pixels to a unit.
TEST(ImageCanvas, FillsAndStrokesMatchWhatAPainterDraws) {
  for (int scale : {1, 2}) {
    ImageCanvas canvas(160, 160);
    canvas.SetScale(scale);
    QImage expected(160 * scale, 160 * scale, QImage::Format_RGB32);
    expected.setDevicePixelRatio(scale);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    const auto stroke = [&](Color colour, int width, int x1, int y1, int x2, int y2) {
      canvas.SetPen(colour, width);
      canvas.Line(x1, y1, x2, y2);
      QPen pen(ToQColor(colour));
      pen.setWidth(width);
      pen.setCapStyle(Qt::FlatCap);
      painter.setPen(pen);
      painter.drawLine(x1, y1, x2, y2);
    };
    for (int width = 1; width <= 7; ++width) {
      const int at = 20 * width;
      stroke(clRed, width, at, 150, at, 100);  // upwards, as fingers are drawn
      stroke(clNavy, width, at + 10, 100, at + 10, 150);
      stroke(clGreen, width, 5, at - 10, 90, at - 10);
      stroke(clOlive, width, 90, at - 5, 5, at - 5);
    }
    stroke(clRed, 6, 157, -10, 157, 400);  // past the edges
    canvas.SetBrushColor(clYellow);
    canvas.FillRect(140, 150, 170, 170);
    painter.fillRect(QRect(140, 150, 30, 20), Qt::yellow);
    painter.end();
    EXPECT_EQ(canvas.Image(), expected) << scale;
    EXPECT_EQ(canvas.PixelAt(150, 165 - 10), clYellow);
  }
}

TEST(ImageCanvas, LettersAreDrawnAtTheScalesResolutionNotEnlarged) {
  ImageCanvas canvas(40, 40);
  canvas.SetScale(2);
  canvas.TextOut(4, 4, "W", FontOfPixels(24));
  const QImage& image = canvas.Image();
  bool finer = false;  // some pair of neighbouring pixels differs within a unit
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) finer |= image.pixel(x, y) != image.pixel(x + 1, y);
  }
  EXPECT_TRUE(finer);
}
