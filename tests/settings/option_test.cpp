#include "settings/option.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <filesystem>

#include "platform/errors.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace {
using Names = std::vector<std::string>;

// Records what the Options window does to the rest of the program.
struct RecordingTargets final : SettingsTargets {
  void SetPickerNames(const Names& names, int selected) override {
    pickerNames = names;
    pickerSelected = selected;
    picked = selected >= 0 ? names[static_cast<size_t>(selected)] : "";
  }
  std::string PickedName() override { return picked; }
  void SetProgress(int index) override { progress = index; }
  int GetProgress() override { return progress; }
  int64_t GetPracticeTime() override { return practiceTime; }
  void EnableGameButton(bool enabled) override {
    calls.push_back(enabled ? "game on" : "game off");
  }
  void ReadLayoutFile(const std::string& path) override {
    calls.push_back("read " + path);
    if (!layoutError.empty()) throw AppError(layoutError);
  }
  void ApplyFingerLayout() override { calls.push_back("fingers"); }
  void SetBlinkingColor(Color color) override { calls.push_back("blink " + std::to_string(color)); }
  void BuildKeys(int ox, int oy) override {
    calls.push_back("keys " + std::to_string(ox) + "," + std::to_string(oy));
  }
  void StartGuides() override { calls.push_back("guides"); }
  void WidenPracticeWindows(int width, int screenWidth) override {
    calls.push_back("widen " + std::to_string(width) + " on " + std::to_string(screenWidth));
  }
  void SetPracticeFont(int size, const std::string& face) override {
    calls.push_back("font " + std::to_string(size) + " " + face);
  }
  void LoadCourseText(const std::string& name) override { calls.push_back("course " + name); }
  void LoadSentenceText(const std::string& name) override {
    calls.push_back("text " + name);
    if (!textError.empty()) throw AppError(textError);
  }
  void SetGameText(const std::string& name) override { calls.push_back("game " + name); }
  QDialog& Designer() override { return designer; }
  void LearnerDeleted(const std::string& name) override { calls.push_back("forget " + name); }
  bool PractisingElsewhere(const std::string& name) override { return name == practising; }

  Names pickerNames;
  int pickerSelected = -2;
  std::string picked;
  int progress = -1;
  int64_t practiceTime = 0;
  std::string layoutError;
  std::string textError;
  std::string practising;
  std::vector<std::string> calls;
  QDialog designer;
};

constexpr const char* kTwoLayouts =
    "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=uk.key\r\n"
    "[SETTING]\r\npassword=secret\r\nCurrentUser=anna\r\n";
constexpr const char* kAnna =
    "[Anna]\r\nProgress=7\r\nTimeTotal=60000\r\ncoursetext=QZCOURSE.TXT\r\n"
    "practicetext=qz.txt\r\ngametext=qzgame.txt\r\nfontname=Arial\r\ncurrentlayout=1\r\n"
    "enablegame=0\r\nfontsize=14\r\nblinkingcolor=65280\r\n";

struct OptionTest : ::testing::Test {
  TestContext t;
  const std::string in = " (looked in " + t.dir.path() + ")";  // ends a missing file's message
  RecordingTargets targets;
  TPasswordDlg passwordDlg;
  std::unique_ptr<TFmOption> window;

  // Texts and layout files exist before the window is created, as at start-up.
  void SetUp() override {
    for (const char* name : {"qzcourse.txt", "qz.txt", "qzgame.txt", "other.txt"})
      t.dir.Write(name, "line\r\n");
    for (const char* name : {"us.key", "uk.key"}) t.dir.Write(name, "");
  }
  TFmOption& Create(int screenWidth = 1024) {
    window = std::make_unique<TFmOption>(t.context, targets, passwordDlg);
    window->SetScreenWidthSource([screenWidth] { return screenWidth; });
    return *window;
  }
  // The start-up sequence without the picker: the last learner is taken.
  TFmOption& StartWith(const std::string& global, const std::string& learners,
                       int screenWidth = 1024) {
    t.dir.Write("qz.ini", global);
    t.dir.Write("qzc.ini", learners);
    Create(screenWidth);
    window->LoadGlobalSettings();
    window->FillUserLists();
    window->LoadUserSettings(true);
    return *window;
  }
  std::string Text(const QComboBox* box) { return box->currentText().toStdString(); }
  std::string Section(const std::string& name) {
    const std::string all = t.dir.Read("qzc.ini");
    const size_t begin = all.find("[" + name + "]");
    if (begin == std::string::npos) return "";
    return all.substr(begin, all.find("\r\n[", begin) - begin);
  }
};
}  // namespace

