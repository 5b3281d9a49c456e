#include "shell/program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <filesystem>

#include "platform/errors.h"
#include "stats/progress_window.h"
#include "support/controls.h"
#include "support/free_drills.h"
#include "support/test_context.h"

namespace {
struct ProgramTest : ::testing::Test {
  TestContext t;
  TutorProgram program{t.context};
};
}  // namespace

TEST_F(ProgramTest, WindowsHaveTheirCaptions) {
  EXPECT_EQ(program.ButtonMenu->windowTitle(), "QZ Typing Tutor");
  EXPECT_EQ(program.VKeyboard->windowTitle(), "Virtual Keyboard");
  EXPECT_EQ(program.LeftHand->windowTitle(), "Left");
  EXPECT_EQ(program.RightHand->windowTitle(), "Right");
  EXPECT_EQ(program.RightHand->x(), program.LeftHand->x() + 200);
  EXPECT_EQ(program.AboutBox->windowTitle(), "About");
  EXPECT_EQ(program.PasswordDlg->windowTitle(), "Password Dialog");
  EXPECT_EQ(program.DefineQZ->windowTitle(), "Define VK & VH");
  EXPECT_EQ(program.FmTextPrac->windowTitle(), "Paragraph Drills");
  EXPECT_EQ(program.gameFrame->windowTitle(), "Game");
  EXPECT_EQ(program.FmLinePractice->windowTitle(), "Line Practice");
  EXPECT_EQ(program.FmSentencePrac->windowTitle(), "Sentence Drills");
  EXPECT_EQ(program.FmLetterPrac->windowTitle(), "Free Drills");
  EXPECT_EQ(program.FmCoursePrac->windowTitle(), "Course");
  EXPECT_EQ(program.FmOption->windowTitle(), "Options");
  EXPECT_EQ(QApplication::applicationName(), "QZ Typing Tutor");
}

TEST_F(ProgramTest, MainMenuButtonsStandInTheirOrder) {
  struct Expected {
    const char* name;
    const char* caption;
    int y;
  };
  const Expected buttons[] = {
      {"Button1", "&Course", 9},
      {"Button3", "&Sentence Drills", 46},
      {"Button2", "&Free Drills", 84},
      {"Button4", "&Paragraph Drills", 121},
      {"Button10", "&Adaptive Drills", 158},
      {"Button5", "&Game", 195},
      {"Button6", "&Options", 232},
      {"Button9", "P&rogress", 270},
      {"Button8", "&Help", 307},
      {"Button7", "&Exit", 344},
  };
  TButtonMenu& menu = *program.ButtonMenu;
  EXPECT_EQ(menu.size(), QSize(198, 385));
  EXPECT_EQ(menu.palette().color(QPalette::Window), QColor(192, 220, 192));
  QWidget* previous = nullptr;
  for (const Expected& expected : buttons) {
    auto* button = menu.findChild<QPushButton*>(expected.name);
    ASSERT_NE(button, nullptr) << expected.name;
    EXPECT_EQ(button->text(), expected.caption);
    EXPECT_EQ(button->geometry(), QRect(8, expected.y, 181, 32));
    EXPECT_EQ(button->font().family(), "Times New Roman");
    EXPECT_EQ(button->font().pixelSize(), 24);
    if (previous) {
      EXPECT_LT(previous->y(), button->y());
    }
    previous = button;
  }
}

TEST_F(ProgramTest, MenuButtonsOpenTheirWindowsModally) {
  Control<QPushButton>(*program.ButtonMenu, "Button2")->click();
  ASSERT_EQ(t.modalShown.size(), 1u);
  EXPECT_EQ(t.modalShown[0], program.FmLetterPrac.get());
  program.FmLetterPrac->hide();
  Control<QPushButton>(*program.ButtonMenu, "Button6")->click();
  EXPECT_EQ(t.modalShown.back(), program.FmOption.get());
  program.FmOption->hide();
}

