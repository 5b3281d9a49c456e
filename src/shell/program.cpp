#include "shell/program.h"

#include <QApplication>
#include <QDateTime>
#include <QPushButton>

#include "game/striker_source.h"
#include "keyboard/drill_material.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/platform_choice.h"
#include "platform/rtf_html.h"
#include "platform/translation.h"
#include "settings/settings_keys.h"
#include "shell/time_report.h"

namespace {
// The adaptive lines offered when a course lesson went badly.
constexpr int kOfferedLines = 3;
}  // namespace

TutorProgram::TutorProgram(WindowContext& windowContext)
    : context(windowContext),
      PracticeStopwatch(windowContext.clock),
      learnerLock_(windowContext.workDir + "/qzc.ini.learners.lock") {
  QApplication::setApplicationName(kApplicationTitle);
  Stats = std::make_unique<StatsDatabase>(
      context.workDir + "/" + kStatsFileName, context.dialogs, [this] { return CurrentLearner(); },
      [] {
        const QDateTime now = QDateTime::currentDateTime();
        return WallTime{now.toMSecsSinceEpoch(), int64_t{now.offsetFromUtc()} * 1000};
      });
  ButtonMenu = std::make_unique<TButtonMenu>();
  VKeyboard = std::make_unique<TVKeyboard>(Layout, context.dialogs);
  LeftHand = std::make_unique<TPalmForm>(Layout, HandsFlashPhase, context.dialogs);
  RightHand = std::make_unique<TPalmForm>(Layout, HandsFlashPhase, context.dialogs);
  AboutBox = std::make_unique<TAboutBox>();
  HelpWindow = std::make_unique<THelpWindow>();
  PasswordDlg = std::make_unique<TPasswordDlg>();
  DefineQZ = std::make_unique<TDefineQZ>(context, Layout, *VKeyboard, *LeftHand, *RightHand);

  LeftHand->SetHand(true);
  RightHand->SetHand(false);
  LeftHand->setWindowTitle(QCoreApplication::translate("Shell", "Left"));
  RightHand->setWindowTitle(QCoreApplication::translate("Shell", "Right"));
  RightHand->move(LeftHand->x() + 200, RightHand->y());
  Guides = std::make_unique<GuideWindows>(
      *VKeyboard, *LeftHand, *RightHand,
      GuidesArePopups(QGuiApplication::platformName().toStdString()));

  FmTextPrac = std::make_unique<TFmTextPrac>(context, PracticeStopwatch);
  gameFrame = std::make_unique<TgameFrame>(context);
  FmLinePractice = std::make_unique<TFmLinePractice>(context, *Guides, PracticeStopwatch);
  FmSentencePrac = std::make_unique<TFmSentencePrac>(context, *Guides, PracticeStopwatch);
  FmLetterPrac = std::make_unique<TFmLetterPrac>(context, *Guides, PracticeStopwatch);
  FmCoursePrac = std::make_unique<TFmCoursePrac>(context, *Guides, PracticeStopwatch);
  FmAdaptivePrac = std::make_unique<TFmAdaptivePrac>(
      context, *Guides, PracticeStopwatch,
      AdaptiveSource{[this] { return AdaptiveMaterialNow(); },
                     [this] { return Stats->AttemptLines(CurrentLearner()); },
                     [this] { return FmOption->Goals(); }});
  SettingsLinks = std::make_unique<ProgramSettingsTargets>(*this);
  FmOption = std::make_unique<TFmOption>(context, *SettingsLinks, *PasswordDlg);
  MakeProgress = ModuleProgressFactory(ProgressModuleOfProgram());
  WireMenu();
  WireStatistics();
}

TutorProgram::~TutorProgram() {
  // Reverse creation order; the guides go after the windows that drive them.
  FmProgress.reset();
  FmOption.reset();
  SettingsLinks.reset();
  FmAdaptivePrac.reset();
  FmCoursePrac.reset();
  FmLetterPrac.reset();
  FmSentencePrac.reset();
  FmLinePractice.reset();
  gameFrame.reset();
  FmTextPrac.reset();
  Guides.reset();
  DefineQZ.reset();
  PasswordDlg.reset();
  HelpWindow.reset();
  AboutBox.reset();
  RightHand.reset();
  LeftHand.reset();
  VKeyboard.reset();
  ButtonMenu.reset();
}