TEST_F(OptionTest, TheWindowIsBuiltAsDesigned) {
  TFmOption& w = Create();
  EXPECT_EQ(w.windowTitle(), "Options");
  EXPECT_EQ(w.size(), QSize(307, 416));
  ASSERT_EQ(Control<QTabWidget>(w, "PageControl1")->count(), 3);
  EXPECT_EQ(Control<QTabWidget>(w, "PageControl1")->tabText(0), "General");
  EXPECT_EQ(Control<QTabWidget>(w, "PageControl1")->tabText(1), "Practice Contents");
  EXPECT_EQ(Control<QTabWidget>(w, "PageControl1")->tabText(2), "Keyboard Layout");
  EXPECT_EQ(Control<QTabWidget>(w, "PageControl1")->currentIndex(), 0);
  EXPECT_LE(Control<QTabWidget>(w, "PageControl1")->tabBar()->sizeHint().width(),
            Control<QTabWidget>(w, "PageControl1")->width());  // no caption cut at the edge

  struct Expected {
    const char* name;
    const char* text;
    const char* hint;
  };
  const Expected buttons[] = {
      {"BnSave", "&OK", ""},
      {"BnCancel", "&Cancel", ""},
      {"BnBlinkingcolor", "&Blinking color of the pressed key", ""},
      {"BnFont", "&Font of practices", "Font used in the practices"},
      {"AddUserBn", "&Add ", "Add the new name above"},
      {"DeleteUsreBn", "&Delete", ""},
      {"BnDeleteReg", "&Delete current layout", "Only delete the association."},
      {"BnRegister", "&Register new layout", ""},
      {"BnAdvancedFunctions", "Ad&vanced setting >>", "To design new keyboard layout"},
  };
  for (const Expected& e : buttons) {
    auto* button = w.findChild<QPushButton*>(e.name);
    ASSERT_NE(button, nullptr) << e.name;
    EXPECT_EQ(button->text(), e.text);
    EXPECT_EQ(button->toolTip(), e.hint) << e.name;
  }
  EXPECT_EQ(w.findChild<QGroupBox*>("GroupBox4")->title(), "Layouts of practices");
  EXPECT_EQ(w.findChild<QGroupBox*>("GroupBox5")->title(), "Users Management");
  EXPECT_EQ(w.findChild<QGroupBox*>("GroupBox2")->title(), "Add layout");
  EXPECT_EQ(w.findChild<QLabel*>("ColorLb")->size(), QSize(25, 25));
  EXPECT_EQ(w.findChild<QLineEdit*>("ExampleEd")->text(), "Example");
  EXPECT_EQ(w.findChild<QComboBox*>("UsersComboBox")->toolTip(), "Input or select a name");
  EXPECT_TRUE(Control<QComboBox>(w, "UsersComboBox")->isEditable());
  EXPECT_EQ(w.findChild<QComboBox*>("CourseComboBox")->toolTip(),
            "Select a text file to be the content of the course");
  EXPECT_EQ(w.findChild<QComboBox*>("SentenceComboBox")->toolTip(),
            "Select a text file to be the content of practices of sentence and paragraph");
  EXPECT_NE(w.findChild<QComboBox*>("GameComboBox"), nullptr);
  EXPECT_NE(w.findChild<QComboBox*>("ComboBox1"), nullptr);
  EXPECT_NE(w.findChild<QLabel*>("LbLayoutFileName"), nullptr);
  EXPECT_NE(w.findChild<QLineEdit*>("EdLayoutName"), nullptr);
  EXPECT_EQ(w.findChild<QListWidget*>("FileListBox2")->toolTip(), "Select a file for  the layout");
  EXPECT_TRUE(w.findChild<QLabel*>("Label7")->text().startsWith("Note:\r\nThe text files are"));

  auto* game = w.findChild<QCheckBox*>("EnableGameCheckbox");
  EXPECT_EQ(game->text(), "&Enable game");
  EXPECT_TRUE(game->isChecked());
  EXPECT_FALSE(game->isEnabled());
}

TEST_F(OptionTest, CreationTakesTheInitialValuesAndListsTheFiles) {
  t.dir.Write("Upper.TXT", "");
  t.dir.Write("Gr\xc3\xbcn.txt", "");  // named in UTF-8, as the file system names it
  TFmOption& w = Create();
  EXPECT_EQ(w.PracticeFontSize(), 10);
  EXPECT_EQ(w.PracticeFontName(), "Courier New");
  EXPECT_EQ(w.KeyBlinkingColor(), 0u);
  EXPECT_FALSE(w.SettingsRead());
  EXPECT_EQ(w.StoredTotalTime(), 0);
  for (QComboBox* box :
       {Control<QComboBox>(w, "CourseComboBox"), Control<QComboBox>(w, "SentenceComboBox"),
        Control<QComboBox>(w, "GameComboBox")}) {
    ASSERT_EQ(box->count(), 6);
    EXPECT_EQ(box->itemText(0), "Gr\u00fcn.txt");
    EXPECT_EQ(box->itemData(0).toByteArray(), "Gr\xc3\xbcn.txt");  // stored as named
    EXPECT_EQ(box->itemText(5), "Upper.TXT");
    EXPECT_EQ(box->currentIndex(), -1);
  }
  ASSERT_EQ(Control<QListWidget>(w, "FileListBox2")->count(), 2);
  EXPECT_EQ(Control<QListWidget>(w, "FileListBox2")->item(0)->text(), "uk.key");
}

TEST_F(OptionTest, AFileNameWrittenByHandInTheCodePageFindsItsFile) {
  t.dir.Write("Gr\xc3\xbcn.txt", "");  // named in UTF-8, as the file system names it
  TFmOption& w = StartWith(kTwoLayouts, "[Anna]\r\npracticetext=gr\xfcn.txt\r\n");
  EXPECT_EQ(Control<QComboBox>(w, "SentenceComboBox")->currentText(), "Gr\u00fcn.txt");
}

TEST_F(OptionTest, StartUpReadsTheLearnerPickedIntoWindowAndProgram) {
  TFmOption& w = StartWith(kTwoLayouts, std::string(kAnna) + "[bob]\r\nProgress=1\r\n");
  EXPECT_TRUE(w.SettingsRead());
  EXPECT_EQ(targets.pickerNames, (Names{"Anna", "bob"}));
  EXPECT_EQ(targets.pickerSelected, 0);  // "anna" in qz.ini, found without regard to case
  EXPECT_EQ(w.Password(), "secret");
  EXPECT_EQ(w.Learner(), "Anna");
  EXPECT_EQ(targets.progress, 7);
  EXPECT_EQ(w.StoredTotalTime(), 60000);
  EXPECT_FALSE(Control<QCheckBox>(w, "EnableGameCheckbox")->isChecked());
  EXPECT_EQ(targets.calls, Names{"game off"});
  EXPECT_EQ(Text(Control<QComboBox>(w, "CourseComboBox")), "qzcourse.txt");
  EXPECT_EQ(Text(Control<QComboBox>(w, "SentenceComboBox")), "qz.txt");
  EXPECT_EQ(Text(Control<QComboBox>(w, "GameComboBox")), "qzgame.txt");
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->currentIndex(), 1);
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(), "uk.key");
  EXPECT_EQ(w.PracticeFontSize(), 14);
  EXPECT_EQ(w.PracticeFontName(), "Arial");
  EXPECT_EQ(w.KeyBlinkingColor(), 65280u);
  EXPECT_EQ(Control<QLineEdit>(w, "ExampleEd")->font().pointSize(), 14);
  t.dialogs.fonts.push_back(std::nullopt);  // the chooser opens with the learner's font
  Control<QPushButton>(w, "BnFont")->click();
  EXPECT_EQ(t.dialogs.fontsOffered.at(0).face, "Arial");
  EXPECT_EQ(t.dialogs.fontsOffered.at(0).size, 14);
  EXPECT_EQ(Control<QLabel>(w, "ColorLb")->palette().color(QPalette::Window), QColor(0, 255, 0));
  // The Options window's learner box lists everyone but shows no one.
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->count(), 2);
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->currentText(), "");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(OptionTest, ATextFileThatIsNotListedLeavesItsBoxEmpty) {
  TFmOption& w = StartWith(kTwoLayouts, "[Anna]\r\ncoursetext=gone.txt\r\ngametext=\r\n");
  EXPECT_EQ(Text(Control<QComboBox>(w, "CourseComboBox")), "");
  EXPECT_EQ(Text(Control<QComboBox>(w, "SentenceComboBox")), "qz.txt");  // the default
  EXPECT_EQ(Text(Control<QComboBox>(w, "GameComboBox")), "");
  w.LoadPracticeTexts();
  EXPECT_EQ(t.dialogs.Texts(),
            Names{"The course file may not exist. Please check the Options." + in});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(targets.calls, (Names{"text qz.txt"}));  // a missing game file is silent
}

