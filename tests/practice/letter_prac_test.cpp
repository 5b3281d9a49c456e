#include "practice/letter_prac.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "platform/key_events.h"
#include "practice/line_box.h"
#include "support/controls.h"
#include "support/test_context.h"

TEST(DrillLine, CopiesFillEightyColumns) {
  EXPECT_EQ(BuildDrillLine("a").size(), 51u);
  EXPECT_EQ(BuildDrillLine("abcd").size(), 64u);
  EXPECT_EQ(BuildDrillLine("abcde").size(), 65u);
  EXPECT_EQ(BuildDrillLine(std::string(39, 'x')), std::string(39, 'x'));
  EXPECT_EQ(BuildDrillLine(std::string(40, 'x')), std::string(40, 'x'));
  EXPECT_EQ(BuildDrillLine(" ab").substr(0, 8), " ab  ab ");
}

namespace {
struct FreeDrillsTest : ::testing::Test {
  TestContext t;
  RecordingGuides guides;
  stopwatch watch{t.clock};
  TFmLetterPrac window{t.context, guides, watch};
  LineBox* TypingBox() { return Control<LineBox>(window, "RichEdit1"); }
};
}  // namespace

TEST_F(FreeDrillsTest, AsksForTheTextOnInsertAndDrillsIt) {
  EXPECT_EQ(StatusText(window), "Please press the Insert key for defining the example line.");
  t.dialogs.inputs.push_back("abcd");
  EXPECT_FALSE(window.RichEdit1KeyDown(VK_INSERT));
  ASSERT_EQ(t.dialogs.prompts.size(), 1u);
  EXPECT_EQ(t.dialogs.prompts[0], "Input Box|Please input what you like to practise:|qwerty");
  EXPECT_EQ(window.Line().SampleLine().size(), 64u);
  EXPECT_EQ(window.Line().WordCount(), 13);

  // A completed line is set up again without asking.
  for (char c : window.Line().SampleLine()) window.RichEdit1KeyPress(static_cast<unsigned char>(c));
  window.RichEdit1KeyPress('x');
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Completed);
  EXPECT_EQ(t.dialogs.prompts.size(), 1u);
  EXPECT_EQ(window.Line().Position(), 1);
  EXPECT_TRUE(TypingBox()->Text().isEmpty());
}

TEST_F(FreeDrillsTest, QwertyOrCancelAtFirstKeepsTheEmptyLine) {
  t.dialogs.inputs = {std::nullopt};
  window.RichEdit1KeyPress('a');  // any key ends the empty line and brings up the prompt
  EXPECT_EQ(t.dialogs.prompts.size(), 1u);
  EXPECT_EQ(window.Line().SampleLine(), "");
  window.RichEdit1KeyPress('b');  // no new prompt until Insert
  EXPECT_EQ(t.dialogs.prompts.size(), 1u);
  window.show();
  window.RichEdit1KeyPress(VK_ESCAPE);  // nothing to type, and Esc still leaves
  EXPECT_FALSE(window.isVisible());
}

TEST_F(FreeDrillsTest, EmptyAnswerAsksAgainAtTheNextLine) {
  t.dialogs.inputs.push_back("");
  window.RichEdit1KeyDown(VK_INSERT);
  t.dialogs.inputs.push_back("jk");
  window.RichEdit1KeyPress('a');
  EXPECT_EQ(t.dialogs.prompts.size(), 2u);
  EXPECT_EQ(window.Line().SampleLine().substr(0, 6), "jk jk ");
}

TEST_F(FreeDrillsTest, InsertMidLineDropsTheTypedPartAndItsTime) {
  t.dialogs.inputs.push_back("fj");
  window.RichEdit1KeyDown(VK_INSERT);
  window.RichEdit1KeyPress('f');
  t.clock.Advance(1000);
  t.dialogs.inputs.push_back(std::string(45, 'k'));
  window.RichEdit1KeyDown(VK_INSERT);
  EXPECT_EQ(window.Line().SampleLine(), std::string(40, 'k'));  // cut to 40, one copy
  EXPECT_EQ(window.Line().PracticeTime(), 0);
  EXPECT_FALSE(window.Line().Started());
  EXPECT_TRUE(TypingBox()->Text().isEmpty());
}

TEST_F(FreeDrillsTest, ALetterOnlyADeadKeyMakesIsSpelledOutBesideTheLine) {
  t.dialogs.inputs.push_back("a\xE2");  // aâ
  window.RichEdit1KeyDown(VK_INSERT);
  auto* strokes = Control<QLabel>(window, "LbDeadKey");
  window.RichEdit1KeyPress('a');
  EXPECT_FALSE(strokes->isHidden());
  EXPECT_EQ(strokes->text(), "\u00e2 = ^ + a");
  window.RichEdit1KeyPress('\xE2');
  EXPECT_TRUE(strokes->isHidden());
}

TEST_F(FreeDrillsTest, CursorKeysAreSwallowed) {
  for (int vk : {VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE}) {
    EXPECT_TRUE(window.RichEdit1KeyDown(vk)) << vk;
  }
}
