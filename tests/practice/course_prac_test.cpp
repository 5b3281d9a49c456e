#include "practice/course_prac.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "platform/key_events.h"
#include "practice/line_box.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace {
constexpr const char* kBeginning = "Beginning of the course.";
constexpr const char* kEnd = "End of the course.";
constexpr const char* kInvalid = "Invalid input.";

struct CourseNavigationTest : ::testing::Test {
  ScriptedDialogs dialogs;
  int GoTo(int line, int count, const std::string& answer) {
    dialogs.inputs.push_back(answer);
    return NavigateCourse(line, count, kNavGoTo, false, dialogs);
  }
};
}  // namespace

TEST_F(CourseNavigationTest, StepsStopAtBothEndsWithAMessage) {
  EXPECT_EQ(NavigateCourse(0, 5, kNavPrevious, false, dialogs), 0);
  EXPECT_EQ(NavigateCourse(3, 5, kNavPrevious, false, dialogs), 2);
  EXPECT_EQ(NavigateCourse(4, 5, kNavNext, false, dialogs), 4);
  EXPECT_EQ(NavigateCourse(3, 5, kNavNext, false, dialogs), 4);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kBeginning, kEnd}));
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
}

TEST_F(CourseNavigationTest, AnEndedLineMovesOnAfterTheRequest) {
  EXPECT_EQ(NavigateCourse(2, 5, kNavNone, true, dialogs), 3);
  EXPECT_EQ(NavigateCourse(4, 5, kNavNone, true, dialogs), 4);
  EXPECT_EQ(NavigateCourse(2, 5, kNavSwallowed, false, dialogs), 2);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kEnd});
}

TEST_F(CourseNavigationTest, GoToTakesANumberInTheCourse) {
  EXPECT_EQ(GoTo(4, 340, "12"), 11);
  EXPECT_EQ(dialogs.prompts.back(),
            "Input Box|Please input a number to goto somewhere of the course:|5");
  EXPECT_EQ(GoTo(4, 340, "5"), 4);  // the proposed number (also what Cancel gives)
  EXPECT_EQ(GoTo(4, 340, "340"), 339);
  EXPECT_EQ(GoTo(4, 340, "0"), 4);  // out of range: ignored without a word
  EXPECT_EQ(GoTo(4, 340, "341"), 4);
  EXPECT_EQ(GoTo(4, 340, "-3"), 4);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(GoTo(4, 340, "00000000034"), 2);  // eleven digits: the first ten count
  EXPECT_EQ(GoTo(4, 340, "12345678901"), 4);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(GoTo(4, 340, "abc"), 4);
  EXPECT_EQ(GoTo(4, 340, ""), 4);
  EXPECT_EQ(GoTo(4, 340, "9999999999"), 4);  // no 32-bit integer
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInvalid, kInvalid, kInvalid}));
}

TEST_F(CourseNavigationTest, AStoredLineOutsideTheCourseIsShownClampedAndKeptUntilAMove) {
  EXPECT_EQ(ShownCourseLine(500, 10), 9);
  EXPECT_EQ(ShownCourseLine(-7, 10), 0);
  EXPECT_EQ(NavigateCourse(500, 10, kNavNone, false, dialogs), 500);
  EXPECT_EQ(NavigateCourse(-7, 10, kNavNone, false, dialogs), -7);
  EXPECT_EQ(NavigateCourse(500, 10, kNavNext, false, dialogs), 500);  // "End of the course."
  EXPECT_EQ(NavigateCourse(500, 10, kNavPrevious, false, dialogs), 8);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kEnd});
}

TEST_F(CourseNavigationTest, AnEmptyCourseKeepsTheStoredLine) {
  EXPECT_EQ(NavigateCourse(7, 0, kNavNone, false, dialogs), 7);
  EXPECT_EQ(NavigateCourse(7, 0, kNavPrevious, false, dialogs), 7);
  EXPECT_EQ(NavigateCourse(INT32_MAX, 0, kNavNext, true, dialogs), INT32_MAX);
  EXPECT_EQ(GoTo(INT32_MAX, 0, "1"), INT32_MAX);
  EXPECT_EQ(dialogs.prompts.back(),
            "Input Box|Please input a number to goto somewhere of the course:|2147483648");
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kBeginning, kEnd, kEnd}));
}

