#pragma once
// The program's windows, created once in their fixed order and destroyed in reverse order,
// and the start-up and shutdown sequences that wire them together.
#include <memory>

#include "game/game_frame.h"
#include "keyboard/designer.h"
#include "keyboard/flash_phase.h"
#include "keyboard/guide_windows.h"
#include "keyboard/layout.h"
#include "keyboard/palm.h"
#include "keyboard/vkeyboard.h"
#include "platform/name_lock.h"
#include "platform/window_context.h"
#include "practice/adaptive_prac.h"
#include "practice/course_prac.h"
#include "practice/letter_prac.h"
#include "practice/line_practice.h"
#include "practice/sentence_prac.h"
#include "practice/stopwatch.h"
#include "practice/text_prac.h"
#include "settings/option.h"
#include "settings/password_dlg.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/main_menu.h"
#include "shell/settings_adapter.h"
#include "stats/progress_loader.h"
#include "stats/stats_database.h"

inline constexpr const char* kApplicationTitle = "QZ Typing Tutor";

class TutorProgram {
 public:
  // Creates every window (start-up steps 1 to 5).
  explicit TutorProgram(WindowContext& context);
  ~TutorProgram();
  TutorProgram(const TutorProgram&) = delete;
  TutorProgram& operator=(const TutorProgram&) = delete;

  // Start-up steps 6 to 11: settings, the learner picker, the layout and the texts.
  void StartUp();
  // After the event loop: the settings are written before any window goes. False when one of
  // the settings files stayed unsaved.
  bool ShutDown();
  // The settings written now, as at shutdown, if the learner's settings have been read and
  // not yet written for the last time (a session manager's request at logout).
  void CommitSettings();

  // The sum of this run's practice time in the course, free and sentence drills.
  int64_t RunPracticeTime() const;

  WindowContext& context;
  stopwatch PracticeStopwatch;
  // The one keyboard layout; the keyboard, the hands and the designer work on it.
  LayoutRec Layout;
  // The blink phase both hand windows share.
  FlashPhase HandsFlashPhase;
  // The practice history; it outlives every window that records into it.
  std::unique_ptr<StatsDatabase> Stats;
  bool PractisingElsewhere(const std::string& name) const {
    return learnerLock_.HeldElsewhere(name);
  }

  // Windows in creation order.
  std::unique_ptr<TButtonMenu> ButtonMenu;
  std::unique_ptr<TVKeyboard> VKeyboard;
  std::unique_ptr<TPalmForm> LeftHand;
  std::unique_ptr<TPalmForm> RightHand;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<THelpWindow> HelpWindow;
  std::unique_ptr<TPasswordDlg> PasswordDlg;
  std::unique_ptr<TDefineQZ> DefineQZ;
  std::unique_ptr<GuideWindows> Guides;
  std::unique_ptr<TFmTextPrac> FmTextPrac;
  std::unique_ptr<TgameFrame> gameFrame;
  std::unique_ptr<TFmLinePractice> FmLinePractice;
  std::unique_ptr<TFmSentencePrac> FmSentencePrac;
  std::unique_ptr<TFmLetterPrac> FmLetterPrac;
  std::unique_ptr<TFmCoursePrac> FmCoursePrac;
  std::unique_ptr<TFmAdaptivePrac> FmAdaptivePrac;
  // What the Options window reaches of the other windows; it goes after the Options window.
  std::unique_ptr<ProgramSettingsTargets> SettingsLinks;
  std::unique_ptr<TFmOption> FmOption;
  // Beyond the fixed order: made the first time it is opened, by MakeProgress (which loads
  // its module beside the program). It reads the history, so it goes first.
  ProgressFactory MakeProgress;
  std::unique_ptr<ProgressWindow> FmProgress;

 private:
  // The learner of this run, whose practice is recorded.
  std::string CurrentLearner() const;
  void WireMenu();
  // The adaptive drills' material: the layout, the learner's game text and practice text.
  AdaptiveMaterial AdaptiveMaterialNow() const;
  // At a course lesson's first line: when the previous lesson's keys went badly, a few
  // adaptive lines on the keys learned so far, if the learner wants them.
  void OfferAdaptiveLines();
  // The help file opened by the desktop, or shown in the program's own window where no
  // application of the desktop takes it.
  // modal: above the modal start-up panel, which takes no input until the help is closed.
  void ShowHelp(bool modal = false);
  void WireStatistics();
  // The start-up panel until it is left with a learner no other instance runs for.
  void PickLearner();
  bool running_ = false;  // from the end of the start-up to the shutdown
  // The learner of this run, held against other instances in the same working folder.
  NameLock learnerLock_;
  // False when the session ended at the start-up panel while another instance ran for the
  // learner picked: that learner's section is then left to the other instance.
  bool learnerHeld_ = false;
};

// "<name> is practising in another window of the program. Please pick another learner."
std::string LearnerBusyText(const std::string& name);