TEST_F(OptionTest, MissingTextFilesAreReportedAndPresentOnesHandedOn) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  targets.calls.clear();
  targets.textError = "File too large";  // there but unreadable: named, the others go on
  w.LoadPracticeTexts();
  EXPECT_EQ(targets.calls, (Names{"course qzcourse.txt", "text qz.txt", "game qzgame.txt"}));
  EXPECT_EQ(t.dialogs.Texts(), Names{"File too large: qz.txt"});
  t.dialogs.messages.clear();
  for (const char* name : {"qzcourse.txt", "qz.txt", "qzgame.txt"})
    std::filesystem::remove(t.dir.File(name));
  std::filesystem::create_directory(t.dir.File("qz.txt"));  // a folder is no text file
  targets.calls.clear();
  w.LoadPracticeTexts();
  EXPECT_TRUE(targets.calls.empty());
  EXPECT_EQ(t.dialogs.Texts(),
            (Names{"The course file may not exist. Please check the Options." + in,
                   "The text file may not exist. Please check the Options." + in}));
}

TEST_F(OptionTest, NoLearnerPickedRunsAsTheStoredLearnerWithAllHisSettings) {
  TFmOption& w =
      StartWith("[SETTING]\r\nCurrentUser=Ghost\r\n",
                "[Learner]\r\nProgress=3\r\nTimeTotal=900\r\nfontsize=20\r\ncoursetext=qz.txt\r\n");
  EXPECT_EQ(targets.pickerSelected, -1);
  EXPECT_EQ(w.Learner(), "Learner");
  EXPECT_EQ(targets.progress, 3);
  EXPECT_EQ(w.StoredTotalTime(), 900);
  // His other settings are read too, so the save at shutdown keeps them.
  EXPECT_EQ(w.PracticeFontSize(), 20);
  EXPECT_EQ(Text(Control<QComboBox>(w, "CourseComboBox")), "qz.txt");
  w.SaveOnShutdown();
  EXPECT_NE(t.dir.Read("qzc.ini").find("fontsize=20\r\n"), std::string::npos);
}

TEST_F(OptionTest, NoLearnerPickedAndNoneStoredRunsAsANewLearner) {
  TFmOption& w = StartWith(
      "[LAYOUTNAMES]\r\nS1=US\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\n"
      "[SETTING]\r\nCurrentUser=Ghost\r\n",
      "[Anna]\r\nProgress=3\r\nfontsize=20\r\n");
  EXPECT_EQ(targets.pickerSelected, -1);
  EXPECT_EQ(w.Learner(), "Learner");
  EXPECT_EQ(targets.progress, 0);
  EXPECT_EQ(w.StoredTotalTime(), 5);
  EXPECT_EQ(w.PracticeFontSize(), 12);
  EXPECT_EQ(w.PracticeFontName(), "MS Sans Serif");
  EXPECT_EQ(w.KeyBlinkingColor(), 255u);
  EXPECT_EQ(Text(Control<QComboBox>(w, "CourseComboBox")), "qzcourse.txt");
  EXPECT_EQ(Text(Control<QComboBox>(w, "SentenceComboBox")), "qz.txt");
  EXPECT_EQ(Text(Control<QComboBox>(w, "GameComboBox")), "qzgame.txt");
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(), "us.key");
}

TEST_F(OptionTest, ARunWithoutLearnerFileLeavesAWorkingSectionForTheNextStart) {
  StartWith("", "");
  std::filesystem::remove(t.dir.File("qzc.ini"));
  window->FillUserLists();
  window->LoadUserSettings(true);
  EXPECT_TRUE(targets.pickerNames.empty());
  EXPECT_EQ(window->Learner(), "Learner");
  window->SaveOnShutdown();
  EXPECT_EQ(t.dir.Read("qzc.ini"),
            "[Learner]\r\nProgress=0\r\nTimeTotal=5\r\ncoursetext=qzcourse.txt\r\n"
            "practicetext=qz.txt\r\ngametext=qzgame.txt\r\nfontname=MS Sans Serif\r\n"
            "currentlayout=-1\r\nenablegame=1\r\nfontsize=12\r\nblinkingcolor=255\r\n");
  EXPECT_EQ(t.dir.Read("qz.ini"), "[SETTING]\r\npassword=\r\nCurrentUser=Learner\r\n");

  StartWith(t.dir.Read("qz.ini"), t.dir.Read("qzc.ini"));
  window->ApplyLayout();
  window->LoadPracticeTexts();
  EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.Texts()[0];
}

TEST_F(OptionTest, SavingSeveralTimesStoresTheRunsTimeOnce) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  targets.practiceTime = 1500;
  targets.progress = 9;
  w.BnSaveClick();
  targets.practiceTime = 4000;
  w.BnSaveClick();
  EXPECT_EQ(w.StoredTotalTime(), 60000);  // read at start-up only
  w.SaveOnShutdown();
  EXPECT_EQ(Section("Anna"),
            "[Anna]\r\nProgress=9\r\nTimeTotal=64000\r\ncoursetext=qzcourse.txt\r\n"
            "practicetext=qz.txt\r\ngametext=qzgame.txt\r\nfontname=Arial\r\n"
            "currentlayout=1\r\nenablegame=0\r\nfontsize=14\r\nblinkingcolor=65280\r\n");
}

