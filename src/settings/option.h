#pragma once
// TFmOption, the Options window: the owner of every setting. It reads and writes qz.ini and
// qzc.ini (and nothing else does), keeps the settings in memory and in its controls, manages
// learners and registered layouts, and applies the settings to the other windows through
// SettingsTargets: the layout to the keyboard and hands, the font and width to the practice
// windows, the text files to the practice and game windows, the game switch to the menu.
//
// Invariant: ComboBox1 holds as many layout names as LayoutFileNames holds files, entry k of
// both describing the same layout.
#include <QCoreApplication>
#include <QDialog>
#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/colors.h"
#include "platform/font.h"
#include "platform/ini_file.h"
#include "platform/window_context.h"
#include "practice/key_mastery.h"
#include "settings/password_dlg.h"
#include "settings/settings_targets.h"

class QCheckBox;
class QKeyEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

inline constexpr const char* kWhatTheProblem = QT_TRANSLATE_NOOP("Options", "what the problem");
inline constexpr const char* kWhatLoadingKeyboard =
    QT_TRANSLATE_NOOP("Options", " what loading keyboard");
// Appended to the above: the layout file and its folder (the file may be there, but damaged).
inline constexpr const char* kLayoutFileIn = QT_TRANSLATE_NOOP("Options", " (%1 in %2)");
inline constexpr const char* kCourseFileMissing =
    QT_TRANSLATE_NOOP("Options", "The course file may not exist. Please check the Options.");
inline constexpr const char* kTextFileMissing =
    QT_TRANSLATE_NOOP("Options", "The text file may not exist. Please check the Options.");
// Appended to the three above: the folder the file was looked for in.
inline constexpr const char* kLookedIn = QT_TRANSLATE_NOOP("Options", " (looked in %1)");
inline constexpr const char* kNewUserAdded = QT_TRANSLATE_NOOP(
    "Options",
    "The new user will have the settings of the current user. Please restart the program.");
inline constexpr const char* kDontDeleteCurrentUser =
    QT_TRANSLATE_NOOP("Options", "Please don't delete current user.");
inline constexpr const char* kLearnerPractising = QT_TRANSLATE_NOOP(
    "Options", "%1 is practising in another window of the program and cannot be deleted now.");
// The question before a learner's section is erased.
std::string DeleteLearnerQuestion(const std::string& name);
inline constexpr const char* kNameNotStorable = QT_TRANSLATE_NOOP(
    "Options", "The name contains a character that cannot be stored in the settings files.");

