#include "practice/sentence_prac.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/errors.h"
#include "platform/key_events.h"
#include "practice/line_box.h"
#include "support/controls.h"
#include "support/input_method.h"
#include "support/test_context.h"

namespace {
struct SentenceDrillsTest : ::testing::Test {
  TestContext t;
  RecordingGuides guides;
  stopwatch watch{t.clock};
  TFmSentencePrac window{t.context, guides, watch};
  LineBox* TypingBox() { return Control<LineBox>(window, "RichEdit1"); }
  LineBox* SampleBox() { return Control<LineBox>(window, "SampleEdit"); }

  void Load(const std::string& bytes, std::deque<int> draws) {
    t.dir.Write("qz.txt", bytes);
    t.random.values = std::move(draws);
    window.SetTextFile("qz.txt");
    window.LoadTextFile();
  }
  void Type(const std::string& text) {
    for (char c : text) window.RichEdit1KeyPress(static_cast<unsigned char>(c));
  }
};
}  // namespace

TEST_F(SentenceDrillsTest, LoadingPicksARandomLineAtOnce) {
  EXPECT_EQ(window.windowTitle(), "Sentence Drills");
  EXPECT_EQ(window.Line().SampleLine(), "");  // nothing before a file is loaded
  Load("first line\nsecond line\nthird line\n", {1});
  EXPECT_EQ(window.Text().size(), 3);
  EXPECT_EQ(window.Line().SampleLine(), "second line");
  EXPECT_EQ(SampleBox()->Text().toStdString(), "second line");
  EXPECT_EQ(window.Line().WordCount(), 2);
  EXPECT_EQ(window.Line().Position(), 1);
  EXPECT_EQ(t.random.draws, std::vector<int>{3});
  EXPECT_EQ(guides.keys.back(), 's');
}

TEST_F(SentenceDrillsTest, EveryEndedLineIsFollowedByAnotherRandomOne) {
  Load("ab\ncd\nef\n", {2, 2, 0, 1});
  EXPECT_EQ(window.Line().SampleLine(), "ef");
  Type("ef");
  t.clock.Advance(1000);
  Type("x");                           // completes the line
  EXPECT_EQ(window.Line().SampleLine(), "ef");  // the same line may come up twice in a row
  EXPECT_EQ(window.GetPracticeTime(), 1000);
  EXPECT_TRUE(TypingBox()->Text().isEmpty());
  Type("e");
  t.clock.Advance(500);
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Skipped);
  EXPECT_EQ(window.Line().SampleLine(), "ab");
  EXPECT_EQ(window.GetPracticeTime(), 1500);  // a skipped line's time counts too
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.GetPracticeTime(), 1525);  // and one skipped untouched measures 25 ms
}

TEST_F(SentenceDrillsTest, AnEmptyLineIsEndedByTheFirstKey) {
  Load("\nnext\n", {0, 1});
  EXPECT_EQ(window.Line().SampleLine(), "");
  EXPECT_EQ(window.Line().LineLength(), 0);
  window.RichEdit1KeyPress('q');
  EXPECT_EQ(window.Line().LineOutcome(), LineOutcomeKind::Completed);
  EXPECT_EQ(StatusText(window), "");  // no statistics for an empty line
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(window.Line().SampleLine(), "next");
}

TEST_F(SentenceDrillsTest, SamplesAreCutTo80AndTrimmed) {
  const std::string longLine = std::string(79, 'a') + " " + std::string(40, 'b');  // 120 chars
  Load(longLine + "\n   indented words\ntabbed\t\r\n", {0, 1, 2});
  EXPECT_EQ(window.Line().SampleLine(), std::string(79, 'a'));
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.Line().SampleLine(), "indented words");
  window.RichEdit1KeyPress(VK_RETURN);
  EXPECT_EQ(window.Line().SampleLine(), "tabbed");
}

TEST_F(SentenceDrillsTest, AnEmptyFileLeavesTheSampleEmpty) {
  t.dir.Write("empty.txt", "");
  window.SetTextFile("empty.txt");
  EXPECT_FALSE(window.LoadTextFile());
  EXPECT_EQ(window.Line().SampleLine(), "");
  window.RichEdit1KeyPress('a');  // ends the empty line; no line to pick, no crash
  EXPECT_EQ(window.Line().SampleLine(), "");
  EXPECT_TRUE(t.random.draws.empty());
}

TEST_F(SentenceDrillsTest, ABareNameIsFoundWithoutRegardToCase) {
  t.dir.Write("Lessons.TXT", "only line\n");
  window.SetTextFile("lessons.txt");
  EXPECT_TRUE(window.LoadTextFile());
  EXPECT_EQ(window.Line().SampleLine(), "only line");
}

TEST_F(SentenceDrillsTest, SettingANameEmptiesTheLinesAndLoadingReadsAgain) {
  Load("old\n", {});
  window.SetTextFile("qz.txt");
  EXPECT_TRUE(window.Text().empty());
  EXPECT_TRUE(window.LoadTextFile());
  t.dir.Write("qz.txt", "new\n");
  EXPECT_TRUE(window.LoadTextFile());  // not stale, read all the same
  EXPECT_EQ(window.Line().SampleLine(), "new");
}

TEST_F(SentenceDrillsTest, AnUnreadableFileIsReportedAndLeavesNoLine) {
  Load("old line\n", {});
  window.SetTextFile("gone.txt");
  try {
    window.LoadTextFile();
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  EXPECT_TRUE(window.Text().empty());
  EXPECT_EQ(window.Line().SampleLine(), "");
}

TEST_F(SentenceDrillsTest, AComposedCharacterIsComparedAndShownLikeAKey) {
  Load("caf\xE9!\n", {0});
  window.show();
  QTest::keyClicks(TypingBox(), "caf");
  CommitText(TypingBox(), "", QString::fromUtf8("\xC2\xB4"));  // the dead key waits
  CommitText(TypingBox(), QString::fromUtf8("\xC3\xA9"));
  EXPECT_EQ(window.Line().Position(), 5);
  EXPECT_TRUE(window.Line().Marks()[4]);
  EXPECT_EQ(guides.keys.back(), '!');
  EXPECT_EQ(TypingBox()->Text(), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(TypingBox()->ColourAt(3), QColor(0, 0, 128));  // navy: right
  EXPECT_FALSE(TypingBox()->UnderlinedAt(3));
}