TEST_F(OptionTest, TheTotalTimeSaturates) {
  TFmOption& w = StartWith(kTwoLayouts, "[Anna]\r\nTimeTotal=2147480000\r\n");
  targets.practiceTime = 3600000;
  EXPECT_EQ(w.GetTotalTime(), 2147483647);
  w.SaveUserSettings();
  EXPECT_NE(Section("Anna").find("TimeTotal=2147483647\r\n"), std::string::npos);
}

TEST_F(OptionTest, OkSavesBothFilesAndAppliesEverything) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  t.context.showModal(w);
  targets.calls.clear();
  Control<QPushButton>(w, "BnSave")->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(targets.calls, (Names{"read " + t.dir.File("uk.key"), "fingers", "blink 65280",
                                  "keys 10,10", "font 14 Arial", "guides", "course qzcourse.txt",
                                  "text qz.txt", "game qzgame.txt"}));
  EXPECT_EQ(t.dir.Read("qz.ini"),
            "[SETTING]\r\npassword=secret\r\nCurrentUser=Anna\r\n[LAYOUTNAMES]\r\nS1=US\r\n"
            "S2=UK\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=uk.key\r\n");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(OptionTest, GoalsAreTakenFromTheSpinBoxesByOkOnly) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  Control<QSpinBox>(w, "SpinGoalErrors")->setValue(5);
  Control<QSpinBox>(w, "SpinGoalSpeed")->setValue(200);
  w.SaveProgress();
  EXPECT_EQ(Section("Anna").find("Goal"), std::string::npos);
  t.context.showModal(w);
  Control<QPushButton>(w, "BnSave")->click();
  EXPECT_EQ(w.Goals(), (MasteryGoals{5, 200}));
  EXPECT_TRUE(
      Section("Anna").ends_with("=65280\r\nGoalErrorPercent=5\r\nGoalKeysPerMinute=200\r\n"));
  // Another learner's goals are his section's.
  t.dir.Write("qzc.ini", t.dir.Read("qzc.ini") + "[Bert]\r\nGoalErrorPercent=1\r\n");
  EXPECT_EQ(w.GoalsOf("anna"), (MasteryGoals{5, 200}));
  EXPECT_EQ(w.GoalsOf("Bert"), (MasteryGoals{1, 150}));
}

TEST_F(OptionTest, AnUnwritableLearnerFileKeepsTheWindowOpen) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  std::filesystem::remove(t.dir.File("qzc.ini"));
  std::filesystem::create_directory(t.dir.File("qzc.ini"));
  t.context.showModal(w);
  Control<QSpinBox>(w, "SpinGoalErrors")->setValue(9);
  Control<QPushButton>(w, "BnSave")->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.Goals(), MasteryGoals{});  // not taken: Cancel leaves them as they were
  EXPECT_EQ(t.dialogs.Texts(),
            Names{"Unable to write to " + t.dir.File("qzc.ini") + "\nFile access denied"});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(t.dir.Read("qz.ini"), kTwoLayouts);  // stopped before qz.ini
}

TEST_F(OptionTest, ASaveAddsThisRunsTimeToWhatAnotherInstanceSavedAndAFailedOneOffersRetry) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  targets.practiceTime = 1500;
  w.SaveProgress();
  IniFile(t.dir.File("qzc.ini")).WriteString("Anna", "TimeTotal", "100000");  // another run
  targets.practiceTime = 4000;
  w.SaveProgress();
  EXPECT_EQ(IniFile(t.dir.File("qzc.ini")).ReadInteger("Anna", "TimeTotal", 0), 102500);

  std::filesystem::remove(t.dir.File("qzc.ini"));
  std::filesystem::create_directory(t.dir.File("qzc.ini"));
  t.dialogs.answers = {MessageAnswer::Retry, MessageAnswer::Cancel};
  EXPECT_FALSE(w.SaveOnShutdown());  // so the program ends with status 1
  ASSERT_EQ(t.dialogs.messages.size(), 2u);
  EXPECT_EQ(t.dialogs.messages[1].buttons, MessageButtons::RetryCancel);
  EXPECT_NE(t.dir.Read("qz.ini").find("CurrentUser=Anna"), std::string::npos);  // saved still
}

TEST_F(OptionTest, AnUnreadableGlobalFileIsReportedAndTheLayoutSkipped) {
  std::filesystem::create_directory(t.dir.File("qz.ini"));
  t.dir.Write("qzc.ini", kAnna);
  TFmOption& w = Create();
  w.LoadGlobalSettings();
  EXPECT_FALSE(w.SettingsRead());
  EXPECT_EQ(t.dialogs.Texts(), Names{"File access deniedwhat the problem"});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(w.Learner(), "");
  w.ApplyLayout();
  EXPECT_EQ(targets.calls, Names{"guides"});
}

TEST_F(OptionTest, AHeaderThatLostABracketIsReportedAndTheFileNotSavedOver) {
  const std::string damaged =
      "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\n[LAYOUTFILENAMES\r\nS1=us.key\r\nS2=uk.key\r\n"
      "[SETTING]\r\npassword=secret\r\nCurrentUser=Anna\r\n";
  TFmOption& w = StartWith(damaged, kAnna);
  EXPECT_FALSE(w.SettingsRead());
  EXPECT_EQ(t.dialogs.Texts(), Names{"A section name in " + t.dir.File("qz.ini") +
                                     " lacks a bracket: \"[LAYOUTFILENAMES\". The keyboard "
                                     "layouts are neither read nor saved until it is mended.\n"
                                     "what the problem"});
  w.SaveOnShutdown();
  EXPECT_EQ(t.dir.Read("qz.ini"), damaged);
  EXPECT_NE(Section("Anna").find("currentlayout=1\r\n"), std::string::npos);  // as read
  // The first header damaged: its entries stand before any section.
  t.dir.Write("qz.ini", "LAYOUTNAMES]\r\nS1=US\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\n");
  w.LoadGlobalSettings();
  EXPECT_FALSE(w.SettingsRead());
}

