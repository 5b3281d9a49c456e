// The settings steps of a whole run: start-up in a working folder, the learner picker, the
// layout and texts applied, the practice time report, and the files written at shutdown.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "platform/image_canvas.h"
#include "practice/line_box.h"
#include "settings/settings_store.h"
#include "shell/program.h"
#include "support/controls.h"
#include "support/free_drills.h"
#include "support/test_context.h"

namespace fs = std::filesystem;

namespace {
using Names = std::vector<std::string>;

const std::string kDataDir = std::string(QZ_SOURCE_DIR) + "/data";

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr const char* kGlobal =
    "[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\n[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=UK.KEY\r\n"
    "[SETTING]\r\npassword=pw\r\nCurrentUser=Anna\r\n";
constexpr const char* kLearners =
    "[Anna]\r\nProgress=1\r\nTimeTotal=100\r\n"
    "[Bob]\r\nProgress=2\r\nTimeTotal=1000\r\ncoursetext=course.txt\r\npracticetext=qz.txt\r\n"
    "gametext=words.txt\r\nfontname=Courier New\r\ncurrentlayout=1\r\nenablegame=0\r\n"
    "fontsize=26\r\nblinkingcolor=65280\r\n";

// A run of the program whose start-up panel picks `pick` (or leaves the picker as it is).
struct ProgramRun : ::testing::Test {
  TestContext t;
  const std::string in = " (looked in " + t.dir.path() + ")";  // ends a missing file's message
  std::string pick;
  std::vector<std::string> modal;
  WindowContext context{t.dialogs,
                        [this](QDialog& dialog) {
                          modal.push_back(dialog.objectName().toStdString());
                          auto* picker = dialog.findChild<QComboBox*>("UsersComboBox");
                          if (dialog.objectName() == "AboutBox" && !pick.empty())
                            picker->setCurrentIndex(picker->findText(QString::fromStdString(pick)));
                        },
                        t.clock,
                        t.random,
                        t.shell,
                        t.dir.path()};
  std::unique_ptr<TutorProgram> program;

  void CopyData(const std::string& name) {
    fs::copy_file(kDataDir + "/" + name, t.dir.File(name), fs::copy_options::overwrite_existing);
  }
  void Start(int screenWidth = 1024) {
    t.random.thenAlways = 0;  // which line the sentence drills show first does not matter
    program = std::make_unique<TutorProgram>(context);
    program->FmOption->SetScreenWidthSource([screenWidth] { return screenWidth; });
    program->StartUp();
  }
  // Closing the main menu, the report, the end of the event loop and the teardown.
  void Finish() {
    program->ButtonMenu->show();
    Control<QPushButton>(*program->ButtonMenu, "Button7")->click();
    program->ShutDown();
    program.reset();
  }
  std::string PickerText() {
    return Control<QComboBox>(*program->AboutBox, "UsersComboBox")->currentText().toStdString();
  }
};
}  // namespace