TEST_F(ProgramTest, EnterOrSpaceOnTheFocusedMenuButtonPressesIt) {
  QTest::keyClick(Control<QPushButton>(*program.ButtonMenu, "Button2"), Qt::Key_Return);
  QTest::keyClick(Control<QPushButton>(*program.ButtonMenu, "Button6"), Qt::Key_Space);
  QTest::keyClick(Control<QPushButton>(*program.ButtonMenu, "Button3"), Qt::Key_Enter,
                  Qt::KeypadModifier);
  const std::vector<QDialog*> shown = {program.FmLetterPrac.get(), program.FmOption.get(),
                                       program.FmSentencePrac.get()};
  EXPECT_EQ(t.modalShown, shown);
  for (QDialog* window : shown) window->hide();
}

TEST_F(ProgramTest, HelpFallsBackToTheRtfDocument) {
  Control<QPushButton>(*program.ButtonMenu, "Button8")->click();
  const std::vector<std::string> both = {"qzhelp.chm", "qzhelp.rtf"};
  EXPECT_EQ(t.shell.opened, both);
  t.shell.opened.clear();
  t.shell.existing = {"qzhelp.chm"};
  Control<QPushButton>(*program.ButtonMenu, "Button8")->click();
  EXPECT_EQ(t.shell.opened, std::vector<std::string>{"qzhelp.chm"});
  QTest::keyClick(Control<QPushButton>(*program.ButtonMenu, "Button2"), Qt::Key_F1);
  EXPECT_EQ(t.shell.opened, (std::vector<std::string>{"qzhelp.chm", "qzhelp.chm"}));
}

TEST_F(ProgramTest, HelpNoApplicationShowsIsShownInTheProgramsOwnWindow) {
  std::string text = "{\\rtf1 {\\b Getting started}\\par ";
  for (int i = 0; i < 200; ++i) text += "More.\\par ";
  t.dir.Write("qzhelp.rtf", text + "}");
  Control<QPushButton>(*program.ButtonMenu, "Button8")->click();
  ASSERT_TRUE(program.HelpWindow->isVisible());
  auto* browser = Control<QTextBrowser>(*program.HelpWindow, "HelpBrowser");
  EXPECT_TRUE(browser->toPlainText().startsWith("Getting started\nMore."));
  QTest::keyClick(browser, Qt::Key_End, Qt::ControlModifier);  // read to the end from the keys
  EXPECT_EQ(browser->verticalScrollBar()->value(), browser->verticalScrollBar()->maximum());
  EXPECT_GT(browser->verticalScrollBar()->value(), 0);
  program.HelpWindow->hide();

  // The start-up panel's link, without a project address built in, opens the help too.
  QTest::mouseClick(Control<QLabel>(*program.AboutBox, "WebLabel"), Qt::LeftButton);
  EXPECT_TRUE(program.HelpWindow->isVisible());
  program.HelpWindow->hide();
  QTest::keyClick(Control<QLabel>(*program.AboutBox, "WebLabel"), Qt::Key_Return);  // a Tab stop
  EXPECT_TRUE(program.HelpWindow->isVisible());
}

TEST_F(ProgramTest, HelpOpensTheLearnersLanguageWhereItIsShipped) {
  struct German : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
      return QString(source) == "qzhelp.rtf" ? "qzhelp-de.rtf" : QString();
    }
  } german;
  QCoreApplication::installTranslator(&german);
  t.shell.existing = {"qzhelp-de.rtf", "qzhelp.rtf"};
  Control<QPushButton>(*program.ButtonMenu, "Button8")->click();
  EXPECT_EQ(t.shell.opened, (std::vector<std::string>{"qzhelp.chm", "qzhelp-de.rtf"}));
  t.shell.opened.clear();
  t.shell.existing = {"qzhelp.rtf"};  // not shipped in German: the English help
  Control<QPushButton>(*program.ButtonMenu, "Button8")->click();
  EXPECT_EQ(t.shell.opened,
            (std::vector<std::string>{"qzhelp.chm", "qzhelp-de.rtf", "qzhelp.rtf"}));
  QCoreApplication::removeTranslator(&german);
}