TEST_F(OptionTest, AFailedLayoutLoadIsReportedAndFontsAreStillApplied) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  targets.calls.clear();
  targets.layoutError = "File not found";
  w.ApplyLayout();
  EXPECT_EQ(t.dialogs.Texts(),
            Names{"File not found what loading keyboard (uk.key in " + t.dir.path() + ")"});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_FALSE(w.SettingsRead());
  EXPECT_EQ(targets.calls, (Names{"read " + t.dir.File("uk.key"), "font 14 Arial", "guides"}));
}

TEST_F(OptionTest, ALayoutIndexOutsideTheListTakesTheFirstLayout) {
  TFmOption& w = StartWith(kTwoLayouts, "[Anna]\r\ncurrentlayout=2\r\n");
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->currentIndex(), 0);
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(), "us.key");
  targets.calls.clear();
  w.ApplyLayout();
  EXPECT_EQ(targets.calls.front(), "read " + t.dir.File("us.key"));

  // With no layout registered there is none to take: nothing is loaded, nothing said.
  StartWith("[SETTING]\r\nCurrentUser=Anna\r\n", "[Anna]\r\ncurrentlayout=-1\r\n");
  EXPECT_EQ(Control<QComboBox>(*window, "ComboBox1")->currentIndex(), -1);
  targets.calls.clear();
  window->ApplyLayout();
  EXPECT_TRUE(window->SettingsRead());
  EXPECT_EQ(targets.calls, (Names{"font 12 MS Sans Serif", "guides"}));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(OptionTest, PracticeWindowsAreFittedToTheScreen) {
  struct Case {
    int fontSize;
    int screen;
    bool widened;
    int sizeAfter;
  };
  for (const Case c : {Case{24, 800, true, 24}, Case{26, 640, true, 20}, Case{30, 700, true, 30},
                       Case{18, 640, false, 18}, Case{30, 800, true, 28}, Case{21, 641, true, 21},
                       Case{19, 1024, true, 19}}) {
    TFmOption& w = StartWith(kTwoLayouts,
                             "[Anna]\r\nfontsize=" + std::to_string(c.fontSize) + "\r\n", c.screen);
    targets.calls.clear();
    w.FitPracticeWindows();
    const Names widened{"widen " + std::to_string(c.screen - 10) + " on " +
                        std::to_string(c.screen)};
    EXPECT_EQ(targets.calls, c.widened ? widened : Names{}) << c.fontSize << " on " << c.screen;
    EXPECT_EQ(w.PracticeFontSize(), c.sizeAfter) << c.fontSize << " on " << c.screen;
  }
}

TEST_F(OptionTest, TheCappedSizeIsWrittenAtTheNextSave) {
  TFmOption& w = StartWith(kTwoLayouts, "[Anna]\r\nfontsize=26\r\n", 640);
  w.ApplyLayout();
  w.SaveUserSettings();
  EXPECT_NE(Section("Anna").find("fontsize=20\r\n"), std::string::npos);
}

TEST_F(OptionTest, AChosenFontShowsInTheExampleAndReachesPracticeOnlyThroughOk) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  Font chosen;
  chosen.face = "Courier New";
  chosen.SetSize(24);
  t.dialogs.fonts.push_back(chosen);
  targets.calls.clear();
  Control<QPushButton>(w, "BnFont")->click();
  ASSERT_EQ(t.dialogs.fontsOffered.size(), 1u);
  EXPECT_EQ(t.dialogs.fontsOffered[0].face, "Arial");
  EXPECT_EQ(t.dialogs.fontsOffered[0].size, 14);
  EXPECT_EQ(t.dialogs.fontSizesOffered[0], std::make_pair(0, 24));
  EXPECT_EQ(w.PracticeFontSize(), 24);
  EXPECT_EQ(w.PracticeFontName(), "Courier New");
  EXPECT_EQ(Control<QLineEdit>(w, "ExampleEd")->font().pointSize(), 24);
  EXPECT_EQ(Control<QLineEdit>(w, "ExampleEd")->font().family(), "Courier New");
  Control<QPushButton>(w, "BnCancel")->click();
  EXPECT_TRUE(targets.calls.empty());
  w.SaveOnShutdown();
  EXPECT_NE(Section("Anna").find("fontname=Courier New\r\ncurrentlayout=1\r\nenablegame=0\r\n"
                                 "fontsize=24\r\n"),
            std::string::npos);

  t.dialogs.fonts.push_back(std::nullopt);  // cancelled: nothing changes
  Control<QPushButton>(w, "BnFont")->click();
  EXPECT_EQ(w.PracticeFontSize(), 24);
  EXPECT_EQ(t.dialogs.fontLooksOffered[0], FontLooks::None);

  chosen.SetSize(0);  // the default size: kept as 0, shown at 12 points
  t.dialogs.fonts.push_back(chosen);
  Control<QPushButton>(w, "BnFont")->click();
  EXPECT_EQ(Control<QLineEdit>(w, "ExampleEd")->font().pointSize(), 12);
  w.SaveOnShutdown();
  w.LoadUserSettings(false);
  EXPECT_EQ(w.PracticeFontSize(), 0);
}

TEST_F(OptionTest, AChosenColourShowsInTheSwatch) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  t.dialogs.colors.push_back(Color{0x0000FF});
  Control<QPushButton>(w, "BnBlinkingcolor")->click();
  EXPECT_EQ(t.dialogs.colorsOffered, std::vector<Color>{65280});
  EXPECT_EQ(w.KeyBlinkingColor(), 0x0000FFu);
  EXPECT_EQ(Control<QLabel>(w, "ColorLb")->palette().color(QPalette::Window), QColor(255, 0, 0));
  t.dialogs.colors.push_back(std::nullopt);
  Control<QPushButton>(w, "BnBlinkingcolor")->click();
  EXPECT_EQ(w.KeyBlinkingColor(), 0x0000FFu);
}

