#include "game/striker_source.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/files.h"
#include "support/test_context.h"

namespace {
using Words = std::vector<std::string>;

class FailingRandom final : public Random {
 public:
  int Below(int) override { throw AppError("Random source failed"); }
  void Reseed() override {}
};

struct SourceTest : ::testing::Test {
  TestContext t;
  strikerSourceType source{t.dir.File("words.txt"), t.random, t.dialogs};

  void Load(const std::string& text) {
    t.dir.Write("words.txt", text);
    source.Load();
  }
  // Draws for one pick that accepts the first group visited: group, chance, word, column,
  // speed.
  void ScriptPick(int group, int word, int column, int speed) {
    for (int v : {group, 0, word, column, speed}) t.random.values.push_back(v);
  }
};
}  // namespace

TEST(GameTextReading, GroupsAreSplitByEmptyLines) {
  const GameText text = ParseGameText("one two\r\n\r\nthree\r\n");
  EXPECT_EQ(text.groupCount, 2);
  EXPECT_EQ(text.groups[1], (Words{"one", "two"}));
  EXPECT_EQ(text.groups[2], (Words{"three"}));

  EXPECT_EQ(ParseGameText("one two\r\n\r\n\r\nthree\r\n").groupCount, 2);
  const GameText trailing = ParseGameText("one two\r\n\r\nthree\r\n\r\n");
  EXPECT_EQ(trailing.groupCount, 3);
  EXPECT_TRUE(trailing.groups[3].empty());
  EXPECT_EQ(ParseGameText("\r\n\r\none\r\n").groupCount, 1);
  EXPECT_EQ(ParseGameText("\xef\xbb\xbfz\xc3\xa9\r\n").groups[1], Words{"z\xe9"});  // UTF-8
}

TEST(GameTextReading, ALineOfSpacesDoesNotEndAGroup) {
  const GameText text = ParseGameText("one\r\n   \r\ntwo three\r\n");
  EXPECT_EQ(text.groupCount, 1);
  EXPECT_EQ(text.groups[1], (Words{"one", "two", "three"}));
}

TEST(GameTextReading, OnlyTheSpaceSeparatesWords) {
  const GameText text = ParseGameText(" alpha   beta \ttab\tin x");
  EXPECT_EQ(text.groups[1], (Words{"alpha", "beta", "\ttab\tin", "x"}));
}

TEST(GameTextReading, LoneLineFeedsAndCarriageReturnsEndLinesToo) {
  EXPECT_EQ(ParseGameText("a b\n\nc\n").groups[2], (Words{"c"}));
  EXPECT_EQ(ParseGameText("a b\r\rc").groupCount, 2);
  EXPECT_EQ(ParseGameText("a\n\r\nb").groupCount, 2);  // LF, then an empty CR LF line
}

TEST(GameTextReading, EmptyTextHasOneEmptyGroup) {
  const GameText text = ParseGameText("");
  EXPECT_EQ(text.groupCount, 1);
  EXPECT_TRUE(text.groups[1].empty());
}

TEST(GameTextReading, WordsLongerThanTheFieldAreLeftOut) {
  const std::string fifty(50, 'w');
  const GameText text = ParseGameText("short " + fifty + " " + std::string(51, 'x'));
  EXPECT_EQ(text.groups[1], (Words{"short", fifty}));
}

TEST(GameTextReading, GroupsAfterTheSixtiethJoinIt) {
  std::string bytes;
  for (int g = 1; g <= 63; ++g) bytes += "w" + std::to_string(g) + "\r\n\r\n";
  const GameText text = ParseGameText(bytes);
  EXPECT_EQ(text.groupCount, 60);
  EXPECT_EQ(text.groups[59], (Words{"w59"}));
  EXPECT_EQ(text.groups[60], (Words{"w60", "w61", "w62", "w63"}));
}

