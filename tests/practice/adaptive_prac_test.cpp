#include "practice/adaptive_prac.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "platform/key_codes.h"
#include "practice/line_box.h"
#include "support/controls.h"
#include "support/fakes.h"
#include "support/test_context.h"

namespace {
struct AdaptiveDrillsTest : ::testing::Test {
  TestContext t;
  RecordingGuides guides;
  stopwatch watch{t.clock};
  std::vector<LineKeyFigures> history;
  TFmAdaptivePrac window{t.context, guides, watch,
                         AdaptiveSource{[] {
                                          AdaptiveMaterial material;
                                          material.words = {"far", "jar",  "lard", "dark", "lark",
                                                            "ask", "fall", "dad",  "salad"};
                                          material.order = "fjdkslar";
                                          material.homeKeys = 7;
                                          material.anchors = {{'r', 'f'}};
                                          return material;
                                        },
                                        [this] { return history; }, [] { return MasteryGoals{}; }}};
  RecordingRecorder recorder;

  void TypeTheLine() {
    const std::string line = window.Line().SampleLine();
    for (char c : line) {
      t.clock.Advance(300);
      window.RichEdit1KeyPress(static_cast<unsigned char>(c));
    }
    window.RichEdit1KeyPress(' ');  // the key after the last ends the line
  }
};
}  // namespace

TEST_F(AdaptiveDrillsTest, FocusesTheWeakKeyAndLearnsFromEachLine) {
  LineKeyFigures weak;
  for (char c : std::string("fjdksla")) weak.keys[c] = {40, 0, 40, 40 * 300};
  weak.keys['r'] = {40, 8, 40, 40 * 300};
  history = {weak};
  t.random.values = {7};
  window.SetRecorder(recorder, PracticeKind::Adaptive);
  window.show();
  window.Start();
  EXPECT_EQ(window.windowTitle(), "Adaptive Drills");
  EXPECT_EQ(Control<QLabel>(window, "LbFocus")->text().toStdString(),
            "Focus: r  20 % wrong, 200 keys/min; goal 3 %, 150");
  EXPECT_NE(window.Line().SampleLine().find('r'), std::string::npos);
  const double before = window.Drill()->Mastery().Of('r').attempts;
  TypeTheLine();
  ASSERT_EQ(recorder.typing.size(), 1u);
  EXPECT_EQ(recorder.typing[0].kind, PracticeKind::Adaptive);
  EXPECT_GT(window.Drill()->Mastery().Of('r').attempts, before);
  EXPECT_LT(window.Drill()->Mastery().Of('r').ErrorPercent(), 20);

  window.SetLineFont("Courier New", 24);  // the next line fits the sample's row at this font
  window.RichEdit1KeyPress(VK_RETURN);
  const LineBox* sample = Control<LineBox>(window, "SampleEdit");
  const int last = static_cast<int>(window.Line().SampleLine().size()) - 1;
  EXPECT_GT(last, 10);
  EXPECT_EQ(sample->PlaceOf(last).top(), sample->PlaceOf(0).top());
}

TEST_F(AdaptiveDrillsTest, ACourseOfferEndsAfterItsLinesOnTheTaughtKeys) {
  t.random.values = {7};
  window.show();
  window.StartOnKeys("fjdk", 2);
  EXPECT_EQ(window.Line().SampleLine().find_first_not_of("fjdk "), std::string::npos);
  EXPECT_EQ(Control<QLabel>(window, "LbFocus")->text().toStdString(),
            "2 lines left.   Focus: k  too new to judge; goal 3 %, 150");
  window.resize(300, window.height());  // too narrow for both: the lines left stay whole
  EXPECT_TRUE(Control<QLabel>(window, "LbFocus")->text().startsWith("2 lines left.   Focus:"));
  EXPECT_TRUE(Control<QLabel>(window, "LbFocus")->text().endsWith(QChar(0x2026)));
  TypeTheLine();
  EXPECT_TRUE(Control<QLabel>(window, "LbFocus")->text().startsWith("1 line left.   Focus:"));
  EXPECT_EQ(window.result(), QDialog::Rejected);
  window.RichEdit1KeyPress(VK_RETURN);  // skipped: the last line offered all the same
  EXPECT_EQ(window.result(), QDialog::Accepted);
}