TEST_F(OptionTest, PickingALayoutShowsItsFile) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  Control<QComboBox>(w, "ComboBox1")->setCurrentIndex(0);
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(),
            "uk.key");  // the program's own selection changes nothing
  w.ComboBox1Change();
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(), "us.key");
}

TEST_F(OptionTest, PickingTheGermanLayoutOffersItsCourseAndTextsOnce) {
  for (const char* name : {"de.key", "QZCOURSE-DE.TXT", "qz-de.txt", "qzgame-de.txt",
                           "qzcourse.txt", "qz.txt", "qzgame.txt"})
    t.dir.Write(name, "line\r\n");
  TFmOption& w = StartWith(
      "[LAYOUTNAMES]\r\nS1=US\r\nS2=German QWERTZ\r\n"
      "[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=de.key\r\n[SETTING]\r\nCurrentUser=Anna\r\n",
      kAnna);
  auto* layouts = Control<QComboBox>(w, "ComboBox1");
  const auto chosen = [&] {
    return Names{Text(Control<QComboBox>(w, "CourseComboBox")),
                 Text(Control<QComboBox>(w, "SentenceComboBox")),
                 Text(Control<QComboBox>(w, "GameComboBox"))};
  };
  const Names english = chosen();
  t.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
  layouts->setCurrentIndex(1);
  w.ComboBox1Change();  // No: nothing changes
  EXPECT_EQ(chosen(), english);
  w.ComboBox1Change();  // Yes
  EXPECT_EQ(t.dialogs.Texts(), Names(2, "Use the German course and texts as well?"));
  EXPECT_EQ(chosen(), (Names{"QZCOURSE-DE.TXT", "qz-de.txt", "qzgame-de.txt"}));
  w.ComboBox1Change();  // chosen already: no question
  w.BnSaveClick();
  EXPECT_NE(Section("Anna").find("coursetext=QZCOURSE-DE.TXT\r\npracticetext=qz-de.txt\r\n"
                                 "gametext=qzgame-de.txt\r\n"),
            std::string::npos);
  // Back to the US layout: its own course and texts are offered in turn.
  t.dialogs.answers = {MessageAnswer::Yes};
  layouts->setCurrentIndex(0);
  w.ComboBox1Change();
  EXPECT_EQ(t.dialogs.Texts().back(), "Use the English course and texts as well?");
  EXPECT_EQ(chosen(), (Names{"qzcourse.txt", "qz.txt", "qzgame.txt"}));

  // A new learner's texts follow his layout, the first registered one.
  TFmOption& newcomer =
      StartWith("[LAYOUTNAMES]\r\nS1=German\r\n[LAYOUTFILENAMES]\r\nS1=de.key\r\n", kAnna);
  EXPECT_EQ(Text(Control<QComboBox>(newcomer, "GameComboBox")), "qzgame-de.txt");

  std::filesystem::remove(t.dir.File("qzgame-de.txt"));  // not all three: no question
  TFmOption& again = StartWith(t.dir.Read("qz.ini"), kAnna);
  Control<QComboBox>(again, "ComboBox1")->setCurrentIndex(1);
  again.ComboBox1Change();
  EXPECT_EQ(t.dialogs.Texts().size(), 3u);
}

TEST_F(OptionTest, RegisteringNeedsANameAndAFileAndAppendsTheLayout) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  Control<QPushButton>(w, "BnRegister")->click();  // neither name nor file
  Control<QLineEdit>(w, "EdLayoutName")->setText("  ");
  Control<QListWidget>(w, "FileListBox2")->item(0)->setSelected(true);
  Control<QPushButton>(w, "BnRegister")->click();  // a name of spaces is no name
  Control<QLineEdit>(w, "EdLayoutName")->setText(" Mine ");
  Control<QListWidget>(w, "FileListBox2")->clearSelection();
  Control<QPushButton>(w, "BnRegister")->click();  // no file selected
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 2);

  Control<QListWidget>(w, "FileListBox2")->item(0)->setSelected(true);
  Control<QPushButton>(w, "BnRegister")->click();
  Control<QPushButton>(w, "BnRegister")->click();  // registered twice, listed twice
  ASSERT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 4);
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->itemText(3), "Mine");
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->currentIndex(), 3);
  EXPECT_EQ(w.RegisteredLayoutFiles(), (Names{"us.key", "uk.key", "uk.key", "uk.key"}));
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(), "uk.key");
  EXPECT_EQ(Control<QLineEdit>(w, "EdLayoutName")->text(), " Mine ");
  Control<QLineEdit>(w, "EdLayoutName")->setText(QString::fromUtf16(u"\u4e2d"));
  Control<QPushButton>(w, "BnRegister")->click();
  EXPECT_EQ(t.dialogs.Texts(),
            Names{"The name contains a character that cannot be stored in the settings files."});
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 4);

  w.SaveGlobalSettings();
  EXPECT_NE(t.dir.Read("qz.ini").find("S3=Mine\r\nS4=Mine\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\n"
                                      "S2=uk.key\r\nS3=uk.key\r\nS4=uk.key\r\n"),
            std::string::npos);
}

TEST_F(OptionTest, ALayoutFileNameThatCannotBeStoredIsNotRegistered) {
  t.dir.Write("a\nb.key", "");
  t.dir.Write(" lead.key", "");  // read back without its space, it would name another file
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  Control<QLineEdit>(w, "EdLayoutName")->setText("Mine");
  for (const char* file : {"a\nb.key", " lead.key"}) {
    Control<QListWidget>(w, "FileListBox2")
        ->findItems(file, Qt::MatchExactly)
        .front()
        ->setSelected(true);
    Control<QPushButton>(w, "BnRegister")->click();
  }
  EXPECT_EQ(t.dialogs.Texts(),
            Names(2, "The name contains a character that cannot be stored in the settings files."));
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 2);
  EXPECT_EQ(w.RegisteredLayoutFiles().size(), 2u);
}

