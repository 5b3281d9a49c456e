#include "practice/text_prac.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "platform/errors.h"
#include "platform/image_canvas.h"
#include "platform/key_events.h"
#include "platform/qt_convert.h"
#include "support/controls.h"
#include "support/input_method.h"
#include "support/test_context.h"

namespace {
struct ParagraphDrillsTest : ::testing::Test {
  TestContext t;
  stopwatch watch{t.clock};
  TFmTextPrac window{t.context, watch};

  void Load(const std::string& bytes) {
    t.dir.Write("qz.txt", bytes);
    window.SetTextFile("qz.txt");
    window.LoadTextFile();
  }
  void Open(const std::string& answer) {
    t.dialogs.inputs.push_back(answer);
    ASSERT_TRUE(window.StartDrill());
    window.NewPage();
    window.DrawSampleLines();
    t.context.showModal(window);
  }
  ImageCanvas& Canvas() { return Control<PaintSurface>(window, "Surface")->canvas(); }
  // How many pixels of a rectangle of the surface are inked in a colour. Text is smoothed, so
  // a pixel counts when it is a strong shade between the colour and the white background.
  int Count(Color color, int left, int top, int right, int bottom) {
    const int want[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    const int deepest = std::min({want[0], want[1], want[2]});
    const int channel = deepest == want[1] ? 1 : deepest == want[0] ? 0 : 2;
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const Color pixel = Canvas().PixelAt(x, y);
        const int got[3] = {RedOf(pixel), GreenOf(pixel), BlueOf(pixel)};
        const double share = (255.0 - got[channel]) / (255 - want[channel]);
        bool match = share >= 0.6;
        for (int c = 0; c < 3; ++c) {
          match = match && std::abs((255 - got[c]) - share * (255 - want[c])) <= 30;
        }
        n += match;
      }
    }
    return n;
  }
  int SampleRowTop(int i) const { return i * window.Drill().State().RowHeight; }
  int TypedRowTop(int r) const { return 180 + r * window.Drill().State().RowHeight; }
  // For each x from left on, whether a column of the rows [top, bottom) of image has ink.
  static std::vector<bool> InkColumns(const QImage& image, int left, int right, int top,
                                      int bottom) {
    std::vector<bool> ink;
    for (int x = left; x < right; ++x) {
      bool inked = false;
      for (int y = top; y < bottom && !inked; ++y) inked = qGray(image.pixel(x, y)) < 128;
      ink.push_back(inked);
    }
    return ink;
  }
  Color RulerColor() const {
    return FromQColor(Control<QLabel>(window, "Label2")->palette().color(QPalette::WindowText));
  }
};
}  // namespace

TEST_F(ParagraphDrillsTest, LoadsItsTextOnlyWhenANewNameWasSet) {
  t.dir.Write("qz.txt", "one\ntwo\n");
  EXPECT_FALSE(window.LoadTextFile());  // nothing set: nothing read
  window.SetTextFile("QZ.TXT");
  EXPECT_TRUE(window.LoadTextFile());
  EXPECT_EQ(window.Drill().State().TextLines.size(), 2);
  t.dir.Write("qz.txt", "one\ntwo\nthree\n");
  window.LoadTextFile();
  EXPECT_EQ(window.Drill().State().TextLines.size(), 2);
  EXPECT_TRUE(t.random.draws.empty());  // loading picks nothing
  window.SetTextFile("missing.txt");
  EXPECT_THROW(window.LoadTextFile(), AppError);
  EXPECT_TRUE(window.Drill().State().TextLines.empty());
}

TEST_F(ParagraphDrillsTest, ThePageIsPaintedAndARepaintRestoresBothAreas) {
  Load("Hello world\nsecond\n");
  t.random.values = {0};  // from the first line
  Open("2");
  EXPECT_EQ(Control<QStatusBar>(window, "StatusBar1")->currentMessage().toStdString(),
            "2 lines left.");
  const int h = window.Drill().State().RowHeight;
  EXPECT_GT(Count(clBlack, 24, SampleRowTop(1), 200, SampleRowTop(1) + h), 0);
  EXPECT_GT(Count(clPurple, 2, SampleRowTop(1), 24, SampleRowTop(1) + h), 0);
  EXPECT_EQ(RulerColor(), clBlack);

  QTest::keyClicks(&window, "Hx");
  const int w = window.Drill().State().CharWidth;
  EXPECT_GT(Count(clNavy, 24, TypedRowTop(1), 24 + w, TypedRowTop(1) + h), 0);
  EXPECT_GT(Count(clRed, 24 + w, TypedRowTop(1), 24 + 2 * w, TypedRowTop(1) + h), 0);
  EXPECT_EQ(Count(clRed, 24, TypedRowTop(1), 24 + w, TypedRowTop(1) + h), 0);
  EXPECT_EQ(Count(clNavy, 24 + w, TypedRowTop(1), 24 + 2 * w, TypedRowTop(1) + h), 0);
  EXPECT_EQ(Count(clBlack, 24, TypedRowTop(1), 24 + w, TypedRowTop(1) + h), 0);
  EXPECT_EQ(RulerColor(), clLime);

  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto snapshot = Canvas().Image();
  Canvas().SetBrushColor(clWhite);
  Canvas().FillRect(0, 0, Canvas().Width(), Canvas().Height());
  Control<PaintSurface>(window, "Surface")->Invalidate();
  Control<PaintSurface>(window, "Surface")->repaint();
  EXPECT_EQ(Canvas().Image(), snapshot);
}