TEST_F(ProgramTest, ClosingTheMenuReportsThePracticeTimeOnce) {
  program.ButtonMenu->show();
  PractiseFreeDrills(*program.FmLetterPrac, t, 3725000);
  QTest::keyClick(program.ButtonMenu.get(), Qt::Key_Escape);
  EXPECT_FALSE(program.ButtonMenu->isVisible());
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(program.FmOption->GetTotalTime(), program.FmOption->StoredTotalTime() + 3725000);
  EXPECT_EQ(t.dialogs.messages[0].text.substr(0, 41), "The practice time is 1 h 2 m 5 s, total p");
}

TEST_F(ProgramTest, ExitButtonClosesTheMenuWithTheSameReport) {
  program.ButtonMenu->show();
  Control<QPushButton>(*program.ButtonMenu, "Button7")->click();
  EXPECT_FALSE(program.ButtonMenu->isVisible());
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text.substr(0, 34), "The practice time is 0 h 0 m 0 s, ");
}

TEST_F(ProgramTest, ASessionManagersCommitSavesOnlyBetweenStartUpAndShutdown) {
  program.CommitSettings();
  EXPECT_FALSE(std::filesystem::exists(t.dir.File("qzc.ini")));
  program.StartUp();
  PractiseFreeDrills(*program.FmLetterPrac, t, 60000);
  program.CommitSettings();
  EXPECT_NE(t.dir.Read("qzc.ini").find("TimeTotal=60005\r\n"), std::string::npos);
  program.ShutDown();
  std::filesystem::remove(t.dir.File("qzc.ini"));
  program.CommitSettings();
  EXPECT_FALSE(std::filesystem::exists(t.dir.File("qzc.ini")));
}

TEST_F(ProgramTest, AnErrorInAMenuActionIsReportedAndTheProgramGoesOn) {
  program.ButtonMenu->actions.course = [] { throw AppError("File not found"); };
  Control<QPushButton>(*program.ButtonMenu, "Button1")->click();
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "File not found");
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Error);
}

