#include "practice/line_practice.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "platform/codepage.h"
#include "platform/key_events.h"
#include "practice/line_box.h"
#include "practice/statistics.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace {
constexpr const char* kSample = "abcd efghij kijklmnopq rstuvw xyz ABCDEFG XYZ";

struct LinePracticeTest : ::testing::Test {
  TestContext t;
  RecordingGuides guides;
  stopwatch watch{t.clock};
  TFmLinePractice window{t.context, guides, watch};
  LineBox* TypingBox() { return Control<LineBox>(window, "RichEdit1"); }
  LineBox* SampleBox() { return Control<LineBox>(window, "SampleEdit"); }

  void SetUp() override { window.NextLine(); }
  void Type(const std::string& text) {
    for (char c : text) window.RichEdit1KeyPress(static_cast<unsigned char>(c));
  }

  // The typed box's characters with their colour and underline, e.g. "a:N b:R_".
  std::string Typed() {
    std::string result;
    const LineBox& box = *TypingBox();
    for (int i = 0; i < box.Text().size(); ++i) {
      const bool red = box.ColourAt(i) == QColor(255, 0, 0);
      const bool navy = box.ColourAt(i) == QColor(0, 0, 128);
      if (!result.empty()) result += ' ';
      result += static_cast<char>(CharToByte(box.Text()[i]).value_or('?'));
      result += red ? ":R" : navy ? ":N" : ":?";
      if (box.UnderlinedAt(i)) result += '_';
    }
    return result;
  }
};
}  // namespace

TEST_F(LinePracticeTest, BaseLineIsSetUpWithItsWords) {
  EXPECT_EQ(window.windowTitle(), "Line Practice");
  EXPECT_EQ(window.Line().SampleLine(), kSample);
  EXPECT_EQ(window.Line().LineLength(), 45);
  EXPECT_EQ(window.Line().WordCount(), 7);
  EXPECT_EQ(window.Line().Position(), 1);
  EXPECT_EQ(SampleBox()->Text().toStdString(), kSample);
  EXPECT_EQ(guides.keys.back(), 'a');
}

TEST_F(LinePracticeTest, RightAndWrongCharactersAreColouredAndMarked) {
  Type("ax");
  EXPECT_EQ(Typed(), "a:N x:R_");
  EXPECT_TRUE(window.Line().Marks()[1]);
  EXPECT_FALSE(window.Line().Marks()[2]);
  EXPECT_EQ(window.Line().Position(), 3);
  EXPECT_TRUE(window.Line().Started());
  EXPECT_FALSE(Control<QLabel>(window, "LbMark")->isHidden());
  EXPECT_EQ(guides.keys, "abc");
}

TEST_F(LinePracticeTest, BackspaceThenRightCharacterCountsAsRight) {
  Type("ax");
  window.RichEdit1KeyPress(VK_BACK);
  EXPECT_EQ(window.Line().Position(), 2);
  EXPECT_EQ(Typed(), "a:N");
  Type("b");
  EXPECT_TRUE(window.Line().Marks()[2]);
  EXPECT_EQ(Typed(), "a:N b:N");
}

TEST_F(LinePracticeTest, BackspaceAtFirstPositionKeepsThePosition) {
  window.RichEdit1KeyPress(VK_BACK);
  EXPECT_EQ(window.Line().Position(), 1);
  EXPECT_EQ(Typed(), "");
}

