#include "settings/option.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <optional>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/form_controls.h"
#include "platform/guard.h"
#include "platform/qt_convert.h"
#include "platform/translation.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

using namespace settings;

namespace {
constexpr int kLayoutOrigin = 10;  // the keyboard's keys are laid out from (10, 10)
constexpr int kDesignerOffsetX = 40;
constexpr int kDesignerOffsetY = 20;

std::vector<std::string> Items(const QComboBox& box) {
  std::vector<std::string> items;
  for (int i = 0; i < box.count(); ++i) items.push_back(BytesOf(box.itemText(i)));
  return items;
}

// File names are shown as the learner reads them and kept byte for byte in the items' data:
// the settings name the files as the folder does.
constexpr const char* kFileProperty = "file";

QByteArray FileData(const std::string& name) {
  return QByteArray::fromStdString(name);
}

std::string FileNameIn(const QVariant& data) {
  return data.toByteArray().toStdString();
}

// A file that is there but cannot be read is named in the message ("File too large: a.txt").
void NamingFile(const std::string& file, const std::function<void()>& load) {
  try {
    load();
  } catch (const AppError& error) {
    throw AppError(std::string(error.what()) + ": " + SystemText(file));
  }
}

int IndexIgnoringCase(const QComboBox& box, const std::string& text) {
  for (int i = 0; i < box.count(); ++i) {
    if (EqualsIgnoreCase(BytesOf(box.itemText(i)), text)) return i;
  }
  return -1;
}

// A name as stored, or as a teacher wrote it by hand in the file's code page ("Gr\xFCn.txt" for
// the file the system names in UTF-8).
int FileIndexIgnoringCase(const QComboBox& box, const std::string& file) {
  for (int i = 0; i < box.count(); ++i) {
    if (EqualsIgnoreCase(FileNameIn(box.itemData(i)), file) ||
        box.itemText(i).compare(BytesToQString(file), Qt::CaseInsensitive) == 0) {
      return i;
    }
  }
  return -1;
}

void FillList(QListWidget& list, const std::vector<std::string>& names) {
  list.clear();
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(FileNameText(name), &list);
    item->setData(Qt::UserRole, FileData(name));
  }
}

// A closed drop-down list takes Ctrl+Tab as a character to search its items for; it is left
// to the pages, which turn on it from every other control.
class DropDown final : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ControlModifier)) {
      event->ignore();
      return;
    }
    QComboBox::keyPressEvent(event);
  }
};

QComboBox* DropDownList(const char* name, QWidget* parent, const QRect& place,
                        const QString& hint = {}) {
  auto* box = new DropDown(parent);
  box->setObjectName(name);
  box->setEditable(false);
  box->setGeometry(place);
  box->setToolTip(hint);
  return box;
}

QSpinBox* GoalBox(const char* name, const IntSetting& goal, QWidget* parent, const QRect& place) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(goal.min, goal.max);
  box->setValue(goal.defaultValue);
  box->setGeometry(place);
  return box;
}
}  // namespace

std::string DeleteLearnerQuestion(const std::string& name) {
  return BytesOf(
      QCoreApplication::translate("Options",
                                  "Delete the learner \"%1\"? The course position, practice time "
                                  "and settings of this learner will be lost.")
          .arg(BytesToQString(name)));
}