TEST_F(ProgramRun, APickedLearnerIsAppliedAndWrittenBackAtShutdown) {
  CopyData("us.key");
  CopyData("uk.key");
  t.dir.Write("course.txt", "one\r\ntwo\r\nthree\r\nfour\r\n");
  t.dir.Write("qz.txt", "a line\r\n");
  t.dir.Write("words.txt", "word\r\n");
  t.dir.Write("qz.ini", kGlobal);
  t.dir.Write("qzc.ini", kLearners);
  pick = "Bob";
  Start(640);

  EXPECT_EQ(modal, Names{"AboutBox"});
  EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.Texts()[0];
  EXPECT_GT(program->VKeyboard->KeyCount(), 0);
  EXPECT_TRUE(Control<QTimer>(*program->VKeyboard, "TimerofKB")->isActive());
  EXPECT_TRUE(Control<QTimer>(*program->LeftHand, "TimerOfPalm")->isActive());
  EXPECT_EQ(program->VKeyboard->BlinkingColor(), 65280u);
  EXPECT_FALSE(Control<QPushButton>(*program->ButtonMenu, "Button5")->isEnabled());
  EXPECT_EQ(program->FmCoursePrac->GetProgress(), 2);
  EXPECT_EQ(program->FmCoursePrac->Line().SampleLine(), "three");
  EXPECT_EQ(program->FmSentencePrac->Line().SampleLine(), "a line");
  EXPECT_EQ(program->gameFrame->TextFile(), "words.txt");
  // 26 points on a 640-pixel screen: widened first, then capped at 20.
  for (TFmLinePractice* window : {static_cast<TFmLinePractice*>(program->FmLetterPrac.get()),
                                  static_cast<TFmLinePractice*>(program->FmCoursePrac.get()),
                                  static_cast<TFmLinePractice*>(program->FmSentencePrac.get())}) {
    EXPECT_EQ(window->width(), 630);
    EXPECT_EQ(window->x(), 5);
    EXPECT_EQ(Control<LineBox>(*window, "SampleEdit")->font().pointSize(), 20);
    EXPECT_EQ(Control<LineBox>(*window, "RichEdit1")->font().family(), "Courier New");
  }

  PractiseFreeDrills(*program->FmLetterPrac, t, 3725000);
  Finish();
  EXPECT_EQ(t.dialogs.Texts(), Names{"The practice time is 1 h 2 m 5 s, total practice time is "
                                     "1 h 2 m 6 s."});
  EXPECT_EQ(t.dir.Read("qzc.ini"),
            "[Anna]\r\nProgress=1\r\nTimeTotal=100\r\n"
            "[Bob]\r\nProgress=2\r\nTimeTotal=3726000\r\ncoursetext=course.txt\r\n"
            "practicetext=qz.txt\r\ngametext=words.txt\r\nfontname=Courier New\r\n"
            "currentlayout=1\r\nenablegame=0\r\nfontsize=20\r\nblinkingcolor=65280\r\n");
  EXPECT_EQ(t.dir.Read("qz.ini"),
            "[SETTING]\r\npassword=pw\r\nCurrentUser=Bob\r\n[LAYOUTNAMES]\r\nS1=US\r\nS2=UK\r\n"
            "[LAYOUTFILENAMES]\r\nS1=us.key\r\nS2=UK.KEY\r\n");
}

TEST_F(ProgramRun, AFreshFolderRunsAsLearnerAndListsLearnerNextTime) {
  Start();
  EXPECT_EQ(Control<QComboBox>(*program->AboutBox, "UsersComboBox")->count(), 0);
  EXPECT_EQ(program->FmOption->Learner(), "Learner");
  EXPECT_EQ(t.dialogs.Texts(),
            (Names{"The course file may not exist. Please check the Options." + in,
                   "The text file may not exist. Please check the Options." + in}));
  Finish();
  EXPECT_EQ(t.dialogs.Texts().back(),
            "The practice time is 0 h 0 m 0 s, total practice time is 0 h 0 m 0 s.");
  const LearnerSettings saved = ReadLearnerSettings(IniFile(t.dir.File("qzc.ini")), "Learner");
  EXPECT_EQ(saved.TimeTotal, 5);
  EXPECT_EQ(saved.Progress, 0);
  EXPECT_EQ(t.dir.Read("qz.ini"), "[SETTING]\r\npassword=\r\nCurrentUser=Learner\r\n");

  t.dialogs.messages.clear();
  Start();
  EXPECT_EQ(PickerText(), "Learner");
}

TEST_F(ProgramRun, TheShippedFilesStartWithoutASingleWarning) {
  for (const auto& entry : fs::directory_iterator(kDataDir)) CopyData(entry.path().filename());
  Start();
  EXPECT_EQ(PickerText(), "Learner");
  EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.Texts()[0];
  EXPECT_GT(program->VKeyboard->KeyCount(), 0);
  // Windows not shown yet hold no pictures: each takes its memory when first drawn or shown.
  for (const ImageCanvas* canvas :
       {&Control<PaintSurface>(*program->FmTextPrac, "Surface")->canvas(),
        &Control<PaintSurface>(*program->gameFrame, "PaintBox1")->canvas(),
        &program->VKeyboard->KeyboardCanvas(), &program->LeftHand->HandCanvas(),
        &program->RightHand->HandCanvas()}) {
    EXPECT_FALSE(canvas->HasPixels()) << canvas->Width() << "x" << canvas->Height();
  }
  EXPECT_EQ(Control<QComboBox>(*program->FmOption, "ComboBox1")->currentText(), "US QWERTY");
  EXPECT_TRUE(Control<QPushButton>(*program->ButtonMenu, "Button5")->isEnabled());
  // Every layout's course can be picked.
  for (const char* course : {"qzcourse.txt", "qzcourse-uk.txt", "qzcourse-dvorak.txt",
                             "qzcourse-colemak.txt", "qzcourse-de.txt", "qzcourse-fr.txt"}) {
    EXPECT_GE(Control<QComboBox>(*program->FmOption, "CourseComboBox")->findText(course), 0)
        << course;
  }

  // "&OK" in the Options window leads back to the menu, still without a warning.
  Control<QPushButton>(*program->ButtonMenu, "Button6")->click();
  Control<QPushButton>(*program->FmOption, "BnSave")->click();
  EXPECT_FALSE(program->FmOption->isVisible());
  EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.Texts()[0];
}