TEST_F(LinePracticeTest, StatisticsAtTheBoundaryOf500KeysPerMinute) {
  RecordingRecorder recorder;
  window.SetRecorder(recorder, PracticeKind::Free);
  std::string typed = kSample;
  typed[2] = 'X';
  typed[10] = 'X';
  typed[40] = 'X';
  Type(typed.substr(0, 1));
  t.clock.Advance(5390);
  Type(typed.substr(1));
  EXPECT_EQ(window.Line().Position(), 46);
  // The last character does not end the line.
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Open);
  Type("z");  // the key after the last character ends the line
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Completed);
  EXPECT_EQ(window.Line().LineTime(), 5390);
  EXPECT_EQ(window.Line().ErrorCount(), 3);
  EXPECT_EQ(StatusText(window), "Keys/Min 500   Accuracy: 93%   WPM: 77");
  EXPECT_TRUE(t.dialogs.messages.empty());
  // Recorded with the figures shown, and every character compared on the way.
  ASSERT_EQ(recorder.typing.size(), 1u);
  const TypingResult& line = recorder.typing[0];
  EXPECT_EQ(line.kind, PracticeKind::Free);
  EXPECT_EQ(line.chars, 45);
  EXPECT_EQ(line.errors, 3);
  EXPECT_EQ(line.words, 7);
  EXPECT_EQ(line.timeMs, 5390);
  EXPECT_EQ(StatisticsText(line.rates), StatusText(window));
  EXPECT_EQ(line.courseLine, 0);
  EXPECT_EQ(recorder.keys, kSample);
  EXPECT_EQ(recorder.wrongKeys, "cjG");
  EXPECT_EQ(window.Line().Position(), 1);  // NextLine set up the next line
  EXPECT_EQ(Typed(), "a:N b:N X:R_ d:N" + Typed().substr(std::string("a:N b:N X:R_ d:N").size()));

  window.NextLine();
  TypingBox()->Clear();
  Type("a");
  t.clock.Advance(5389);
  Type(std::string(kSample).substr(1));
  window.RichEdit1KeyPress(VK_ESCAPE);  // swallowed: the line counts as completed
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Completed);
  EXPECT_EQ(StatusText(window), "Keys/Min 501   Accuracy: 100%   WPM: 77");
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "Can you really type so fast?  Do be patient.");
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(window.Line().PracticeTime(), 5390 + 5389);
}

TEST_F(LinePracticeTest, EnterSkipsTheLineAndCountsItsTime) {
  Type("abc");
  t.clock.Advance(700);
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Skipped);
  EXPECT_EQ(window.Line().PracticeTime(), 700);
  EXPECT_EQ(StatusText(window), "");
  EXPECT_EQ(window.Line().ErrorCount(), 42);
  EXPECT_FALSE(window.Line().Started());
}

TEST_F(LinePracticeTest, EscapeClosesTheWindowAndTheUnfinishedLineCounts) {
  window.show();
  EXPECT_TRUE(guides.shown);
  Type("ab");
  t.clock.Advance(300);
  window.RichEdit1KeyPress(VK_ESCAPE);
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Escaped);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(guides.shown);
  EXPECT_EQ(window.Line().PracticeTime(), 300);
  EXPECT_EQ(StatusText(window), "");
}

TEST_F(LinePracticeTest, ALineLeftByTheCloseBoxStartsOverOnAFreshWatch) {
  window.show();
  Type("ab");
  t.clock.Advance(1000);
  window.close();
  t.clock.Advance(60000);  // in the menu
  window.show();
  EXPECT_EQ(window.Line().Position(), 1);
  EXPECT_TRUE(TypingBox()->Text().isEmpty());
  EXPECT_TRUE(Control<QLabel>(window, "LbMark")->isHidden());
  Type(kSample);
  t.clock.Advance(9000);
  Type(" ");
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Completed);
  EXPECT_EQ(window.Line().PracticeTime(), 9000);
  window.hide();
}

TEST_F(LinePracticeTest, LineEndedBeforeAnyCharacterMeasures25Ms) {
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.Line().LineTime(), 25);
}

TEST_F(LinePracticeTest, UnmappableCharacterIsWrong) {
  window.RichEdit1KeyPress(kUnmappableChar);
  EXPECT_FALSE(window.Line().Marks()[1]);
  EXPECT_EQ(window.Line().Position(), 2);
  EXPECT_EQ(Typed(), "?:R_");
}

TEST_F(LinePracticeTest, FingersMapToTheHands) {
  guides.events.clear();
  window.ShowFinger(0);
  window.ShowFinger(4);
  window.ShowFinger(5);
  window.ShowFinger(9);
  window.ShowFinger(-1);
  const std::vector<std::string> expected = {"R-", "L1", "R-", "L5", "L-", "R5",
                                             "L-", "R1", "L-", "R-"};
  EXPECT_EQ(guides.events, expected);
}

TEST_F(LinePracticeTest, NavigationKeysAreSwallowed) {
  for (int vk : {VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE}) {
    EXPECT_TRUE(window.RichEdit1KeyDown(vk)) << vk;
  }
  EXPECT_FALSE(window.RichEdit1KeyDown(VK_END));
  EXPECT_FALSE(window.RichEdit1KeyDown('A'));
}