namespace {
struct CourseTest : ::testing::Test {
  TestContext t;
  RecordingGuides guides;
  stopwatch watch{t.clock};
  TFmCoursePrac window{t.context, guides, watch};
  LineBox* TypingBox() { return Control<LineBox>(window, "RichEdit1"); }

  void Load(int lines, int progress = 0) {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += "line " + std::to_string(i) + "\r\n";
    t.dir.Write("qzcourse.txt", text);
    window.SetProgress(progress);
    window.SetTextFile("qzcourse.txt");
    window.LoadTextFile();
  }
  void Type(const std::string& text) {
    for (char c : text) window.RichEdit1KeyPress(static_cast<unsigned char>(c));
  }
  std::string Counter() const { return Control<QLabel>(window, "Label1")->text().toStdString(); }
};
}  // namespace

TEST_F(CourseTest, StartsWithTheHelpAndShowsTheStoredLine) {
  EXPECT_EQ(window.windowTitle(), "Course");
  EXPECT_EQ(Counter(), "00 / 00");
  EXPECT_EQ(StatusText(window),
            "Press the -> key to the next, the <- key to the previous, the Insert key to "
            "anywhere.");
  EXPECT_TRUE(Control<QToolButton>(window, "SpeedButton1")->isHidden());
  EXPECT_TRUE(Control<QToolButton>(window, "SpeedButton2")->isHidden());
  Load(5, 2);
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
  EXPECT_EQ(Counter(), "3 / 5");
  EXPECT_EQ(window.GetProgress(), 2);
  EXPECT_TRUE(t.random.draws.empty());
}

TEST_F(CourseTest, CompletedAndSkippedLinesMoveOnAndCountTheirTime) {
  Load(5);
  Type("line 1");
  t.clock.Advance(2000);
  Type(" ");  // the key after the last character completes the line
  EXPECT_EQ(StatusText(window), "Keys/Min 180   Accuracy: 100%   WPM: 60");
  EXPECT_EQ(window.Line().SampleLine(), "line 2");
  EXPECT_EQ(window.GetProgress(), 1);
  Type("lin");  // Enter in the middle of a line skips it, without statistics
  t.clock.Advance(300);
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Skipped);
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
  EXPECT_EQ(Counter(), "3 / 5");
  EXPECT_EQ(StatusText(window), "Keys/Min 180   Accuracy: 100%   WPM: 60");
  EXPECT_EQ(window.GetPracticeTime(), 2300);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(CourseTest, TheLastLineCompletedIsDrilledAgain) {
  Load(3, 2);
  Type("l");
  t.clock.Advance(5000);
  Type("ine 3x");
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kEnd});
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
  EXPECT_EQ(Counter(), "3 / 3");
  EXPECT_EQ(window.Line().Position(), 1);
  EXPECT_TRUE(TypingBox()->Text().isEmpty());
}

TEST_F(CourseTest, ArrowKeysMoveAtOnceAndDropTheTypedPart) {
  Load(5, 1);
  window.RichEdit1KeyDown('L');
  Type("li");
  t.clock.Advance(900);
  EXPECT_FALSE(window.RichEdit1KeyDown(VK_RIGHT));
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
  EXPECT_TRUE(TypingBox()->Text().isEmpty());
  EXPECT_FALSE(window.Line().Started());
  EXPECT_TRUE(Control<QLabel>(window, "LbMark")->isHidden());
  EXPECT_EQ(window.GetPracticeTime(), 0);  // the dropped part's time is not counted
  window.RichEdit1KeyDown(VK_DOWN);
  window.RichEdit1KeyDown(VK_UP);
  window.RichEdit1KeyDown(VK_LEFT);
  EXPECT_EQ(window.Line().SampleLine(), "line 2");
  window.RichEdit1KeyDown(VK_LEFT);
  window.RichEdit1KeyDown(VK_LEFT);
  EXPECT_EQ(window.Line().SampleLine(), "line 1");
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kBeginning});
  EXPECT_TRUE(window.RichEdit1KeyDown(VK_HOME));
  EXPECT_EQ(window.Line().SampleLine(), "line 1");
}

