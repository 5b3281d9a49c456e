#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "platform/errors.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

namespace {
using Names = std::vector<std::string>;

struct SettingsStoreTest : ::testing::Test {
  TempDir dir;
  IniFile global{dir.File("qz.ini")};
  IniFile learners{dir.File("qzc.ini")};
};
}  // namespace

TEST_F(SettingsStoreTest, NoGlobalFileGivesNoLayoutsNoPasswordAndTheDefaultLearner) {
  const GlobalSettings read = ReadGlobalSettings(global);
  EXPECT_TRUE(read.LayoutNames.empty());
  EXPECT_TRUE(read.LayoutFileNames.empty());
  EXPECT_EQ(read.DesignerPassword, "");
  EXPECT_EQ(read.CurrentUser, "Learner");
  EXPECT_FALSE(std::filesystem::exists(global.Path()));
}

TEST_F(SettingsStoreTest, LayoutsArePairedByPositionNotByKey) {
  // S7 stands where S5 was; an empty value is skipped; a repeated key keeps its first place.
  dir.Write("qz.ini",
            "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\nS3=\r\nS4=Dvorak\r\nS3=Colemak\r\nS7=German\r\n"
            "S6=French\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=uk.key\r\nS3=colemak.key\r\n"
            "S4=dvorak.key\r\nS5=de.key\r\nS6=fr.key\r\n[SETTING]\r\nCurrentUser=Anna\r\n");
  const GlobalSettings read = ReadGlobalSettings(global);
  EXPECT_EQ(read.LayoutNames, (Names{"US", "UK", "Colemak", "Dvorak", "German", "French"}));
  EXPECT_EQ(read.LayoutFileNames,
            (Names{"us.key", "uk.key", "colemak.key", "dvorak.key", "de.key", "fr.key"}));
  EXPECT_EQ(read.CurrentUser, "Anna");
}

TEST_F(SettingsStoreTest, UnpairedLayoutEntriesAreDropped) {
  dir.Write("qz.ini", "[LAYOUTNAMES]\nS1=a\nS2=b\nS3=c\n[LAYOUTFILENAMES]\nS1=a.key\nS2=\n");
  const GlobalSettings read = ReadGlobalSettings(global);
  EXPECT_EQ(read.LayoutNames, Names{"a"});
  EXPECT_EQ(read.LayoutFileNames, Names{"a.key"});
}

TEST_F(SettingsStoreTest, APasswordIsCutToTenCharactersAndWrittenBackSo) {
  dir.Write("qz.ini", "[SETTING]\r\npassword=abcdefghijKL\r\n");
  GlobalSettings read = ReadGlobalSettings(global);
  EXPECT_EQ(read.DesignerPassword, "abcdefghij");
  WriteGlobalSettings(global, read);
  EXPECT_EQ(dir.Read("qz.ini"), "[SETTING]\r\npassword=abcdefghij\r\nCurrentUser=Learner\r\n");
}

TEST_F(SettingsStoreTest, SavingRewritesTheLayoutSectionsAndKeepsOtherLines) {
  dir.Write("qz.ini",
            "; kept\r\n[SETTING]\r\npassword=pw\r\nCurrentUser=Old\r\n[LAYOUTNAMES]\r\n"
            "S1=gone\r\nS2=gone too\r\n[LAYOUTFILENAMES]\r\nS1=gone.key\r\n[Other]\r\nx=1\r\n");
  GlobalSettings settings;
  settings.LayoutNames = {"US", "UK"};
  settings.LayoutFileNames = {"us.key", "uk.key"};
  settings.DesignerPassword = "pw";
  settings.CurrentUser = "Anna";
  WriteGlobalSettings(global, settings);
  EXPECT_EQ(dir.Read("qz.ini"),
            "; kept\r\n[SETTING]\r\npassword=pw\r\nCurrentUser=Anna\r\n[Other]\r\nx=1\r\n"
            "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=uk.key\r\n");
  const GlobalSettings read = ReadGlobalSettings(global);
  EXPECT_EQ(read.LayoutNames, settings.LayoutNames);
  EXPECT_EQ(read.LayoutFileNames, settings.LayoutFileNames);
}