TEST_F(SourceTest, MissingPipedOrHugeFilesRaiseTheirIoError) {
  const auto loadError = [this] {
    try {
      source.Load();
    } catch (const AppError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(loadError(), kFileNotFound);
  t.dir.MakePipe("words.txt");
  EXPECT_EQ(loadError(), kFileAccessDenied);
  std::filesystem::remove(t.dir.File("words.txt"));
  t.dir.Write("words.txt", "");
  std::filesystem::resize_file(t.dir.File("words.txt"), kMaxGameTextBytes + 1);
  EXPECT_EQ(loadError(), kFileTooLarge);
  EXPECT_EQ(source.GroupCount, 0);
}

TEST_F(SourceTest, PickDrawsGroupChanceWordColumnAndSpeedInOrder) {
  Load("alpha beta\r\n\r\ngamma\r\n");
  ScriptPick(0, 1, 4, 2);
  ASSERT_TRUE(source.Pick());
  EXPECT_EQ(t.random.draws, (std::vector<int>{2, 100, 2, 25, 3}));
  auto word = source.TakePicked();
  EXPECT_EQ(word->Text, "beta");
  EXPECT_EQ(word->Len, 4);
  EXPECT_EQ(word->Column, 5);  // first pick: 4 + 0 + 0, plus 1
  EXPECT_EQ(word->X, 48);
  EXPECT_EQ(word->Y, 0);
  EXPECT_EQ(word->Typed, -1);
  EXPECT_EQ(word->State, 0);
  EXPECT_EQ(word->Speed, 3);
  EXPECT_EQ(source.Groups[1], (Words{"alpha"}));
  EXPECT_EQ(source.LastColumn, 5);
  EXPECT_EQ(source.LastLength, 4);
}

TEST_F(SourceTest, ColumnFollowsThePreviousWordAndWrapsToColumnOne) {
  Load("abcde abcdef abcd\r\n");
  source.LastColumn = 10;
  source.LastLength = 5;
  ScriptPick(0, 0, 7, 0);
  ASSERT_TRUE(source.Pick());
  EXPECT_EQ(source.TakePicked()->Column, 23);

  source.LastColumn = 20;
  source.LastLength = 5;
  ScriptPick(0, 0, 20, 0);  // 46 + 6 letters reaches past column 50
  ASSERT_TRUE(source.Pick());
  auto six = source.TakePicked();
  EXPECT_EQ(six->Text, "abcdef");
  EXPECT_EQ(six->Column, 1);
  EXPECT_EQ(six->X, 0);

  source.LastColumn = 20;
  source.LastLength = 5;
  ScriptPick(0, 0, 20, 0);  // 46 + 4 letters ends at column 49
  ASSERT_TRUE(source.Pick());
  EXPECT_EQ(source.TakePicked()->Column, 46);
}

TEST_F(SourceTest, TheWalkMovesOnUntilAGroupWithWordsAccepts) {
  Load("a\r\n\r\nb\r\n\r\nc\r\n");
  source.Groups[1].clear();
  // Start at group 3 (70 %): refused. Group 1 (60 %): empty, marked. Group 2: accepted.
  t.random.values = {2, 70, 0, 0, 0, 0, 0};
  ASSERT_TRUE(source.Pick());
  EXPECT_EQ(source.TakePicked()->Text, "b");
  EXPECT_TRUE(source.Exhausted[1]);
  EXPECT_EQ(source.ExhaustedCount, 1);
  EXPECT_EQ(t.random.draws, (std::vector<int>{3, 100, 100, 100, 1, 25, 3}));
}

TEST_F(SourceTest, EveryPickFailsOnceAllWordsAreHandedOut) {
  Load("one two\r\n\r\nthree\r\n");
  t.random.thenAlways = 0;
  int picked = 0;
  while (picked < 10 && source.Pick()) ++picked;
  EXPECT_EQ(picked, 3);
  EXPECT_EQ(source.ExhaustedCount, 2);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(source.Pick());
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(SourceTest, AFileWithoutWordsGivesNoPick) {
  Load("   \r\n");
  t.random.thenAlways = 0;
  EXPECT_EQ(source.GroupCount, 1);
  EXPECT_FALSE(source.Pick());
}

TEST_F(SourceTest, AFailedPickIsReportedAndYieldsNoWord) {
  FailingRandom failing;
  strikerSourceType broken(t.dir.File("words.txt"), failing, t.dialogs);
  t.dir.Write("words.txt", "word\r\n");
  broken.Load();
  EXPECT_FALSE(broken.Pick());
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(t.dialogs.messages[0].text, "Random source failed StrikerSource available");
  EXPECT_EQ(broken.Picked, nullptr);
}