TEST_F(LinePracticeTest, QtKeyEventsReachTheEngineAndEscapeIsNotSwallowedByTheDialog) {
  window.show();
  QTest::keyClicks(TypingBox(), "ab");
  EXPECT_EQ(Typed(), "a:N b:N");
  QTest::keyClick(TypingBox(), Qt::Key_Home);  // swallowed, no character
  QTest::keyClick(TypingBox(), Qt::Key_Backspace);
  EXPECT_EQ(Typed(), "a:N");
  QTest::keyClick(TypingBox(), Qt::Key_Escape);
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Escaped);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(LinePracticeTest, TypedCharactersStandUnderTheirSampleCharactersOnEveryRow) {
  for (LineBox* box : {SampleBox(), TypingBox()}) {
    QFont font = box->font();
    font.setPixelSize(24);  // the sample takes two rows
    box->setFont(font);
  }
  std::string typed = kSample;
  for (char& c : typed) c = c == ' ' ? 'W' : c;  // wrong and wide where the rows break
  Type(typed.substr(0, typed.size() - 1));
  const LineBox& sample = *SampleBox();
  const LineBox& box = *TypingBox();
  EXPECT_GT(sample.PlaceOf(44).top(), sample.PlaceOf(0).top());
  for (int i = 0; i < 45; ++i) {
    EXPECT_EQ(box.PlaceOf(i).topLeft() - box.PlaceOf(0).topLeft(),
              sample.PlaceOf(i).topLeft() - sample.PlaceOf(0).topLeft())
        << i;
  }
  EXPECT_EQ(box.mapTo(&window, box.PlaceOf(0).topLeft().toPoint()),
            sample.mapTo(&window, sample.PlaceOf(0).topLeft().toPoint()) +
                QPoint(0, 96 + box.frameWidth()));
  EXPECT_EQ(box.inputMethodQuery(Qt::ImCursorRectangle).toRectF().topLeft(),
            box.PlaceOf(44).topLeft());  // the caret where the last character goes
  EXPECT_TRUE(box.inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(LinePracticeTest, ResizeKeepsTheBoxesProportional) {
  window.show();
  window.resize(790, window.height());
  EXPECT_EQ(SampleBox()->width(), 790 * 580 / 600);
  EXPECT_EQ(TypingBox()->contentsRect().size(), SampleBox()->size());
}

TEST_F(LinePracticeTest, BothBoxesScrollToTheRowBeingTypedAndNoGlyphReachesTheFrame) {
  window.show();
  LineBox& sample = *SampleBox();
  LineBox& box = *TypingBox();
  const auto frame = [&box] {
    const QImage image = box.grab().toImage();
    std::vector<QRgb> ring;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (!box.contentsRect().contains(x, y)) ring.push_back(image.pixel(x, y));
      }
    }
    return ring;
  };
  const std::vector<QRgb> empty = frame();
  for (LineBox* each : {&sample, &box}) {
    QFont font = each->font();
    font.setPixelSize(48);  // three rows, of which the box shows one
    each->setFont(font);
  }
  for (const std::string& keys : {std::string(kSample).substr(0, 44), std::string(44, '\b')}) {
    Type(keys);
    for (const LineBox* each : {&sample, &box}) {
      const QRectF place = each->PlaceOf(window.Line().Position() - 1);
      EXPECT_TRUE(each->contentsRect().contains(place.toAlignedRect()));
    }
    EXPECT_EQ(box.PlaceOf(window.Line().Position() - 1).top() - box.contentsRect().top(),
              sample.PlaceOf(window.Line().Position() - 1).top() - sample.contentsRect().top());
    EXPECT_EQ(frame(), empty);
  }
}

TEST_F(LinePracticeTest, ScreenReadersReadBothBoxesWithTheirCaret) {
  Type("abX\b");
  QAccessibleInterface* typing = QAccessible::queryAccessibleInterface(TypingBox());
  QAccessibleInterface* sample = QAccessible::queryAccessibleInterface(SampleBox());
  EXPECT_EQ(typing->text(QAccessible::Name), "Typing");
  EXPECT_EQ(sample->text(QAccessible::Name), "Sample");
  EXPECT_EQ(typing->textInterface()->text(0, typing->textInterface()->characterCount()), "ab");
  EXPECT_EQ(sample->textInterface()->text(0, 45), kSample);
  EXPECT_EQ(typing->textInterface()->cursorPosition(), 2);
  EXPECT_EQ(sample->textInterface()->cursorPosition(), 2);
  EXPECT_EQ(typing->textInterface()->characterRect(1).topLeft(),
            TypingBox()->mapToGlobal(TypingBox()->PlaceOf(1).toAlignedRect().topLeft()));
}