class TFmOption : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TFmOption)

 public:
  // The working folder is context.workDir; passwordDlg guards the designer.
  TFmOption(WindowContext& context, SettingsTargets& targets, TPasswordDlg& passwordDlg,
            QWidget* parent = nullptr);

  // The settings stores.
  void LoadGlobalSettings();
  void SaveGlobalSettings();
  void FillUserLists();
  void LoadUserSettings(bool atStartup);
  void SaveUserSettings();
  // The learner's stored time plus this run's, in ms (at most 2147483647).
  int GetTotalTime();
  // The last saving, after the event loop: the learner's section (unless withLearner is
  // false), then qz.ini. A failure is shown with its reason and Retry, and does not keep the
  // other file from being written. False when a file stayed unsaved.
  bool SaveOnShutdown(bool withLearner = true);
  // The learner's section after every line ended, as at shutdown, so that a lost display,
  // a crash or a kill loses at most the line being typed. A failure offers Retry.
  void SaveProgress();

  // Applying the settings to the other windows.
  void ApplyLayout();
  void LoadLayoutFile();
  void FitPracticeWindows();
  void ApplyPracticeFont();
  void LoadPracticeTexts();
  void ReloadSettings();

  void AddUser();
  // name into the learner picker's list, in its sorted place.
  void ListLearner(const std::string& name);
  void DeleteUser();

  // Event handlers.
  void FormCreate();
  void BnSaveClick();
  void BnCancelClick();
  void ComboBox1Change();
  void BnRegisterClick();
  void BnDeleteRegClick();
  void EnableGameCheckboxClick();
  void BnFontClick();
  void BnBlinkingcolorClick();
  void AddUserBnClick();
  void DeleteUsreBnClick();
  void BnAdvancedFunctionsClick();

  // What the window holds in memory.
  const std::string& Learner() const { return CurrentUser; }
  bool SettingsRead() const { return SettingsOk; }
  int PracticeFontSize() const { return FontSize; }
  const std::string& PracticeFontName() const { return FontName; }
  Color KeyBlinkingColor() const { return BlinkingColor; }
  MasteryGoals Goals() const { return goals_; }
  // Another learner's goals as his section holds them (the defaults where it cannot be read).
  MasteryGoals GoalsOf(const std::string& learner) const;
  const std::string& Password() const { return DesignerPassword; }
  const std::vector<std::string>& RegisteredLayoutFiles() const { return LayoutFileNames; }
  // The learner's total practice time as read at start-up, in ms.
  int64_t StoredTotalTime() const { return TimeTotalBase; }

  // Width of the screen in pixels: the primary screen's unless replaced (for tests).
  void SetScreenWidthSource(std::function<int()> screenWidth) {
    ScreenWidth = std::move(screenWidth);
  }

 protected:
  // Ctrl+Tab and Ctrl+Shift+Tab turn the page from OK and Cancel too, which lie outside it.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int FontSize;
  std::string FontName;
  Color BlinkingColor;
  std::string CurrentUser;
  std::string DesignerPassword;
  std::vector<std::string> LayoutFileNames;
  bool SettingsOk = false;
  // False while qz.ini could not be read: it is not saved over then, and the learner keeps the
  // layout index read for him.
  bool globalRead_ = true;
  int readLayout_ = 0;
  int64_t TimeTotalBase = 0;      // may exceed what a save stores (2147483647)
  int64_t SavedPracticeTime = 0;  // of this run's practice time, what the file holds already
  std::function<int()> ScreenWidth;
  MasteryGoals goals_;  // the spin boxes' values are taken by OK only

  // The choosers the window owns; they open with these values.
  struct FontChooser {
    Font font;
    int minSize;
    int maxSize;
  } FontDialog1;
  struct ColorChooser {
    Color color;
  } ColorDialog1;

  // Controls, named as designed.
  QTabWidget* PageControl1;
  QPushButton* BnSave;
  QPushButton* BnCancel;
  // "General"
  QGroupBox* GroupBox4;
  QPushButton* BnBlinkingcolor;
  QLabel* ColorLb;
  QPushButton* BnFont;
  QLineEdit* ExampleEd;
  QCheckBox* EnableGameCheckbox;
  QGroupBox* GroupBox5;
  QComboBox* UsersComboBox;
  QPushButton* AddUserBn;
  QPushButton* DeleteUsreBn;
  QSpinBox* SpinGoalErrors;
  QSpinBox* SpinGoalSpeed;
  // "Practice Contents"
  QComboBox* CourseComboBox;
  QComboBox* SentenceComboBox;
  QComboBox* GameComboBox;
  QLabel* Label7;
  QListWidget* FileListBox1;  // hidden: the *.txt files of the working folder
  // "Keyboard Layout"
  QComboBox* ComboBox1;
  QLabel* LbLayoutFileName;
  QPushButton* BnDeleteReg;
  QGroupBox* GroupBox2;
  QLineEdit* EdLayoutName;
  QListWidget* FileListBox2;
  QPushButton* BnRegister;
  QPushButton* BnAdvancedFunctions;

  // Runs save until it succeeds (true) or the learner gives up on the error it reports.
  bool SaveWithRetry(const std::function<void()>& save);
  void BuildGeneralPage(QWidget* page);
  void BuildContentsPage(QWidget* page);
  void BuildLayoutPage(QWidget* page);
  // Runs a handler inside the general error report.
  void Connect(QPushButton* button, void (TFmOption::*handler)());
  void ReadLayoutFileList();
  void ShowFontAndColor();
  void ShowExampleFont();
  void ShowColor();
  void ShowGoals();
  // The registered file of the layout chosen, in LbLayoutFileName.
  void ShowLayoutFile(const std::string& file);
  bool TextFileExists(const std::string& name) const;
  // Chooses the course and texts of the layout's language where the working folder holds all
  // three; when ask is set, only if the learner says Yes.
  void ChooseLayoutContent(const std::string& layoutFile, bool ask);

  WindowContext& context_;
  SettingsTargets& targets_;
  TPasswordDlg& passwordDlg_;
  IniFile global_;
  IniFile learners_;
};