TEST_F(SettingsStoreTest, ASaveThatCannotBeWrittenWholeLeavesTheOldGlobalFile) {
  const std::string old =
      "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=uk.key\r\n"
      "[SETTING]\r\npassword=pw\r\nCurrentUser=Anna\r\n";
  dir.Write("qz.ini", old);
  GlobalSettings settings = ReadGlobalSettings(global);
  settings.LayoutNames.push_back("a name long enough to overflow the disk");
  settings.LayoutFileNames.push_back("mine.key");
  {
    FullDisk full(old.size());  // erasing the layouts first would fit
    EXPECT_THROW(WriteGlobalSettings(global, settings), AppError);
  }
  EXPECT_EQ(dir.Read("qz.ini"), old);
  settings.LayoutFileNames.back() = "line\nbreak.key";
  EXPECT_THROW(WriteGlobalSettings(global, settings), AppError);
  EXPECT_EQ(dir.Read("qz.ini"), old);
}

TEST_F(SettingsStoreTest, AnUnreadableGlobalFileRaisesAccessDenied) {
  std::filesystem::create_directory(global.Path());
  try {
    ReadGlobalSettings(global);
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
}

TEST_F(SettingsStoreTest, LearnerNamesAreSortedWithoutRegardToCaseAndListedOnce) {
  dir.Write("qzc.ini", "[Zoe]\n[bob]\n[Anna]\n[]\n[\xC9lodie]\n[carl]\n[ANNA]\n[Bea]\n[anna]\n");
  EXPECT_EQ(ReadLearnerNames(learners), (Names{"Anna", "Bea", "bob", "carl", "\xC9lodie", "Zoe"}));
}

TEST_F(SettingsStoreTest, AMissingLearnerReadsAsTheDefaults) {
  const LearnerSettings read = ReadLearnerSettings(learners, "Nobody");
  EXPECT_EQ(read.Progress, 0);
  EXPECT_EQ(read.TimeTotal, 5);
  EXPECT_EQ(read.CourseText, "qzcourse.txt");
  EXPECT_EQ(read.PracticeText, "qz.txt");
  EXPECT_EQ(read.GameText, "qzgame.txt");
  EXPECT_EQ(read.FontName, "MS Sans Serif");
  EXPECT_EQ(read.CurrentLayout, 0);
  EXPECT_TRUE(read.EnableGame);
  EXPECT_EQ(read.FontSize, 12);
  EXPECT_EQ(read.BlinkingColor, 255u);
  EXPECT_EQ(read.Goals, MasteryGoals{});
}

TEST_F(SettingsStoreTest, LearnerValuesOutsideTheirRangeReadAsTheDefaults) {
  dir.Write("qzc.ini",
            "[anna]\nProgress=-3\nTimeTotal=x\ncurrentlayout=-1\nfontsize=-1\n"
            "blinkingcolor=$1000000\nenablegame=no\nGoalErrorPercent=51\nGoalKeysPerMinute=\n"
            "[ANNA]\nProgress=9\n");
  const LearnerSettings read = ReadLearnerSettings(learners, "Anna");
  EXPECT_EQ(read.Progress, 0);
  EXPECT_EQ(read.TimeTotal, 5);
  EXPECT_EQ(read.CurrentLayout, -1);  // none selected is a value of its own
  EXPECT_EQ(read.FontSize, 12);
  EXPECT_EQ(read.BlinkingColor, 255u);
  EXPECT_TRUE(read.EnableGame);
  EXPECT_EQ(read.Goals, MasteryGoals{});
}

TEST_F(SettingsStoreTest, AGoalIsWrittenOnceItDiffersFromItsDefaultAndKeptThen) {
  LearnerSettings settings;
  settings.Goals.keysPerMinute = 200;
  WriteLearnerSettings(learners, "Anna", settings);
  settings.Goals = {50, 150};
  SaveLearnerSettings(learners, "Anna", settings, 0);
  EXPECT_TRUE(
      dir.Read("qzc.ini").ends_with("=255\r\nGoalKeysPerMinute=150\r\nGoalErrorPercent=50\r\n"));
}

TEST_F(SettingsStoreTest, ALearnerIsWrittenAsTenKeysInTheirOrderAndReadBack) {
  LearnerSettings settings;
  settings.Progress = 17;
  settings.TimeTotal = 123456;
  settings.CourseText = "c.txt";
  settings.PracticeText = "p.txt";
  settings.GameText = "g.txt";
  settings.FontName = "Courier New";
  settings.CurrentLayout = -1;
  settings.EnableGame = false;
  settings.FontSize = 26;
  settings.BlinkingColor = 0x00FF00;
  WriteLearnerSettings(learners, "Anna", settings);
  EXPECT_EQ(dir.Read("qzc.ini"),
            "[Anna]\r\nProgress=17\r\nTimeTotal=123456\r\ncoursetext=c.txt\r\n"
            "practicetext=p.txt\r\ngametext=g.txt\r\nfontname=Courier New\r\n"
            "currentlayout=-1\r\nenablegame=0\r\nfontsize=26\r\nblinkingcolor=65280\r\n");
  const LearnerSettings read = ReadLearnerSettings(learners, "ANNA");
  EXPECT_EQ(read.TimeTotal, 123456);
  EXPECT_EQ(read.FontName, "Courier New");
  EXPECT_EQ(read.CurrentLayout, -1);
  EXPECT_FALSE(read.EnableGame);
  EXPECT_EQ(read.BlinkingColor, 0x00FF00u);
}

TEST_F(SettingsStoreTest, ATotalWrappedBy32BitsIsKeptAndSavedSaturated) {
  dir.Write("qzc.ini", "[Anna]\r\nTimeTotal=-1294967296\r\n");  // 3000000000 ms wrapped
  LearnerSettings read = ReadLearnerSettings(learners, "Anna");
  EXPECT_EQ(read.TimeTotal, INT64_C(3000000000));
  WriteLearnerSettings(learners, "Anna", read);
  EXPECT_EQ(ReadLearnerSettings(learners, "Anna").TimeTotal, INT_MAX);
}

TEST(LearnerNames, SectionBreakingNamesAreRefused) {
  EXPECT_EQ(LearnerNameProblem("Anna Lee"), "");
  EXPECT_EQ(LearnerNameProblem("[Anna"), "");
  for (const std::string& bad : Names{"a]b", "a\nb", "a\rb", "a\tb", std::string("a\0b", 3)}) {
    EXPECT_EQ(LearnerNameProblem(bad),
              "A learner name cannot contain \"]\", a line break or another control character.");
  }
  // Reading a value back removes one pair of quotes around it.
  for (const std::string& quoted : Names{"'Bob'", "\"Bob\"", "''"}) {
    EXPECT_EQ(LearnerNameProblem(quoted),
              "A learner name cannot begin and end with the same quote.");
  }
  EXPECT_EQ(LearnerNameProblem("'Bob"), "");
  EXPECT_EQ(LearnerNameProblem("'Bob\""), "");
  EXPECT_EQ(LearnerNameProblem("'"), "");
  EXPECT_EQ(TrimIniSpace(" \t Anna \x1A"), "Anna");
}

TEST(PracticeTime, TheTotalStopsAtTheLargest32BitValue) {
  EXPECT_EQ(AddPracticeTime(5, 1000), 1005);
  EXPECT_EQ(AddPracticeTime(INT_MAX - 10, 10), INT_MAX);
  EXPECT_EQ(AddPracticeTime(INT_MAX - 10, 11), INT_MAX);
  EXPECT_EQ(AddPracticeTime(INT_MAX, INT64_C(1) << 40), INT_MAX);
}