int64_t TutorProgram::RunPracticeTime() const {
  return FmCoursePrac->GetPracticeTime() + FmLetterPrac->GetPracticeTime() +
         FmSentencePrac->GetPracticeTime() + FmAdaptivePrac->GetPracticeTime();
}

std::string TutorProgram::CurrentLearner() const {
  return FmOption->Learner().empty() ? settings::kDefaultLearner : FmOption->Learner();
}

void TutorProgram::WireMenu() {
  TButtonMenu& menu = *ButtonMenu;
  menu.guard = [this](const std::function<void()>& action) { Guarded(context.dialogs, action); };
  menu.actions.course = [this] { context.showModal(*FmCoursePrac); };
  menu.actions.sentenceDrills = [this] { context.showModal(*FmSentencePrac); };
  menu.actions.freeDrills = [this] { context.showModal(*FmLetterPrac); };
  menu.actions.adaptiveDrills = [this] {
    FmAdaptivePrac->Start();
    context.showModal(*FmAdaptivePrac);
  };
  menu.actions.paragraphDrills = [this] {
    if (!FmTextPrac->StartDrill()) return;  // nothing to drill
    FmTextPrac->NewPage();
    FmTextPrac->DrawSampleLines();
    context.showModal(*FmTextPrac);
  };
  menu.actions.game = [this] {
    gameFrame->showNormal();  // a minimised game window comes back for the new game
    gameFrame->StartGame();
  };
  menu.actions.options = [this] { context.showModal(*FmOption); };
  menu.actions.progress = [this] {
    if (!FmProgress) {
      FmProgress = MakeProgress(
          context, *Stats, Layout, [this] { return CurrentLearner(); },
          [this](const std::string& learner) { return FmOption->GoalsOf(learner); },
          [this](const std::string& keys) {
            Guarded(context.dialogs, [&] {
              FmProgress->reject();
              FmAdaptivePrac->StartFocusedOn(keys);
              context.showModal(*FmAdaptivePrac);
            });
          });
    }
    FmProgress->Open();
    context.showModal(*FmProgress);
  };
  menu.actions.help = [this] { ShowHelp(); };
  menu.actions.closing = [this] {
    // A game left running is abandoned, not played on unseen behind the report and recorded.
    Guarded(context.dialogs, [&] { gameFrame->StopGame(); });
    context.dialogs.Inform(PracticeTimeReport(RunPracticeTime(), FmOption->GetTotalTime()));
  };
  AboutBox->openDocument = [this](const std::string& address) {
    if (address.empty()) {
      Guarded(context.dialogs, [this] { ShowHelp(true); });
    } else {
      context.shell.Open(address);
    }
  };
}

void TutorProgram::WireStatistics() {
  FmSentencePrac->SetRecorder(*Stats, PracticeKind::Sentence);
  FmLetterPrac->SetRecorder(*Stats, PracticeKind::Free);
  FmCoursePrac->SetRecorder(*Stats, PracticeKind::Course);
  FmAdaptivePrac->SetRecorder(*Stats, PracticeKind::Adaptive);
  for (TFmLinePractice* window : std::initializer_list<TFmLinePractice*>{
           FmLetterPrac.get(), FmSentencePrac.get(), FmAdaptivePrac.get()}) {
    window->OnLineEnded([this](LineOutcomeKind) { FmOption->SaveProgress(); });
  }
  // A skipped or abandoned line moved the course on and added its time: saved as well.
  FmCoursePrac->OnLineEnded([this](LineOutcomeKind outcome) {
    FmOption->SaveProgress();
    if (outcome == LineOutcomeKind::Completed) OfferAdaptiveLines();
  });
  FmTextPrac->SetRecorder(*Stats);
  gameFrame->SetRecorder(*Stats);
}

void TutorProgram::OfferAdaptiveLines() {
  const std::optional<LessonStart> lesson = FmCoursePrac->ReachedLesson();
  if (!lesson) return;
  const std::string weak = KeysFarFromMastery(MasteryOf(Stats->AttemptLines(CurrentLearner())),
                                              lesson->previousKeys, FmOption->Goals());
  if (weak.empty()) return;
  std::string shown;
  for (char key : weak) shown += std::string(shown.empty() ? "" : " ") + key;
  const std::string question = Translated(
      "Shell",
      QT_TRANSLATE_NOOP("Shell",
                        "The last lesson's keys still go wrong often: %1. Practise three lines "
                        "on the keys learned so far?"),
      {shown});
  // No by default: a learner who types on into the next line must not be taken away by Space.
  if (context.dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNoDefaultNo,
                              question) != MessageAnswer::Yes)
    return;
  FmAdaptivePrac->StartOnKeys(lesson->taught, kOfferedLines);
  context.showModal(*FmAdaptivePrac);
  FmCoursePrac->ResumeGuides();
}