TEST_F(ParagraphDrillsTest, SampleTypingAndRulersShareOnePitchInTheRealFont) {
  const std::string line = std::string(kRuler) + "----+----+----+----+";  // 100 columns
  Load(line + "\n");
  Open("1");
  const int pitch = window.Drill().State().CharWidth;
  const int columns = window.Drill().Columns();
  // Every column that a row holds can be seen.
  EXPECT_EQ(window.Drill().State().RowLength, columns);
  EXPECT_LE(kTypingRulerLeft + columns * pitch, Control<PaintSurface>(window, "Surface")->width());
  EXPECT_GE(columns, 80);
  QTest::keyClicks(&window, QString::fromStdString(line.substr(0, columns - 1)));

  // Typed cell k stands exactly under sample character k, to the last column.
  const QImage surface = Canvas().Image();
  const int right = kTypingRulerLeft + (columns - 1) * pitch;
  const auto sample =
      InkColumns(surface, kTypingRulerLeft, right, SampleRowTop(1), SampleRowTop(2));
  const auto typed = InkColumns(surface, kTypingRulerLeft, right, TypedRowTop(1), TypedRowTop(2));
  EXPECT_EQ(sample, typed);
  EXPECT_NE(std::count(sample.begin(), sample.end(), true), 0);

  // The ruler's marks stand over the same columns.
  QImage ruler(Control<QLabel>(window, "Label1")->size(), QImage::Format_RGB32);
  ruler.fill(Qt::white);
  Control<QLabel>(window, "Label1")->render(&ruler, {}, {}, QWidget::DrawChildren);
  const int rulerRight = static_cast<int>(std::string(kRuler).size()) * pitch;
  EXPECT_EQ(Control<QLabel>(window, "Label1")->x(), kTypingRulerLeft);
  EXPECT_EQ(InkColumns(ruler, 0, rulerRight, 0, ruler.height()),
            InkColumns(surface, kTypingRulerLeft, kTypingRulerLeft + rulerRight, SampleRowTop(1),
                       SampleRowTop(1) + ruler.height()));
}

TEST_F(ParagraphDrillsTest, KeysAndComposedCharactersReachTheDrillBeforeTheDialog) {
  Load(
      "a\xE9"
      "c\ndef\n");
  t.random.values = {0};  // from the first line
  Open("2");
  QTest::keyClick(&window, Qt::Key_Left);  // swallowed
  QTest::keyClick(&window, Qt::Key_A);
  CommitText(&window, QString::fromUtf8("\xC3\xA9"));  // a dead key and e
  EXPECT_EQ(window.Drill().State().Column, 3);
  EXPECT_EQ(window.Drill().State().RowTyped[1], "a\xE9");
  EXPECT_TRUE(window.Drill().State().RowMarks[1][2]);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(t.dialogs.messages.empty());  // Esc: no result
  EXPECT_TRUE(watch.IsStopped());
}

TEST_F(ParagraphDrillsTest, AFinishedDrillShowsItsResultAndCloses) {
  Load("ab\n");
  Open("1");
  QTest::keyClick(&window, Qt::Key_A);
  t.clock.Advance(60000);
  QTest::keyClicks(&window, "b.");
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"Keys/Min 2   Accuracy: 100%   WPM: 1"});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ParagraphDrillsTest, NoLinesNoDrill) {
  t.dialogs.inputs.push_back("5");
  EXPECT_FALSE(window.StartDrill());
  Load("");
  t.dialogs.inputs.push_back("5");
  EXPECT_FALSE(window.StartDrill());
}

TEST_F(ParagraphDrillsTest, ScreenReadersReadTheSampleRowAndWhatIsTyped) {
  Load("Hello\nworld\n");
  t.random.values = {0};  // from the first line
  Open("2");
  QTest::keyClicks(&window, "Hx");
  QAccessibleInterface* page =
      QAccessible::queryAccessibleInterface(Control<PaintSurface>(window, "Surface"));
  ASSERT_EQ(page->childCount(), 2);
  const auto read = [](QAccessibleInterface* row) {
    return row->text(QAccessible::Name) + ":" +
           row->textInterface()->text(0, row->textInterface()->characterCount()) + ":" +
           QString::number(row->textInterface()->cursorPosition());
  };
  EXPECT_EQ(read(page->child(0)), "Sample:Hello:2");
  EXPECT_EQ(read(page->child(1)), "Typing:Hx:2");
  EXPECT_EQ(page->child(1)->textInterface()->characterRect(1).topLeft(),
            Control<PaintSurface>(window, "Surface")
                ->mapToGlobal(QPoint(24 + window.Drill().State().CharWidth, TypedRowTop(1))));
}