TFmOption::TFmOption(WindowContext& context, SettingsTargets& targets, TPasswordDlg& passwordDlg,
                     QWidget* parent)
    : QDialog(parent),
      FontSize(kInitialFontSize),
      FontName(kInitialFontName),
      BlinkingColor(kInitialBlinkingColor),
      FontDialog1{Font{}, kFontDialogMinSize, kFontDialogMaxSize},
      ColorDialog1{kInitialBlinkingColor},
      context_(context),
      targets_(targets),
      passwordDlg_(passwordDlg),
      global_(context.workDir + "/" + kGlobalFileName),
      learners_(context.workDir + "/" + kLearnerFileName) {
  setObjectName("FmOption");
  setWindowTitle(tr("Options"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(307, 416);
  setFont(PixelFont("Times New Roman", 15));
  ScreenWidth = [] { return QGuiApplication::primaryScreen()->geometry().width(); };

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setGeometry(6, 6, 295, 364);
  // The three captions fit side by side without scroll buttons.
  PageControl1->setUsesScrollButtons(false);
  PageControl1->tabBar()->setStyleSheet("QTabBar::tab { padding: 4px 5px; }");
  for (const auto& [name, caption] : {std::pair{"TabSheet1", QT_TR_NOOP("General")},
                                      std::pair{"TabSheet2", QT_TR_NOOP("Practice Contents")},
                                      std::pair{"TabSheet3", QT_TR_NOOP("Keyboard Layout")}}) {
    auto* page = new QWidget;
    page->setObjectName(name);
    PageControl1->addTab(page, tr(caption));
  }
  BuildGeneralPage(PageControl1->widget(0));
  BuildContentsPage(PageControl1->widget(1));
  BuildLayoutPage(PageControl1->widget(2));
  PageControl1->setCurrentIndex(0);

  BnSave = Button("BnSave", tr("&OK"), this, QRect(64, 378, 80, 28));
  BnCancel = Button("BnCancel", tr("&Cancel"), this, QRect(164, 378, 80, 28));

  Connect(BnSave, &TFmOption::BnSaveClick);
  Connect(BnCancel, &TFmOption::BnCancelClick);
  Connect(BnBlinkingcolor, &TFmOption::BnBlinkingcolorClick);
  Connect(BnFont, &TFmOption::BnFontClick);
  Connect(AddUserBn, &TFmOption::AddUserBnClick);
  Connect(DeleteUsreBn, &TFmOption::DeleteUsreBnClick);
  Connect(BnDeleteReg, &TFmOption::BnDeleteRegClick);
  Connect(BnRegister, &TFmOption::BnRegisterClick);
  Connect(BnAdvancedFunctions, &TFmOption::BnAdvancedFunctionsClick);
  // Only the learner's picks change the layout label, not the program's own selections.
  connect(ComboBox1, &QComboBox::activated, this,
          [this] { Guarded(context_.dialogs, [this] { ComboBox1Change(); }); });
  connect(EnableGameCheckbox, &QCheckBox::toggled, this,
          [this] { Guarded(context_.dialogs, [this] { EnableGameCheckboxClick(); }); });
  // Goals changed but not taken by OK show as stored when the window opens again.
  connect(this, &QDialog::finished, this, [this] { ShowGoals(); });

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
  ShowFontAndColor();
  FormCreate();
}

void TFmOption::BuildGeneralPage(QWidget* page) {
  GroupBox4 = new QGroupBox(tr("Layouts of practices"), page);
  GroupBox4->setObjectName("GroupBox4");
  GroupBox4->setGeometry(8, 8, 271, 162);
  BnBlinkingcolor = Button("BnBlinkingcolor", tr("&Blinking color of the pressed key"), GroupBox4,
                           QRect(10, 24, 214, 28));
  ColorLb = new QLabel(GroupBox4);
  ColorLb->setObjectName("ColorLb");
  ColorLb->setGeometry(234, 26, 25, 25);
  ColorLb->setAutoFillBackground(true);
  ColorLb->setFrameStyle(QFrame::Box | QFrame::Plain);
  ColorLb->setAccessibleName(tr("Blinking color"));
  BnFont = Button("BnFont", tr("&Font of practices"), GroupBox4, QRect(10, 60, 214, 28),
                  tr("Font used in the practices"));
  ExampleEd = new QLineEdit(tr("Example"), GroupBox4);
  ExampleEd->setObjectName("ExampleEd");
  ExampleEd->setGeometry(10, 94, 249, 34);
  ExampleEd->setAccessibleName(tr("Example of the font"));
  EnableGameCheckbox = new QCheckBox(tr("&Enable game"), GroupBox4);
  EnableGameCheckbox->setObjectName("EnableGameCheckbox");
  EnableGameCheckbox->setGeometry(10, 134, 200, 22);
  EnableGameCheckbox->setChecked(true);
  EnableGameCheckbox->setEnabled(false);  // until the password gate has been passed

  GroupBox5 = new QGroupBox(tr("Users Management"), page);
  GroupBox5->setObjectName("GroupBox5");
  GroupBox5->setGeometry(8, 180, 271, 100);
  UsersComboBox = new QComboBox(GroupBox5);
  UsersComboBox->setObjectName("UsersComboBox");
  UsersComboBox->setEditable(true);
  UsersComboBox->setInsertPolicy(QComboBox::NoInsert);
  UsersComboBox->setGeometry(10, 24, 249, 26);
  UsersComboBox->setToolTip(tr("Input or select a name"));
  AddUserBn = Button("AddUserBn", tr("&Add "), GroupBox5, QRect(10, 60, 110, 28),
                     tr("Add the new name above"));
  DeleteUsreBn = Button("DeleteUsreBn", tr("&Delete"), GroupBox5, QRect(149, 60, 110, 28));

  SpinGoalErrors = GoalBox("SpinGoalErrors", kGoalErrorPercent, page, QRect(219, 286, 60, 22));
  Caption(tr("Goal: wrong keys at most (%)"), page, 8, 288, SpinGoalErrors);
  SpinGoalSpeed = GoalBox("SpinGoalSpeed", kGoalKeysPerMinute, page, QRect(219, 312, 60, 22));
  Caption(tr("Goal: keys a minute at least"), page, 8, 314, SpinGoalSpeed);
}

void TFmOption::BuildContentsPage(QWidget* page) {
  CourseComboBox = DropDownList("CourseComboBox", page, QRect(8, 28, 271, 26),
                                tr("Select a text file to be the content of the course"));
  Caption(tr("Course"), page, 8, 8, CourseComboBox);
  SentenceComboBox = DropDownList(
      "SentenceComboBox", page, QRect(8, 84, 271, 26),
      tr("Select a text file to be the content of practices of sentence and paragraph"));
  Caption(tr("Sentence && paragraph"), page, 8, 64, SentenceComboBox);
  GameComboBox = DropDownList("GameComboBox", page, QRect(8, 140, 271, 26));
  Caption(tr("Game"), page, 8, 120, GameComboBox);
  Label7 = new QLabel(
      tr("Note:\r\nThe text files are located in the installation folder of QZ Typing Tutor. "
         "Protocols of the text files for course, sentence and game are different. You may edit "
         "them using a text editor."),
      page);
  Label7->setObjectName("Label7");
  Label7->setWordWrap(true);
  Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label7->setGeometry(8, 184, 271, 140);
  FileListBox1 = new QListWidget(page);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->hide();
}

void TFmOption::BuildLayoutPage(QWidget* page) {
  ComboBox1 = DropDownList("ComboBox1", page, QRect(8, 24, 271, 26));
  Caption(tr("Select keyboard layout"), page, 8, 4, ComboBox1);
  const QLabel* fileCaption = Caption(tr("The layout file:"), page, 8, 56);
  LbLayoutFileName = new QLabel(page);
  LbLayoutFileName->setObjectName("LbLayoutFileName");
  // Further right where a translated caption is longer.
  const int nameLeft = std::max(112, fileCaption->x() + fileCaption->sizeHint().width() + 4);
  LbLayoutFileName->setGeometry(nameLeft, 56, 279 - nameLeft, 20);
  BnDeleteReg = Button("BnDeleteReg", tr("&Delete current layout"), page, QRect(8, 80, 271, 26),
                       tr("Only delete the association."));

  GroupBox2 = new QGroupBox(tr("Add layout"), page);
  GroupBox2->setObjectName("GroupBox2");
  GroupBox2->setGeometry(8, 112, 271, 182);
  EdLayoutName = new QLineEdit(GroupBox2);
  EdLayoutName->setObjectName("EdLayoutName");
  EdLayoutName->setGeometry(10, 40, 251, 24);
  Caption(tr("Name of new layout"), GroupBox2, 10, 20, EdLayoutName);
  FileListBox2 = new QListWidget(GroupBox2);
  FileListBox2->setObjectName("FileListBox2");
  FileListBox2->setGeometry(10, 88, 251, 56);
  FileListBox2->setToolTip(tr("Select a file for  the layout"));
  FileListBox2->setAccessibleName(tr("Select a layout file"));
  Caption(tr("Select a layout file"), GroupBox2, 10, 68, FileListBox2);
  BnRegister = Button("BnRegister", tr("&Register new layout"), GroupBox2, QRect(10, 150, 251, 26));

  BnAdvancedFunctions = Button("BnAdvancedFunctions", tr("Ad&vanced setting >>"), page,
                               QRect(8, 300, 271, 26), tr("To design new keyboard layout"));
}

void TFmOption::Connect(QPushButton* button, void (TFmOption::*handler)()) {
  connect(button, &QPushButton::clicked, this,
          [this, handler] { Guarded(context_.dialogs, [this, handler] { (this->*handler)(); }); });
}

void TFmOption::FormCreate() {
  const std::vector<std::string> texts = ListFilesWithExtension(context_.workDir, "txt");
  FillList(*FileListBox1, texts);
  for (QComboBox* box : {CourseComboBox, SentenceComboBox, GameComboBox}) {
    box->clear();
    for (const std::string& name : texts) box->addItem(FileNameText(name), FileData(name));
    box->setCurrentIndex(-1);
  }
  ReadLayoutFileList();
}

void TFmOption::ReadLayoutFileList() {
  FillList(*FileListBox2, ListFilesWithExtension(context_.workDir, "key"));
}

// ---- The settings stores ----

void TFmOption::LoadGlobalSettings() {
  try {
    // All or nothing: a file that cannot be read leaves the layout lists as they were, so the
    // names and files stay paired.
    const GlobalSettings read = ReadGlobalSettings(global_);
    const int selected = ComboBox1->currentIndex();
    LayoutFileNames = read.LayoutFileNames;
    ComboBox1->clear();
    for (const std::string& name : read.LayoutNames) ComboBox1->addItem(BytesToQString(name));
    ComboBox1->setCurrentIndex(selected < ComboBox1->count() ? selected : -1);
    DesignerPassword = read.DesignerPassword;
    CurrentUser = read.CurrentUser;
    SettingsOk = globalRead_ = true;
  } catch (const std::exception& error) {
    context_.dialogs.Inform(std::string(error.what()) + Translated("Options", kWhatTheProblem));
    SettingsOk = globalRead_ = false;
  }
}

void TFmOption::SaveGlobalSettings() {
  if (!globalRead_) return;
  GlobalSettings settings;
  settings.LayoutNames = Items(*ComboBox1);
  settings.LayoutFileNames = LayoutFileNames;
  settings.DesignerPassword = DesignerPassword;
  settings.CurrentUser = CurrentUser;
  WriteGlobalSettings(global_, settings);
}

void TFmOption::FillUserLists() {
  const std::vector<std::string> names = ReadLearnerNames(learners_);
  int selected = -1;
  for (size_t i = 0; i < names.size(); ++i) {
    if (EqualsIgnoreCase(names[i], CurrentUser)) selected = static_cast<int>(i);
  }
  targets_.SetPickerNames(names, selected);
  UsersComboBox->clear();
  for (const std::string& name : names) UsersComboBox->addItem(BytesToQString(name));
  UsersComboBox->setCurrentIndex(selected);
}

void TFmOption::LoadUserSettings(bool atStartup) {
  const std::string picked = targets_.PickedName();
  // Decided before reading, so a file that cannot be read still leaves a learner to save.
  CurrentUser = picked.empty() ? kDefaultLearner : picked;
  // A learner without a section of his own is a new learner: his settings are the defaults,
  // so the section written at shutdown works at the next start.
  const IniFile stored = learners_.Snapshot();
  const LearnerSettings read = ReadLearnerSettings(stored, CurrentUser);
  readLayout_ = read.CurrentLayout;
  targets_.SetProgress(read.Progress);
  if (atStartup) TimeTotalBase = read.TimeTotal;
  EnableGameCheckbox->setChecked(read.EnableGame);
  CourseComboBox->setCurrentIndex(FileIndexIgnoringCase(*CourseComboBox, read.CourseText));
  SentenceComboBox->setCurrentIndex(FileIndexIgnoringCase(*SentenceComboBox, read.PracticeText));
  GameComboBox->setCurrentIndex(FileIndexIgnoringCase(*GameComboBox, read.GameText));
  // An index that addresses no registered layout takes the first one there is.
  const int layout = read.CurrentLayout >= 0 && read.CurrentLayout < ComboBox1->count()
                         ? read.CurrentLayout
                         : (ComboBox1->count() > 0 ? 0 : -1);
  ComboBox1->setCurrentIndex(layout);
  ShowLayoutFile(layout >= 0 ? LayoutFileNames[static_cast<size_t>(layout)] : std::string());
  // A new learner practises the course and texts of his layout's language where they exist.
  if (layout >= 0 && stored.ReadSection(CurrentUser).empty())
    ChooseLayoutContent(LayoutFileNames[static_cast<size_t>(layout)], false);
  FontSize = read.FontSize;
  FontName = read.FontName;
  BlinkingColor = read.BlinkingColor;
  ShowFontAndColor();
  goals_ = read.Goals;
  ShowGoals();
  UsersComboBox->setCurrentIndex(-1);
  UsersComboBox->setEditText(QString());
}

MasteryGoals TFmOption::GoalsOf(const std::string& learner) const {
  if (EqualsIgnoreCase(learner, CurrentUser)) return goals_;
  try {
    return ReadLearnerSettings(learners_.Snapshot(), learner).Goals;
  } catch (const AppError&) {
    return {};  // told when the learner's own settings were read
  }
}

void TFmOption::SaveUserSettings() {
  LearnerSettings settings;
  settings.Progress = targets_.GetProgress();
  settings.CourseText = FileNameIn(CourseComboBox->currentData());
  settings.PracticeText = FileNameIn(SentenceComboBox->currentData());
  settings.GameText = FileNameIn(GameComboBox->currentData());
  settings.FontName = FontName;
  settings.CurrentLayout = globalRead_ ? ComboBox1->currentIndex() : readLayout_;
  settings.EnableGame = EnableGameCheckbox->isChecked();
  settings.FontSize = FontSize;
  settings.BlinkingColor = BlinkingColor;
  settings.Goals = goals_;
  // The practice time not saved yet goes onto the total the file holds now, so another
  // instance's time for the learner is kept.
  const int64_t practiced = targets_.GetPracticeTime();
  SaveLearnerSettings(learners_, CurrentUser.empty() ? kDefaultLearner : CurrentUser, settings,
                      practiced - SavedPracticeTime);
  SavedPracticeTime = practiced;
}

bool TFmOption::SaveWithRetry(const std::function<void()>& save) {
  for (;;) {
    try {
      save();
      return true;
    } catch (const std::exception& error) {
      if (context_.dialogs.Message(MessageKind::Error, MessageButtons::RetryCancel, error.what()) !=
          MessageAnswer::Retry) {
        return false;
      }
    }
  }
}

void TFmOption::SaveProgress() {
  SaveWithRetry([this] { SaveUserSettings(); });
}

int TFmOption::GetTotalTime() {
  return AddPracticeTime(TimeTotalBase, targets_.GetPracticeTime());
}

bool TFmOption::SaveOnShutdown(bool withLearner) {
  const bool learner = !withLearner || SaveWithRetry([this] { SaveUserSettings(); });
  return SaveWithRetry([this] { SaveGlobalSettings(); }) && learner;
}

// ---- Applying the settings ----

void TFmOption::ApplyLayout() {
  if (SettingsOk) {
    try {
      LoadLayoutFile();
    } catch (const std::exception& error) {
      const std::string file = FileNameIn(LbLayoutFileName->property(kFileProperty));
      context_.dialogs.Inform(std::string(error.what()) +
                              Translated("Options", kWhatLoadingKeyboard) +
                              Translated("Options", kLayoutFileIn, {file, context_.workDir}));
      SettingsOk = false;
    }
    FitPracticeWindows();
    ApplyPracticeFont();
  }
  targets_.StartGuides();
}

void TFmOption::ShowLayoutFile(const std::string& file) {
  LbLayoutFileName->setText(FileNameText(file));
  LbLayoutFileName->setProperty(kFileProperty, FileData(file));
}

void TFmOption::LoadLayoutFile() {
  const std::string name = FileNameIn(LbLayoutFileName->property(kFileProperty));
  if (name.empty()) return;  // no layout registered at that place: the guides keep theirs
  targets_.ReadLayoutFile(ResolvePath(context_.workDir, name));
  targets_.ApplyFingerLayout();
  targets_.SetBlinkingColor(BlinkingColor);
  targets_.BuildKeys(kLayoutOrigin, kLayoutOrigin);
}

void TFmOption::FitPracticeWindows() {
  const int screenWidth = ScreenWidth();
  // Decided on the size before the cap.
  if (FontSize > kWidenAbove)
    targets_.WidenPracticeWindows(screenWidth - kWidenMargin, screenWidth);
  if (FontSize > kLargeScreenMaxSize && screenWidth >= kLargeScreenWidth) {
    FontSize = kLargeScreenMaxSize;
  } else if (FontSize > kSmallScreenMaxSize && screenWidth <= kSmallScreenWidth) {
    FontSize = kSmallScreenMaxSize;
  }
}

void TFmOption::ApplyPracticeFont() {
  targets_.SetPracticeFont(FontSize, FontName);
}

bool TFmOption::TextFileExists(const std::string& name) const {
  return !name.empty() && FileExists(ResolvePath(context_.workDir, name));
}

void TFmOption::LoadPracticeTexts() {
  // Each file on its own: one that cannot be read does not keep the others from their windows.
  Guarded(context_.dialogs, [this] {
    const std::string course = FileNameIn(CourseComboBox->currentData());
    if (TextFileExists(course)) {
      NamingFile(course, [&] { targets_.LoadCourseText(course); });
    } else {
      context_.dialogs.Warn(Translated("Options", kCourseFileMissing) +
                            Translated("Options", kLookedIn, {context_.workDir}));
    }
  });
  Guarded(context_.dialogs, [this] {
    const std::string text = FileNameIn(SentenceComboBox->currentData());
    if (TextFileExists(text)) {
      NamingFile(text, [&] { targets_.LoadSentenceText(text); });
    } else {
      context_.dialogs.Warn(Translated("Options", kTextFileMissing) +
                            Translated("Options", kLookedIn, {context_.workDir}));
    }
  });
  Guarded(context_.dialogs, [this] {
    const std::string game = FileNameIn(GameComboBox->currentData());
    if (TextFileExists(game)) targets_.SetGameText(game);
  });
}

void TFmOption::ReloadSettings() {
  SettingsOk = false;
  LoadGlobalSettings();
  LoadUserSettings(false);
  ApplyLayout();
  LoadPracticeTexts();
}

// ---- Learners ----

void TFmOption::AddUser() {
  std::string name;
  if (!QStringToBytes(UsersComboBox->currentText(), name)) {
    context_.dialogs.Inform(Translated("Options", kNameNotStorable));
    return;
  }
  name = TrimIniSpace(name);
  if (name.empty() || IndexIgnoringCase(*UsersComboBox, name) >= 0) return;
  if (const std::string problem = LearnerNameProblem(name); !problem.empty()) {
    context_.dialogs.Inform(problem);
    return;
  }
  // Another instance may have added the learner since the list was read: listed now, and
  // their section left as it is.
  const std::vector<std::string> sections = learners_.ReadSectionNames();
  const auto stored = std::find_if(sections.begin(), sections.end(),
                                   [&](const std::string& s) { return EqualsIgnoreCase(s, name); });
  if (stored != sections.end()) {
    ListLearner(*stored);
    return;
  }
  LearnerSettings settings;
  settings.Progress = kProgress.defaultValue;
  settings.TimeTotal = kTimeTotal.defaultValue;
  settings.CourseText = FileNameIn(CourseComboBox->currentData());
  settings.PracticeText = FileNameIn(SentenceComboBox->currentData());
  settings.GameText = FileNameIn(GameComboBox->currentData());
  settings.FontName = FontName;
  settings.CurrentLayout = ComboBox1->currentIndex();
  settings.EnableGame = EnableGameCheckbox->isChecked();
  settings.FontSize = FontSize;
  settings.BlinkingColor = BlinkingColor;
  settings.Goals = goals_;
  // Written before the name is listed, so a refused write lists no learner without a section.
  WriteLearnerSettings(learners_, name, settings);
  ListLearner(name);
  context_.dialogs.Inform(Translated("Options", kNewUserAdded));
}

void TFmOption::ListLearner(const std::string& name) {
  int place = 0;
  while (place < UsersComboBox->count() &&
         NameSortsBefore(BytesOf(UsersComboBox->itemText(place)), name)) {
    ++place;
  }
  UsersComboBox->insertItem(place, BytesToQString(name));
}

void TFmOption::DeleteUser() {
  std::string name;
  if (!QStringToBytes(UsersComboBox->currentText(), name)) return;  // no learner has it
  name = TrimIniSpace(name);
  if (name.empty()) return;
  if (EqualsIgnoreCase(name, CurrentUser)) {
    context_.dialogs.Inform(Translated("Options", kDontDeleteCurrentUser));
    return;
  }
  // Their instance would write the section anew, with that run's time only.
  if (targets_.PractisingElsewhere(name)) {
    context_.dialogs.Inform(Translated("Options", kLearnerPractising, {name}));
    return;
  }
  // Names differing only in case are one learner: every section of the name goes.
  const std::vector<std::string> sections = learners_.ReadSectionNames();
  const auto count = std::count_if(sections.begin(), sections.end(),
                                   [&](const std::string& s) { return EqualsIgnoreCase(s, name); });
  const int index = IndexIgnoringCase(*UsersComboBox, name);
  if (count > 0) {
    const std::string listed = index >= 0 ? BytesOf(UsersComboBox->itemText(index)) : name;
    if (context_.dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNoDefaultNo,
                                 DeleteLearnerQuestion(listed)) != MessageAnswer::Yes) {
      return;
    }
    IniChanges erase;
    for (auto i = count; i > 0; --i) erase.EraseSection(name);
    learners_.Apply(erase);
    targets_.LearnerDeleted(name);
  }
  if (index >= 0) UsersComboBox->removeItem(index);
  UsersComboBox->setCurrentIndex(-1);
  UsersComboBox->setEditText(QString());
}

// ---- Event handlers ----

void TFmOption::BnSaveClick() {
  // Taken by an OK that saves them: a refused save, then Cancel, leaves the goals as they were.
  const MasteryGoals before = goals_;
  goals_ = {SpinGoalErrors->value(), SpinGoalSpeed->value()};
  try {
    SaveUserSettings();
  } catch (const AppError&) {
    goals_ = before;
    throw;
  }
  SaveGlobalSettings();
  ReloadSettings();
  accept();
}

void TFmOption::BnCancelClick() {
  reject();
}

void TFmOption::keyPressEvent(QKeyEvent* event) {
  const bool forward = event->key() == Qt::Key_Tab;
  if ((forward || event->key() == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier)) {
    const int pages = PageControl1->count();
    PageControl1->setCurrentIndex((PageControl1->currentIndex() + (forward ? 1 : pages - 1)) %
                                  pages);
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFmOption::ComboBox1Change() {
  const int index = ComboBox1->currentIndex();
  if (index >= 0 && index < static_cast<int>(LayoutFileNames.size())) {
    ShowLayoutFile(LayoutFileNames[static_cast<size_t>(index)]);
    ChooseLayoutContent(LayoutFileNames[static_cast<size_t>(index)], true);
  }
}

void TFmOption::ChooseLayoutContent(const std::string& layoutFile, bool ask) {
  const std::optional<LayoutContent> content = ContentOfLayout(layoutFile);
  if (!content) return;
  const std::array<std::pair<QComboBox*, int>, 3> choices{
      std::pair{CourseComboBox, FileIndexIgnoringCase(*CourseComboBox, content->course)},
      std::pair{SentenceComboBox, FileIndexIgnoringCase(*SentenceComboBox, content->practiceText)},
      std::pair{GameComboBox, FileIndexIgnoringCase(*GameComboBox, content->gameText)}};
  bool chosenAlready = true;
  for (const auto& [box, index] : choices) {
    if (index < 0) return;  // not all of them are in the working folder
    chosenAlready = chosenAlready && box->currentIndex() == index;
  }
  if (chosenAlready) return;
  if (ask &&
      context_.dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNo,
                               Translated("Options", content->question)) != MessageAnswer::Yes) {
    return;
  }
  for (const auto& [box, index] : choices) box->setCurrentIndex(index);
}

void TFmOption::BnRegisterClick() {
  std::string name;
  if (!QStringToBytes(EdLayoutName->text(), name) || name.find_first_of("\r\n") != name.npos) {
    context_.dialogs.Inform(Translated("Options", kNameNotStorable));
    return;
  }
  // Names and files are stored as INI values, which lose outer spaces; an empty one would
  // be skipped on reading and pair the following names with the wrong files.
  name = TrimIniSpace(name);
  const QList<QListWidgetItem*> selected = FileListBox2->selectedItems();
  if (name.empty() || selected.isEmpty()) return;
  // A file name cannot be trimmed like the display name: it would name another file.
  const std::string file = FileNameIn(selected.front()->data(Qt::UserRole));
  if (file.find_first_of("\r\n") != file.npos || TrimIniSpace(file) != file) {
    context_.dialogs.Inform(Translated("Options", kNameNotStorable));
    return;
  }
  ComboBox1->addItem(BytesToQString(name));
  const int index = ComboBox1->count() - 1;
  LayoutFileNames.insert(LayoutFileNames.begin() + index, file);
  ComboBox1->setCurrentIndex(index);
}

void TFmOption::BnDeleteRegClick() {
  const int index = ComboBox1->currentIndex();
  if (index < 0) return;
  ComboBox1->removeItem(index);
  LayoutFileNames.erase(LayoutFileNames.begin() + index);
  ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

void TFmOption::EnableGameCheckboxClick() {
  targets_.EnableGameButton(EnableGameCheckbox->isChecked());
}

void TFmOption::BnFontClick() {
  Font chosen = FontDialog1.font;
  if (!context_.dialogs.ChooseFont(chosen, FontDialog1.minSize, FontDialog1.maxSize,
                                   FontLooks::None)) {
    return;
  }
  FontDialog1.font = chosen;
  FontSize = chosen.size;
  FontName = chosen.face;
  ShowExampleFont();
}

void TFmOption::BnBlinkingcolorClick() {
  ColorDialog1.color = BlinkingColor;
  Color chosen = ColorDialog1.color;
  if (!context_.dialogs.ChooseColor(chosen)) return;
  ColorDialog1.color = chosen;
  BlinkingColor = chosen;
  ShowColor();
}

void TFmOption::AddUserBnClick() {
  AddUser();
  accept();
}

void TFmOption::DeleteUsreBnClick() {
  DeleteUser();
}

void TFmOption::BnAdvancedFunctionsClick() {
  context_.showModal(passwordDlg_);
  std::string typed;
  // Exact and case-sensitive; how the dialog was closed does not matter.
  if (!QStringToBytes(passwordDlg_.TypedPassword(), typed) || typed != DesignerPassword) return;
  EnableGameCheckbox->setEnabled(true);
  QDialog& designer = targets_.Designer();
  designer.move(x() + kDesignerOffsetX, y() + kDesignerOffsetY);
  context_.showModal(designer);
  ReadLayoutFileList();  // layout files saved in the designer can be registered at once
}

// ---- Showing the font and colour ----

void TFmOption::ShowFontAndColor() {
  FontDialog1.font.face = FontName;
  FontDialog1.font.SetSize(FontSize);
  ShowExampleFont();
  ShowColor();
}

void TFmOption::ShowColor() {
  QPalette palette = ColorLb->palette();
  palette.setColor(QPalette::Window, ToQColor(BlinkingColor));
  ColorLb->setPalette(palette);
}

void TFmOption::ShowGoals() {
  SpinGoalErrors->setValue(goals_.errorPercent);
  SpinGoalSpeed->setValue(goals_.keysPerMinute);
}

void TFmOption::ShowExampleFont() {
  QFont font = ExampleEd->font();
  font.setPointSize(ShownPoints(FontSize));  // as the practice shows it
  font.setFamily(BytesToQString(FontName));
  ExampleEd->setFont(font);
}