TEST_F(ProgramTest, ACompletedCourseLineIsShownInProgressWhoseWeakKeysArePractised) {
  t.dir.Write("course.txt", "one two\r\nthree\r\n");
  program.FmCoursePrac->SetTextFile("course.txt");
  program.FmCoursePrac->LoadTextFile();
  program.AboutBox->OfferLearners({"Anna"}, 0);
  program.FmOption->LoadUserSettings(false);
  for (char c : std::string("one twx")) program.FmCoursePrac->RichEdit1KeyPress(c);
  t.clock.Advance(1400);
  program.FmCoursePrac->RichEdit1KeyPress(' ');  // ends the line

  const auto results = program.Stats->LastResults("Anna", 0, 10);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].kind, PracticeKind::Course);
  EXPECT_EQ(results[0].typing.courseLine, 1);
  EXPECT_EQ(StatisticsText(results[0].typing.rates), StatusText(*program.FmCoursePrac));
  ASSERT_EQ(program.Stats->Keys("Anna").size(), 6u);  // written with the line: o n e t w space

  // The window linked in, as its module would make it.
  PractiseKeys practise;
  program.MakeProgress = [&practise](WindowContext& context, StatsDatabase& stats,
                                     const LayoutRec& layout, LearnerSource learner,
                                     GoalsSource goals, PractiseKeys action) {
    practise = action;
    return std::make_unique<TFmProgress>(context, stats, layout, std::move(learner),
                                         std::move(goals), std::move(action));
  };
  Control<QPushButton>(*program.ButtonMenu, "Button9")->click();
  ASSERT_EQ(t.modalShown.back(), program.FmProgress.get());
  auto& progress = static_cast<TFmProgress&>(*program.FmProgress);
  ASSERT_EQ(Control<QTableWidget>(progress, "ResultsTable")->rowCount(), 1);
  EXPECT_EQ(Control<QTableWidget>(progress, "ResultsTable")->item(0, 1)->text(), "Course");

  // Its weakest keys are practised in the adaptive drills, which take its place.
  t.dir.Write("qzgame.txt", "one two tone");
  program.FmSentencePrac->SetTextFile("course.txt");
  t.random.values = {7};
  practise("t");
  EXPECT_FALSE(progress.isVisible());
  ASSERT_EQ(t.modalShown.back(), program.FmAdaptivePrac.get());
  EXPECT_EQ(program.FmAdaptivePrac->Drill()->Focus(), 't');

  // Deleting the learner in the Options window takes their history along.
  program.SettingsLinks->LearnerDeleted("ANNA");
  EXPECT_TRUE(program.Stats->Learners().empty());
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ProgramTest, ALessonThatWentBadlyIsFollowedByAnOfferOfAdaptiveLinesOnItsKeys) {
  t.dir.Write("course.txt", "fff jjj fff jjj fff jjj fff jjj\r\nddd kkk\r\n");
  t.dir.Write("qz.txt", "jeff\r\n");
  t.dir.Write("qzgame.txt", "jeff\r\n");
  program.FmSentencePrac->SetTextFile("qz.txt");
  program.FmCoursePrac->SetTextFile("course.txt");
  program.FmCoursePrac->LoadTextFile();
  program.AboutBox->OfferLearners({"Anna"}, 0);
  program.FmOption->LoadUserSettings(false);
  t.dialogs.answers = {MessageAnswer::Yes};
  t.random.values = {1};  // the drill's seed
  for (char c : std::string("fff kkk fff kkk fff kkk fff kkk ")) {
    t.clock.Advance(300);
    program.FmCoursePrac->RichEdit1KeyPress(c);
  }
  EXPECT_EQ(t.dialogs.Texts().back(),
            "The last lesson's keys still go wrong often: j. Practise three lines on the keys "
            "learned so far?");
  EXPECT_EQ(t.dialogs.messages.back().buttons, MessageButtons::YesNoDefaultNo);
  ASSERT_EQ(t.modalShown.back(), program.FmAdaptivePrac.get());
  EXPECT_EQ(program.FmAdaptivePrac->Drill()->Included(), "fj");
  EXPECT_EQ(program.FmAdaptivePrac->Drill()->Focus(), 'j');
}

TEST_F(ProgramTest, WithoutItsModuleProgressSaysWhyEachTimeAndTheMenuGoesOn) {
  const std::string module = t.dir.File(kProgressModuleFile);
  program.MakeProgress = ModuleProgressFactory(module);
  for (int attempt = 1; attempt <= 2; ++attempt) {
    Control<QPushButton>(*program.ButtonMenu, "Button9")->click();
    ASSERT_EQ(t.dialogs.messages.size(), static_cast<size_t>(attempt));
    const std::string& text = t.dialogs.messages.back().text;
    EXPECT_EQ(text.find("The Progress window cannot be opened"), 0u) << text;
    EXPECT_NE(text.find(module + ": cannot open shared object file"), std::string::npos) << text;
    EXPECT_EQ(t.dialogs.messages.back().kind, MessageKind::Error);
  }
  EXPECT_TRUE(t.modalShown.empty());
  EXPECT_EQ(program.FmProgress, nullptr);

  // A file that is there but is not the module: the loader's own words again.
  t.dir.Write(kProgressModuleFile, "not a library");
  Control<QPushButton>(*program.ButtonMenu, "Button9")->click();
  ASSERT_EQ(t.dialogs.messages.size(), 3u);
  EXPECT_NE(t.dialogs.messages.back().text.find(module + ": file too short"), std::string::npos)
      << t.dialogs.messages.back().text;
  EXPECT_TRUE(t.modalShown.empty());
}