TEST_F(ProgramRun, WithoutALearnerFileTheNextStartIsAsCleanAsTheFirst) {
  for (const auto& entry : fs::directory_iterator(kDataDir)) CopyData(entry.path().filename());
  fs::remove(t.dir.File("qzc.ini"));
  for (int run = 1; run <= 2; ++run) {
    Start();
    EXPECT_TRUE(t.dialogs.messages.empty()) << run << ": " << t.dialogs.Texts()[0];
    EXPECT_GT(program->VKeyboard->KeyCount(), 0) << run;
    EXPECT_EQ(program->VKeyboard->BlinkingColor(), 255u) << run;
    Finish();
    t.dialogs.messages.clear();
  }
}

TEST_F(ProgramRun, TheShippedFilesAreWhatTheProgramWrites) {
  const IniFile shippedGlobal(kDataDir + "/qz.ini");
  const IniFile shippedLearners(kDataDir + "/qzc.ini");
  IniFile global(t.dir.File("qz.ini"));
  IniFile learners(t.dir.File("qzc.ini"));
  WriteGlobalSettings(global, ReadGlobalSettings(shippedGlobal));
  WriteLearnerSettings(learners, "Learner", ReadLearnerSettings(shippedLearners, "Learner"));
  EXPECT_EQ(t.dir.Read("qz.ini"), ReadBytes(shippedGlobal.Path()));
  EXPECT_EQ(t.dir.Read("qzc.ini"), ReadBytes(shippedLearners.Path()));
  EXPECT_EQ(ReadLearnerNames(shippedLearners), Names{"Learner"});
  for (const std::string& file : ReadGlobalSettings(shippedGlobal).LayoutFileNames)
    EXPECT_TRUE(fs::exists(kDataDir + "/" + file)) << file;
}

TEST_F(ProgramRun, AnUnwritableLearnerFileIsReportedAndTheRunEndsNormally) {
  fs::create_directory(t.dir.File("qzc.ini"));
  t.dir.Write("qz.ini", kGlobal);
  Start();
  EXPECT_EQ(t.dialogs.Texts(),
            (Names{"File access denied", "File access denied",
                   "The course file may not exist. Please check the Options." + in,
                   "The text file may not exist. Please check the Options." + in}));
  t.dialogs.messages.clear();
  t.dialogs.answers = {MessageAnswer::Cancel};  // Retry or Cancel: the folder stays in its place
  Finish();
  ASSERT_EQ(t.dialogs.messages.size(), 2u);
  EXPECT_EQ(t.dialogs.messages[1].text, "Unable to write to " + t.dir.File("qzc.ini") + "\nFile access denied");
  EXPECT_EQ(t.dialogs.messages[1].kind, MessageKind::Error);
  EXPECT_TRUE(fs::is_directory(t.dir.File("qzc.ini")));
  // The learner of the run could not be read, so the run was the default learner's.
  EXPECT_NE(t.dir.Read("qz.ini").find("CurrentUser=Learner\r\n"), std::string::npos);
}

TEST_F(ProgramRun, AnUnreadableGlobalFileSkipsTheLayoutAndTheRestGoesOn) {
  CopyData("us.key");
  fs::create_directory(t.dir.File("qz.ini"));
  t.dir.Write("qzc.ini", "[Learner]\r\ncoursetext=\r\npracticetext=\r\nTimeTotal=7\r\n");
  Start();
  ASSERT_GE(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "File access deniedwhat the problem");
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(program->VKeyboard->KeyCount(), 0);
  EXPECT_TRUE(Control<QTimer>(*program->VKeyboard, "TimerofKB")->isActive());
  EXPECT_EQ(program->FmOption->StoredTotalTime(), 7);
  Finish();  // a file that could not be read is not written either
  EXPECT_TRUE(fs::is_directory(t.dir.File("qz.ini")));
  EXPECT_NE(t.dir.Read("qzc.ini").find("TimeTotal=7\r\n"), std::string::npos);
}