TEST_F(CourseTest, InsertGoesToALineNumber) {
  Load(5);
  t.dialogs.inputs.push_back("4");
  window.RichEdit1KeyDown(VK_INSERT);
  EXPECT_EQ(window.Line().SampleLine(), "line 4");
  EXPECT_EQ(t.dialogs.prompts.back(),
            "Input Box|Please input a number to goto somewhere of the course:|1");
  t.dialogs.inputs.push_back("four");
  window.RichEdit1KeyDown(VK_INSERT);
  EXPECT_EQ(window.Line().SampleLine(), "line 4");
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kInvalid});
}

TEST_F(CourseTest, EscapeKeepsTheLineForTheNextOpening) {
  Load(5, 3);
  window.show();
  Type("li");
  window.RichEdit1KeyPress(VK_ESCAPE);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.Line().SampleLine(), "line 4");
  EXPECT_EQ(window.GetProgress(), 3);
}

TEST_F(CourseTest, ALineEndedAfterANavigationKeyMovesOnlyOnce) {
  Load(5);
  window.RichEdit1KeyDown(VK_RIGHT);
  // Keys without a virtual-key code reach the key-press handler alone.
  Type("line 2;");
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
}

TEST_F(CourseTest, LoadingAgainNeverNavigates) {
  Load(5);
  window.RichEdit1KeyDown(VK_RIGHT);  // the window is then closed by its close box
  window.SetTextFile("qzcourse.txt");
  window.LoadTextFile();
  EXPECT_EQ(window.Line().SampleLine(), "line 2");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(CourseTest, AShortCourseShowsItsLastLineAndKeepsTheProgressUntilTheLearnerMoves) {
  Load(4, 99);
  EXPECT_EQ(window.Line().SampleLine(), "line 4");
  EXPECT_EQ(Counter(), "4 / 4");
  EXPECT_EQ(window.GetProgress(), 99);
  Load(200, window.GetProgress());  // the real course chosen again
  EXPECT_EQ(window.Line().SampleLine(), "line 100");
  Load(4, window.GetProgress());
  window.RichEdit1KeyDown(VK_LEFT);
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
  EXPECT_EQ(window.GetProgress(), 2);
}

TEST_F(CourseTest, AnEmptyCourseLeavesTheSampleEmpty) {
  t.dir.Write("empty.txt", "");
  window.SetProgress(12);
  window.SetTextFile("empty.txt");
  EXPECT_FALSE(window.LoadTextFile());
  EXPECT_EQ(window.Line().SampleLine(), "");
  EXPECT_EQ(Counter(), "0 / 0");
  window.RichEdit1KeyPress('a');
  window.RichEdit1KeyDown(VK_LEFT);
  EXPECT_EQ(window.Line().SampleLine(), "");
  EXPECT_EQ(window.GetProgress(), 12);  // kept for a course that has lines
}

TEST_F(CourseTest, CourseLinesAreTrimmedSamples) {
  t.dir.Write("c.txt", "\t  home row  \n\n" + std::string(100, 'f') + "\n");
  window.SetTextFile("c.txt");
  window.LoadTextFile();
  EXPECT_EQ(window.Line().SampleLine(), "home row");
  window.RichEdit1KeyDown(VK_RIGHT);
  EXPECT_EQ(window.Line().SampleLine(), "");  // an empty course line is a line of its own
  EXPECT_EQ(Counter(), "2 / 3");
  window.RichEdit1KeyDown(VK_RIGHT);
  EXPECT_EQ(window.Line().SampleLine(), std::string(80, 'f'));
}

TEST_F(CourseTest, RealKeysAndTheHiddenButtonsNavigate) {
  Load(5);
  window.show();
  QTest::keyClick(TypingBox(), Qt::Key_Right);
  EXPECT_EQ(window.Line().SampleLine(), "line 2");
  QTest::keyClick(TypingBox(), Qt::Key_L);
  EXPECT_EQ(window.Line().Position(), 2);
  Control<QToolButton>(window, "SpeedButton2")->click();
  EXPECT_EQ(window.Line().SampleLine(), "line 3");
  Control<QToolButton>(window, "SpeedButton1")->click();
  Control<QToolButton>(window, "SpeedButton1")->click();
  EXPECT_EQ(window.Line().SampleLine(), "line 1");
  window.hide();
}