TEST_F(OptionTest, EnterPressesTheFocusedButtonButNoButtonFromATextBox) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  w.show();
  Control<QLineEdit>(w, "EdLayoutName")->setText("Mine");
  Control<QListWidget>(w, "FileListBox2")->item(0)->setSelected(true);
  QTest::keyClick(Control<QLineEdit>(w, "EdLayoutName"), Qt::Key_Return);
  QTest::keyClick(Control<QListWidget>(w, "FileListBox2"), Qt::Key_Return);
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 2);
  EXPECT_TRUE(w.isVisible());
  QTest::keyClick(Control<QPushButton>(w, "BnRegister"), Qt::Key_Return);
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 3);
  QTest::keyClick(Control<QPushButton>(w, "BnCancel"), Qt::Key_Return);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(OptionTest, UnregisteringRemovesTheSelectedLayoutAndSelectsTheFirst) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  Control<QPushButton>(w, "BnDeleteReg")->click();
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->count(), 1);
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->itemText(0), "US");
  EXPECT_EQ(w.RegisteredLayoutFiles(), Names{"us.key"});
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->currentIndex(), 0);
  EXPECT_EQ(Control<QLabel>(w, "LbLayoutFileName")->text(),
            "uk.key");  // the label is left as it was
  Control<QPushButton>(w, "BnDeleteReg")->click();
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->currentIndex(), -1);
  EXPECT_TRUE(w.RegisteredLayoutFiles().empty());
  Control<QPushButton>(w, "BnDeleteReg")->click();  // nothing selected: nothing happens
  EXPECT_TRUE(t.dialogs.messages.empty());
  w.SaveUserSettings();
  EXPECT_NE(Section("Anna").find("currentlayout=-1\r\n"), std::string::npos);
}

TEST_F(OptionTest, AStoredIndexAfterAnUnregisteredLayoutPointsOneFurther) {
  const std::string threeLayouts =
      "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\nS3=DE\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\n"
      "S2=uk.key\r\nS3=de.key\r\n[SETTING]\r\nCurrentUser=Bob\r\n";
  TFmOption& w = StartWith(threeLayouts, std::string(kAnna) + "[Bob]\r\ncurrentlayout=0\r\n");
  Control<QComboBox>(w, "ComboBox1")->setCurrentIndex(0);
  Control<QPushButton>(w, "BnDeleteReg")->click();
  w.SaveGlobalSettings();
  targets.picked = "Anna";
  w.ReloadSettings();  // Anna's stored 1 now names what was the third layout
  EXPECT_EQ(Control<QComboBox>(w, "ComboBox1")->currentText(), "DE");
}

TEST_F(OptionTest, AddingALearnerWritesTheWindowsValuesAndCloses) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna + std::string("[carl]\r\nProgress=1\r\n"));
  t.dialogs.fonts.push_back([] {
    Font f;
    f.face = "Times New Roman";
    f.SetSize(16);
    return f;
  }());
  Control<QPushButton>(w, "BnFont")->click();  // not confirmed with OK, still taken over
  t.context.showModal(w);
  Control<QComboBox>(w, "UsersComboBox")->setEditText("  Bea  ");
  Control<QPushButton>(w, "AddUserBn")->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(t.dialogs.Texts(), Names{"The new user will have the settings of the current user. "
                                     "Please restart the program."});
  EXPECT_EQ(Section("Bea"),
            "[Bea]\r\nProgress=0\r\nTimeTotal=5\r\ncoursetext=qzcourse.txt\r\n"
            "practicetext=qz.txt\r\ngametext=qzgame.txt\r\nfontname=Times New Roman\r\n"
            "currentlayout=1\r\nenablegame=0\r\nfontsize=16\r\nblinkingcolor=65280\r\n");
  ASSERT_EQ(Control<QComboBox>(w, "UsersComboBox")->count(), 3);
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->itemText(1), "Bea");
  EXPECT_EQ(targets.pickerNames, (Names{"Anna", "carl"}));  // the picker waits for a restart
}

TEST_F(OptionTest, AddingAnEmptyExistingOrBrokenNameWritesNothing) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  const std::string before = t.dir.Read("qzc.ini");
  for (const char* name : {"", "   ", "aNNA"}) {
    t.context.showModal(w);
    Control<QComboBox>(w, "UsersComboBox")->setEditText(name);
    Control<QPushButton>(w, "AddUserBn")->click();
    EXPECT_FALSE(w.isVisible()) << name;
  }
  EXPECT_TRUE(t.dialogs.messages.empty());
  Control<QComboBox>(w, "UsersComboBox")->setEditText("a]b");
  Control<QPushButton>(w, "AddUserBn")->click();
  Control<QComboBox>(w, "UsersComboBox")->setEditText(QString::fromUtf16(u"\u0416enya"));
  Control<QPushButton>(w, "AddUserBn")->click();
  Control<QComboBox>(w, "UsersComboBox")
      ->setEditText("'Bob'");  // never found again as the last learner
  Control<QPushButton>(w, "AddUserBn")->click();
  EXPECT_EQ(t.dialogs.Texts(),
            (Names{"A learner name cannot contain \"]\", a line break or another control "
                   "character.",
                   "The name contains a character that cannot be stored in the settings files.",
                   "A learner name cannot begin and end with the same quote."}));
  EXPECT_EQ(t.dir.Read("qzc.ini"), before);
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->count(), 1);

  // Added by another instance since the list was read: listed, their progress kept.
  t.dir.Write("qzc.ini", before + "[Kim]\r\nProgress=2\r\n");
  Control<QComboBox>(w, "UsersComboBox")->setEditText("kim");
  Control<QPushButton>(w, "AddUserBn")->click();
  EXPECT_EQ(t.dir.Read("qzc.ini"), before + "[Kim]\r\nProgress=2\r\n");
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->itemText(1), "Kim");
}