AdaptiveMaterial TutorProgram::AdaptiveMaterialNow() const {
  const std::string words =
      ReadWholeFile(ResolvePath(context.workDir, gameFrame->TextFile()), kMaxGameTextBytes);
  const LineText text = ReadLineText(ResolvePath(context.workDir, FmSentencePrac->TextFile()));
  std::vector<std::string> sentences;
  for (int i = 0; i < text.size(); ++i) sentences.push_back(SampleOf(text[i]));
  return MakeAdaptiveMaterial(Layout, WordsOf(ParseGameText(words)), std::move(sentences));
}

void TutorProgram::ShowHelp(bool modal) {
  if (context.shell.Open("qzhelp.chm")) return;
  //: The help file in this language, shipped beside the English qzhelp.rtf.
  const std::string translated = Translated("Shell", QT_TRANSLATE_NOOP("Shell", "qzhelp.rtf"));
  std::vector<std::string> names{translated};
  if (translated != "qzhelp.rtf") names.push_back("qzhelp.rtf");
  for (const std::string& name : names) {
    if (context.shell.Open(name)) return;
  }
  // No application of the desktop shows it: the program's own window does.
  for (const std::string& name : names) {
    const std::string path = ResolvePath(context.workDir, name);
    if (!FileExists(path)) continue;
    HelpWindow->ShowDocument(RtfToHtml(ReadWholeFile(path)));
    if (!HelpWindow->isVisible())
      HelpWindow->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    HelpWindow->show();
    HelpWindow->raise();
    HelpWindow->activateWindow();
    return;
  }
  throw AppError(Translated("Errors", kFileNotFound) + ": " +
                 SystemText(ResolvePath(context.workDir, names.back())));
}

std::string LearnerBusyText(const std::string& name) {
  return BytesOf(QCoreApplication::translate("Shell",
                                             "%1 is practising in another window of the "
                                             "program. Please pick another learner.")
                     .arg(BytesToQString(name)));
}

void TutorProgram::PickLearner() {
  for (;;) {
    Guarded(context.dialogs, [&] { context.showModal(*AboutBox); });
    // Left without OK only when the session ends: nobody is left to pick again.
    const std::string picked = SettingsLinks->PickedName();
    const std::string learner = picked.empty() ? settings::kDefaultLearner : picked;
    learnerHeld_ = learnerLock_.Hold(learner);
    if (learnerHeld_ || AboutBox->result() != QDialog::Accepted) break;
    context.dialogs.Inform(LearnerBusyText(learner));
  }
  AboutBox->ReleaseWindow();
}

void TutorProgram::StartUp() {
  // Each step on its own: a failure is shown and the start-up goes on.
  Guarded(context.dialogs, [&] { FmOption->LoadGlobalSettings(); });
  Guarded(context.dialogs, [&] { FmOption->FillUserLists(); });
  PickLearner();
  Guarded(context.dialogs, [&] { FmOption->LoadUserSettings(true); });
  Guarded(context.dialogs, [&] { FmOption->ApplyLayout(); });
  Guarded(context.dialogs, [&] { FmOption->LoadPracticeTexts(); });
  running_ = true;
}

bool TutorProgram::ShutDown() {
  running_ = false;
  // A game still running ends before any window goes.
  Guarded(context.dialogs, [&] { gameFrame->StopGame(); });
  // The learner's section of qzc.ini, then qz.ini, while every window still exists.
  const bool saved = FmOption->SaveOnShutdown(learnerHeld_);
  // The characters typed since the last record, after the settings: they never wait on it.
  Guarded(context.dialogs, [&] { Stats->FlushLast(); });
  return saved;
}

void TutorProgram::CommitSettings() {
  if (!running_) return;
  FmOption->SaveOnShutdown(learnerHeld_);
  Guarded(context.dialogs, [&] { Stats->Flush(); });  // the session may end right after
}