TEST_F(OptionTest, DeletingALearnerErasesTheSectionButNeverTheCurrentOne) {
  TFmOption& w = StartWith(kTwoLayouts, std::string(kAnna) +
                                            "[Bob]\r\nProgress=1\r\n"
                                            "[x]\r\ny=1\r\n[BOB]\r\nz=2\r\n");
  t.context.showModal(w);
  Control<QComboBox>(w, "UsersComboBox")->setEditText("ANNA");
  Control<QPushButton>(w, "DeleteUsreBn")->click();
  EXPECT_EQ(t.dialogs.Texts(), Names{"Please don't delete current user."});
  EXPECT_NE(t.dir.Read("qzc.ini").find("[Anna]"), std::string::npos);

  Control<QComboBox>(w, "UsersComboBox")->setEditText("");
  Control<QPushButton>(w, "DeleteUsreBn")->click();  // nothing
  const std::string before = t.dir.Read("qzc.ini");
  Control<QComboBox>(w, "UsersComboBox")->setEditText("bob");
  targets.practising = "bob";  // in another instance, which would write Bob's section anew
  Control<QPushButton>(w, "DeleteUsreBn")->click();
  EXPECT_EQ(t.dialogs.Texts().back(),
            "bob is practising in another window of the program and cannot be deleted now.");
  t.dialogs.messages.pop_back();
  targets.practising.clear();
  t.dialogs.answers = {MessageAnswer::No};
  Control<QPushButton>(w, "DeleteUsreBn")->click();  // asked first
  ASSERT_EQ(t.dialogs.messages.size(), 2u);
  EXPECT_EQ(t.dialogs.messages[1].text,
            "Delete the learner \"Bob\"? The course position, practice time and settings of "
            "this learner will be lost.");
  EXPECT_EQ(t.dialogs.messages[1].buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_EQ(t.dir.Read("qzc.ini"), before);
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->currentText(), "bob");

  t.dialogs.answers = {MessageAnswer::Yes};
  Control<QPushButton>(w, "DeleteUsreBn")->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(t.dir.Read("qzc.ini"), std::string(kAnna) + "[x]\r\ny=1\r\n");
  ASSERT_EQ(Control<QComboBox>(w, "UsersComboBox")->count(), 2);
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->itemText(1), "x");
  EXPECT_EQ(Control<QComboBox>(w, "UsersComboBox")->currentText(), "");
  EXPECT_EQ(t.dialogs.messages.size(), 3u);
  // Only the learner erased loses their practice history, and only once the question is answered.
  EXPECT_EQ(std::count(targets.calls.begin(), targets.calls.end(), "forget ANNA"), 0);
  EXPECT_EQ(std::count(targets.calls.begin(), targets.calls.end(), "forget bob"), 1);
  EXPECT_EQ(targets.calls.back(), "forget bob");
}

TEST_F(OptionTest, ThePasswordGateOpensTheDesignerOnlyForTheExactPassword) {
  TFmOption& w = StartWith("[SETTING]\r\npassword=Secret1234XY\r\nCurrentUser=Anna\r\n", kAnna);
  EXPECT_EQ(w.Password(), "Secret1234");
  w.move(100, 50);
  t.dir.Write("new.key", "");  // as if saved in the designer
  for (const char* wrong : {"", "secret1234", "Secret1234XY", "Secret123"}) {
    Control<QLineEdit>(passwordDlg, "Password")->setText(wrong);
    Control<QPushButton>(w, "BnAdvancedFunctions")->click();
  }
  EXPECT_EQ(t.modalShown.size(), 4u);
  EXPECT_FALSE(Control<QCheckBox>(w, "EnableGameCheckbox")->isEnabled());
  EXPECT_EQ(Control<QListWidget>(w, "FileListBox2")->count(), 2);
  EXPECT_EQ(Control<QLineEdit>(passwordDlg, "Password")->text(),
            "Secret123");  // what was typed stays
  EXPECT_TRUE(t.dialogs.messages.empty());

  Control<QLineEdit>(passwordDlg, "Password")->setText("Secret1234");
  Control<QPushButton>(w, "BnAdvancedFunctions")->click();
  ASSERT_EQ(t.modalShown.size(), 6u);
  EXPECT_EQ(t.modalShown[4], &passwordDlg);
  EXPECT_EQ(t.modalShown[5], &targets.designer);
  EXPECT_EQ(targets.designer.pos(), w.pos() + QPoint(40, 20));
  EXPECT_TRUE(Control<QCheckBox>(w, "EnableGameCheckbox")->isEnabled());
  EXPECT_EQ(Control<QListWidget>(w, "FileListBox2")->count(),
            3);  // re-read when the designer closes
  targets.designer.hide();
}

TEST_F(OptionTest, WithoutAPasswordEvenCancelOnAnEmptyEntryOpensTheDesigner) {
  TFmOption& w = StartWith("", kAnna);
  Control<QPushButton>(passwordDlg, "CancelBtn")->click();
  Control<QPushButton>(w, "BnAdvancedFunctions")->click();
  EXPECT_EQ(t.modalShown.back(), &targets.designer);
  targets.designer.hide();
}

TEST_F(OptionTest, TheGameSwitchDrivesTheGameButton) {
  TFmOption& w = StartWith(kTwoLayouts, kAnna);
  targets.calls.clear();
  Control<QCheckBox>(w, "EnableGameCheckbox")->setEnabled(true);
  Control<QCheckBox>(w, "EnableGameCheckbox")->click();
  Control<QCheckBox>(w, "EnableGameCheckbox")->click();
  EXPECT_EQ(targets.calls, (Names{"game on", "game off"}));
}

TEST_F(OptionTest, TheLayoutPageMakesRoomForALongerCaptionAndCtrlTabTurnsPagesFromAnywhere) {
  struct German final : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
      return QString(source) == "The layout file:" ? "Die ganz lange Belegungsdatei:" : QString();
    }
  } german;
  QCoreApplication::installTranslator(&german);
  TFmOption& w = Create();
  QCoreApplication::removeTranslator(&german);
  EXPECT_GT(Control<QLabel>(w, "LbLayoutFileName")->x(),
            8 + w.fontMetrics().horizontalAdvance("Die ganz lange Belegungsdatei:"));

  // Ctrl+Tab turns the page from a drop-down list too.
  auto* pages = Control<QTabWidget>(w, "PageControl1");
  pages->setCurrentIndex(1);
  QTest::keyClick(Control<QComboBox>(w, "CourseComboBox"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages->currentIndex(), 2);
  QTest::keyClick(Control<QPushButton>(w, "BnSave"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages->currentIndex(), 0);  // from OK, below the pages, too
}
