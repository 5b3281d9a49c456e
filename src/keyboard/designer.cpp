#include "keyboard/designer.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <vector>

#include "keyboard/guide_windows.h"
#include "keyboard/key_char.h"
#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/form_controls.h"
#include "platform/guard.h"
#include "platform/qt_convert.h"
#include "platform/translation.h"

namespace {
constexpr int kSampleSide = 77;
constexpr int kKeyboardOrigin = 30;

QGroupBox* Group(const char* name, const QString& title, QWidget* parent, const QRect& place) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  group->setGeometry(place);
  return group;
}

// The caption under the finger buttons. Its letters are drawn under the buttons' centres, one
// letter to a button in turn: spaces in a proportional font cannot line them up.
class FingerLetters final : public QLabel {
 public:
  FingerLetters(const QString& text, std::vector<int> centres, QWidget* parent)
      : QLabel(text, parent), centres_(std::move(centres)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    size_t button = 0;
    for (const QChar letter : text()) {
      if (letter == u' ' || button >= centres_.size()) continue;
      const int x = centres_[button++] - fontMetrics().horizontalAdvance(letter) / 2;
      painter.drawText(x, fontMetrics().ascent(), QString(letter));
    }
  }

 private:
  std::vector<int> centres_;
};

// Centre of a radio button's round indicator, in its parent's coordinates.
int IndicatorCentre(const QRadioButton* radio) {
  QStyleOptionButton option;
  option.initFrom(radio);
  const QRect indicator =
      radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
  return radio->mapToParent(indicator.center()).x();
}
}  // namespace

// ---- SpinEdit ----

SpinEdit::SpinEdit(const char* name, int minValue, int maxValue, int initial, QWidget* parent)
    : QSpinBox(parent) {
  setObjectName(name);
  setRange(minValue, maxValue);
  setValue(initial);
  lastText_ = lineEdit()->text();
  // The box's own signal covers values set by the program, the editor's covers text typed
  // that is not (yet) a value of the box; the handler runs once per new text.
  connect(this, &QSpinBox::textChanged, this, [this] { TextMaybeChanged(); });
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { TextMaybeChanged(); });
}

int SpinEdit::Value() const {
  int number = 0;
  if (!TryStrToInt(lineEdit()->text().toStdString(), number)) return minimum();
  return std::clamp(number, minimum(), maximum());
}

void SpinEdit::SetValue(int newValue) {
  newValue = std::clamp(newValue, minimum(), maximum());
  if (value() != newValue) {
    setValue(newValue);
    return;
  }
  // The value stands but the text may not show it (typed text that is no value).
  const QString text = textFromValue(newValue);
  if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void SpinEdit::SetValueQuietly(int newValue) {
  const QSignalBlocker blockBox(this);
  const QSignalBlocker blockEditor(lineEdit());
  newValue = std::clamp(newValue, minimum(), maximum());
  setValue(newValue);
  lineEdit()->setText(textFromValue(newValue));
  lastText_ = lineEdit()->text();
}

void SpinEdit::SetMaximumQuietly(int maxValue) {
  const QSignalBlocker blockBox(this);
  const QSignalBlocker blockEditor(lineEdit());
  setMaximum(maxValue);
  lastText_ = lineEdit()->text();
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
  QSpinBox::focusOutEvent(event);
  // Leaving the box puts its value back over unfinished text, without a signal.
  TextMaybeChanged();
}

void SpinEdit::TextMaybeChanged() {
  const QString text = lineEdit()->text();
  if (text == lastText_) return;
  lastText_ = text;
  if (onChange) onChange();
}

// ---- TDefineQZ ----

TDefineQZ::TDefineQZ(WindowContext& context, LayoutRec& layout, TVKeyboard& keyboard,
                     TPalmForm& leftHand, TPalmForm& rightHand, QWidget* parent)
    : QDialog(parent),
      context_(context),
      layout_(layout),
      keyboard_(keyboard),
      leftHand_(leftHand),
      rightHand_(rightHand) {
  setObjectName("DefineQZ");
  setWindowTitle(tr("Define VK & VH"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(390, 335);
  setFont(PixelFont("Times New Roman", 13));
  BuildKeyGroup();
  BuildCommonGroup();
  BuildFingerGroup();
  BuildButtons();
  ConnectHandlers();
}

void TDefineQZ::BuildKeyGroup() {
  GroupBox1 = Group("GroupBox1", tr("Key && finger"), this, QRect(6, 4, 264, 226));
  SpinEdit40 = new SpinEdit("SpinEdit40", 0, 1, 1, GroupBox1);
  SpinEdit40->setGeometry(58, 18, 42, 22);
  SpinEdit40->setToolTip(tr("You must press \"Show Key\" to finish the definition"));
  SpinEdit41 = new SpinEdit("SpinEdit41", 1, 4, 1, GroupBox1);
  SpinEdit41->setGeometry(58, 44, 42, 22);
  SpinEdit42 = new SpinEdit("SpinEdit42", 1, 14, 1, GroupBox1);
  SpinEdit42->setGeometry(58, 70, 42, 22);
  Caption(tr("Key num"), GroupBox1, 8, 22, SpinEdit40);
  Caption(tr("Line"), GroupBox1, 8, 48, SpinEdit41);
  Caption(tr("Column"), GroupBox1, 8, 74, SpinEdit42);

  QFont boxFont("MS Sans Serif");
  boxFont.setPixelSize(13);
  boxFont.setUnderline(true);
  // Wide enough for the widest notation, a slash and three digits, with the box's frame and
  // margins (2 pixels a side in a line edit) and the caret.
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int boxWidth = QFontMetrics(boxFont).horizontalAdvance("/255") + 2 * (frame + 2) + 2;
  const int left = 104;
  const int right = left + boxWidth + 2;
  // A 2 x 2 square like the characters on a key: 1 top-left, 3 top-right, 2 bottom-left,
  // 4 bottom-right.
  const QPoint places[kKeyChars] = {{left, 18}, {left, 44}, {right, 18}, {right, 44}};
  const char* names[kKeyChars] = {
      QT_TR_NOOP("Top left character"), QT_TR_NOOP("Bottom left character"),
      QT_TR_NOOP("Top right character"), QT_TR_NOOP("Bottom right character")};
  for (int j = 1; j <= kKeyChars; ++j) {
    auto* box = new QLineEdit(GroupBox1);
    box->setObjectName(QString("Edit%1").arg(j));
    box->setAccessibleName(tr(names[j - 1]));
    box->setGeometry(QRect(places[j - 1], QSize(boxWidth, 22)));
    box->setFont(boxFont);
    box->setToolTip(tr("Double click to define font and color"));
    box->setAccessibleDescription(tr("F2 defines font and color"));
    box->setValidator(new CodePageValidator(box));
    box->installEventFilter(this);
    edits_[static_cast<size_t>(j - 1)] = box;
  }
  Edit1 = edits_[0];
  Edit2 = edits_[1];
  Edit3 = edits_[2];
  Edit4 = edits_[3];

  Button2 = Button("Button2", tr("Key color..."), GroupBox1, QRect(left, 70, 2 * boxWidth + 2, 24),
                   tr("Define the key color"));

  Image1 = new PaintSurface(GroupBox1);
  Image1->setObjectName("Image1");
  Image1->setGeometry(right + boxWidth + 2, 16, kSampleSide, kSampleSide);
  Image1->background = FromQColor(palette().color(QPalette::Window));
  Image1->canvas().Resize(kSampleSide, kSampleSide, Image1->background);
  Image1->canvas().SetBrushColor(Image1->background);
  Image1->canvas().FillRect(0, 0, kSampleSide, kSampleSide);

  RadioGroup1 = Group("RadioGroup1", tr("Which finger to type"), GroupBox1, QRect(6, 98, 248, 44));
  RadioGroup1Items = new QButtonGroup(RadioGroup1);
  RadioGroup1Items->setObjectName("RadioGroup1Items");
  std::vector<int> centres;
  const char* fingers[kFingerCount] = {
      QT_TR_NOOP("Left little finger"), QT_TR_NOOP("Left ring finger"),
      QT_TR_NOOP("Left middle finger"), QT_TR_NOOP("Left index finger"),
      QT_TR_NOOP("Left thumb"),         QT_TR_NOOP("Right thumb"),
      QT_TR_NOOP("Right index finger"), QT_TR_NOOP("Right middle finger"),
      QT_TR_NOOP("Right ring finger"),  QT_TR_NOOP("Right little finger")};
  for (int item = 0; item < kFingerCount; ++item) {
    auto* radio = new QRadioButton(RadioGroup1);
    radio->setObjectName(QString("RadioGroup1Item%1").arg(item));
    radio->setAccessibleName(tr(fingers[item]));
    radio->setGeometry(10 + item * 23, 20, 18, 18);
    RadioGroup1Items->addButton(radio, item);
    centres.push_back(IndicatorCentre(radio) + RadioGroup1->x());
  }
  SetRadioGroup1ItemIndex(0);
  //: One letter under each finger button: left hand, then right hand.
  Label11 =
      new FingerLetters(tr("L  L   L   L  L  R   R  R  R  R     "), std::move(centres), GroupBox1);
  Label11->setObjectName("Label11");
  Label11->setGeometry(0, 144, GroupBox1->width(), Label11->sizeHint().height());

  Button6 = Button("Button6", tr("Define key"), GroupBox1, QRect(8, 166, 76, 26),
                   tr("Must use this key to make definition take effect"));
  Button3 = Button("Button3", tr("Show key"), GroupBox1, QRect(92, 166, 76, 26),
                   tr("Show the effect of the key"));
  Button4 = Button("Button4", tr("Cancel key"), GroupBox1, QRect(176, 166, 76, 26),
                   tr("Cancel the setting for this key, you must fill it later"));
}

void TDefineQZ::BuildCommonGroup() {
  GroupBox2 = Group("GroupBox2", tr("Common key layout"), this, QRect(274, 4, 110, 226));
  struct Row {
    SpinEdit** box;
    const char* name;
    int minValue;
    int maxValue;
    int initial;
    const char* label;
    const char* hint;
  };
  const Row rows[] = {
      {&SpinEdit11, "SpinEdit11", 10, 100, 30, QT_TR_NOOP("Key width"),
       QT_TR_NOOP("Valid for all keys")},
      {&SpinEdit12, "SpinEdit12", 10, 100, 30, QT_TR_NOOP("Key height"), nullptr},
      {&SpinEdit21, "SpinEdit21", 1, 200, 1, QT_TR_NOOP("Offset 1"),
       QT_TR_NOOP("Pixels to the left")},
      {&SpinEdit22, "SpinEdit22", 1, 200, 1, QT_TR_NOOP("Offset 2"),
       QT_TR_NOOP("For the second line of keys")},
      {&SpinEdit23, "SpinEdit23", 1, 200, 1, QT_TR_NOOP("Offset 3"), nullptr},
      {&SpinEdit24, "SpinEdit24", 1, 200, 1, QT_TR_NOOP("Offset 4"), nullptr},
  };
  int y = 20;
  for (const Row& row : rows) {
    auto* box = new SpinEdit(row.name, row.minValue, row.maxValue, row.initial, GroupBox2);
    box->setGeometry(60, y, 46, 22);
    if (row.hint) box->setToolTip(tr(row.hint));
    Caption(tr(row.label), GroupBox2, 6, y + 4, box);
    *row.box = box;
    y += 32;
  }
}

void TDefineQZ::BuildFingerGroup() {
  GroupBox3 = Group("GroupBox3", tr("Finger layout"), this, QRect(6, 234, 378, 54));
  SpinEdit31 = new SpinEdit("SpinEdit31", 1, 10, 1, GroupBox3);
  SpinEdit31->setGeometry(50, 20, 48, 22);
  Caption(tr("Finger"), GroupBox3, 8, 24, SpinEdit31);
  SpinEdit32 = new SpinEdit("SpinEdit32", 10, 150, 10, GroupBox3);
  SpinEdit32->setGeometry(156, 20, 52, 22);
  Caption(tr("Length"), GroupBox3, 112, 24, SpinEdit32);
  Button1 = Button("Button1", tr("Finger color..."), GroupBox3, QRect(232, 18, 96, 26));
}

void TDefineQZ::BuildButtons() {
  const struct {
    QPushButton** button;
    const char* name;
    const char* caption;
  } row[] = {
      {&Button7, "Button7", QT_TR_NOOP("Load")},       {&Button5, "Button5", QT_TR_NOOP("Save")},
      {&Button10, "Button10", QT_TR_NOOP("Close")},    {&Button8, "Button8", QT_TR_NOOP("Show KB")},
      {&Button9, "Button9", QT_TR_NOOP("Show hands")},
  };
  int x = 6;
  for (const auto& each : row) {
    *each.button = Button(each.name, tr(each.caption), this, QRect(x, 298, 70, 28));
    x += 77;
  }
}

void TDefineQZ::Handle(void (TDefineQZ::*handler)()) {
  Guarded(context_.dialogs, [this, handler] { (this->*handler)(); });
}

void TDefineQZ::ConnectHandlers() {
  const std::pair<SpinEdit*, void (TDefineQZ::*)()> boxes[] = {
      {SpinEdit11, &TDefineQZ::SpinEdit11Change}, {SpinEdit12, &TDefineQZ::SpinEdit12Change},
      {SpinEdit21, &TDefineQZ::SpinEdit21Change}, {SpinEdit22, &TDefineQZ::SpinEdit22Change},
      {SpinEdit23, &TDefineQZ::SpinEdit23Change}, {SpinEdit24, &TDefineQZ::SpinEdit24Change},
      {SpinEdit31, &TDefineQZ::SpinEdit31Change}, {SpinEdit32, &TDefineQZ::SpinEdit32Change},
      {SpinEdit40, &TDefineQZ::SpinEdit40Change},
  };
  for (const auto& [box, handler] : boxes) {
    box->onChange = [this, handler = handler] { Handle(handler); };
  }
  const std::pair<QPushButton*, void (TDefineQZ::*)()> buttons[] = {
      {Button1, &TDefineQZ::Button1Click}, {Button2, &TDefineQZ::Button2Click},
      {Button3, &TDefineQZ::Button3Click}, {Button4, &TDefineQZ::Button4Click},
      {Button5, &TDefineQZ::Button5Click}, {Button6, &TDefineQZ::Button6Click},
      {Button7, &TDefineQZ::Button7Click}, {Button8, &TDefineQZ::Button8Click},
      {Button9, &TDefineQZ::Button9Click}, {Button10, &TDefineQZ::Button10Click},
  };
  for (const auto& [button, handler] : buttons) {
    connect(button, &QPushButton::clicked, this, [this, handler = handler] { Handle(handler); });
  }
}

bool TDefineQZ::eventFilter(QObject* watched, QEvent* event) {
  for (int j = 1; j <= kKeyChars; ++j) {
    if (watched != Edit(j)) continue;
    if (event->type() == QEvent::FocusOut) {
      Guarded(context_.dialogs, [this, j] { EditExit(j); });
    } else if (event->type() == QEvent::MouseButtonDblClick) {
      Guarded(context_.dialogs, [this, j] { EditDblClick(j); });
    } else if (event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
      // The double click's way from the keyboard.
      Guarded(context_.dialogs, [this, j] { EditDblClick(j); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// ---- Files ----

void TDefineQZ::ReadLayoutFile(const std::string& fileName) {
  ::ReadLayoutFile(ResolvePath(context_.workDir, fileName), layout_);
  ShowLoadedLayout();
}

void TDefineQZ::WriteLayoutFile(const std::string& fileName) {
  ::WriteLayoutFile(ResolvePath(context_.workDir, fileName), layout_);
}

void TDefineQZ::ShowLoadedLayout() {
  const int count = std::clamp(layout_.KeyCount, 0, kMaxKeys);
  // The key number box is set without its handler: while the bound and the defined keys
  // change it would show stale keys or warn about keys the file does not have.
  SpinEdit40->SetMaximumQuietly(std::min(count + 1, kMaxKeys));
  for (int n = 1; n <= kMaxKeys; ++n) defined_[static_cast<size_t>(n - 1)] = n <= count;
  // Shown, not written back: a value beyond a box's range shows as its nearest bound and stays
  // in the layout as the file has it.
  SpinEdit11->SetValueQuietly(layout_.KeyWidth);
  SpinEdit12->SetValueQuietly(layout_.KeyHeight);
  SpinEdit21->SetValueQuietly(layout_.OffsetOf(1));
  SpinEdit22->SetValueQuietly(layout_.OffsetOf(2));
  SpinEdit23->SetValueQuietly(layout_.OffsetOf(3));
  SpinEdit24->SetValueQuietly(layout_.OffsetOf(4));
  SpinEdit31Change();  // the finger entry shown takes its length from the new layout
  if (count == 0) {
    SpinEdit40->SetValueQuietly(1);
    ShowNoKey();
    return;
  }
  SpinEdit40->SetValueQuietly(count);
  ShowKey(count, false);
  ChosenColor = CurrentColor;
  ChosenFonts = CurrentFonts;
}

void TDefineQZ::Button7Click() {
  std::string path;
  if (!context_.dialogs.ChooseOpenFile(Translated("TDefineQZ", kLayoutFileFilter), path)) return;
  ReadLayoutFile(path);
}

void TDefineQZ::Button5Click() {
  std::string path;
  if (!context_.dialogs.ChooseSaveFile(Translated("TDefineQZ", kLayoutFileFilter),
                                       kLayoutFileExtension, path))
    return;
  WriteLayoutFile(path);
}

// ---- Common key layout and fingers ----

void TDefineQZ::SpinEdit11Change() {
  layout_.KeyWidth = SpinEdit11->Value();
}
void TDefineQZ::SpinEdit12Change() {
  layout_.KeyHeight = SpinEdit12->Value();
}
void TDefineQZ::SpinEdit21Change() {
  layout_.Offset[0] = SpinEdit21->Value();
}
void TDefineQZ::SpinEdit22Change() {
  layout_.Offset[1] = SpinEdit22->Value();
}
void TDefineQZ::SpinEdit23Change() {
  layout_.Offset[2] = SpinEdit23->Value();
}
void TDefineQZ::SpinEdit24Change() {
  layout_.Offset[3] = SpinEdit24->Value();
}

void TDefineQZ::SpinEdit31Change() {
  SpinEdit32->SetValueQuietly(layout_.FingerAt(FingerEntry()).Length);  // shown, not written
}

void TDefineQZ::SpinEdit32Change() {
  layout_.FingerAt(FingerEntry()).Length = SpinEdit32->Value();
}

void TDefineQZ::Button1Click() {
  Color chosen = ColorDialog1;
  FingerRec& look = layout_.FingerAt(FingerEntry());
  if (context_.dialogs.ChooseColor(chosen)) {
    ColorDialog1 = chosen;
    look.Color = chosen;
  } else {
    look.Color = clGreen;
  }
}

// ---- Key editor ----

int TDefineQZ::RadioGroup1ItemIndex() const {
  return RadioGroup1Items->checkedId();
}

void TDefineQZ::SetRadioGroup1ItemIndex(int index) {
  RadioGroup1Items->button(std::clamp(index, 0, kFingerCount - 1))->setChecked(true);
}

char TDefineQZ::BoxChar(int j) const {
  std::string bytes;
  for (QChar ch : Edit(j)->text()) bytes.push_back(static_cast<char>(CharToByte(ch).value_or('?')));
  return ParseKeyChar(bytes);
}

void TDefineQZ::SpinEdit40Change() {
  const int n = SpinEdit40->Value();
  if (n <= 0) {
    SpinEdit40->SetValue(1);
    return;
  }
  if (!Defined(n)) {
    context_.dialogs.Warn(Translated("TDefineQZ", kKeyNotDefined));
    return;
  }
  ShowKey(n, true);
}

void TDefineQZ::ShowKey(int n, bool codesAbove127) {
  const KeyRec& key = layout_.KeyAt(n);
  CurrentColor = key.Color;
  SpinEdit41->SetValue(key.Line);
  SpinEdit42->SetValue(key.Column);
  SetRadioGroup1ItemIndex(key.Finger);
  for (int j = 1; j <= kKeyChars; ++j) {
    const auto i = static_cast<size_t>(j - 1);
    Edit(j)->setText(BytesToQString(KeyCharText(key.Chars[i], codesAbove127)));
    CurrentChars[i] = key.Chars[i];
    CurrentFonts[i] = key.Fonts[i];
  }
}

void TDefineQZ::ShowNoKey() {
  SpinEdit41->SetValue(1);
  SpinEdit42->SetValue(1);
  SetRadioGroup1ItemIndex(0);
  for (int j = 1; j <= kKeyChars; ++j) Edit(j)->clear();
  CurrentChars.fill(' ');
}

void TDefineQZ::Button6Click() {
  const int n = SpinEdit40->Value();
  if (n <= 0) return;
  KeyRec& key = layout_.KeyAt(n);
  key.Color = CurrentColor;
  key.Line = SpinEdit41->Value();
  key.Column = SpinEdit42->Value();
  key.Finger = RadioGroup1ItemIndex();
  // A box that is no character stops here: what came before it is stored already.
  for (int j = 1; j <= kKeyChars; ++j) key.Chars[static_cast<size_t>(j - 1)] = BoxChar(j);
  key.Fonts = CurrentFonts;
  if (Defined(n)) return;
  SpinEdit40->setMaximum(std::min(SpinEdit40->maximum() + 1, kMaxKeys));
  defined_[static_cast<size_t>(n - 1)] = true;
  ++layout_.KeyCount;
}

void TDefineQZ::Button4Click() {
  const int n = SpinEdit40->Value();
  if (n <= 0 || !Defined(n)) return;
  if (context_.dialogs.Message(MessageKind::Warning, MessageButtons::YesNo,
                               Translated("TDefineQZ", kCancelKeyQuestion)) != MessageAnswer::Yes) {
    return;
  }
  // The record keeps its contents and the bound stays: keys are counted, not renumbered.
  defined_[static_cast<size_t>(n - 1)] = false;
  --layout_.KeyCount;
}

void TDefineQZ::Button2Click() {
  Color chosen = ColorDialog1;
  if (context_.dialogs.ChooseColor(chosen)) {
    ColorDialog1 = chosen;
    CurrentColor = chosen;
    ChosenColor = chosen;
  } else {
    CurrentColor = ChosenColor;
  }
}

void TDefineQZ::EditExit(int j) {
  CurrentChars[static_cast<size_t>(j - 1)] = BoxChar(j);
}

void TDefineQZ::EditDblClick(int j) {
  const auto i = static_cast<size_t>(j - 1);
  Font chosen = FontDialog1;
  if (context_.dialogs.ChooseFont(chosen, kKeyFontMinSize, kKeyFontMaxSize,
                                  FontLooks::StyleAndColour)) {
    FontDialog1 = chosen;
    CurrentFonts[i] = chosen;
    ChosenFonts[i] = chosen;
  } else {
    CurrentFonts[i] = ChosenFonts[i];
  }
}

void TDefineQZ::Button3Click() {
  ImageCanvas& canvas = Image1->canvas();
  // A smaller key must not leave the rest of the one shown before.
  canvas.SetBrushColor(Image1->background);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  SampleKey.Setup(1, 1, layout_.KeyWidth, layout_.KeyHeight, CurrentColor, CurrentFonts,
                  CurrentChars, RadioGroup1ItemIndex(), canvas);
  SampleKey.Draw();
  Image1->update();
}

// ---- Guides and closing ----

void TDefineQZ::Button8Click() {
  if (keyboard_.isVisible()) {
    keyboard_.hide();
    return;
  }
  keyboard_.show();
  keyboard_.BuildKeys(kKeyboardOrigin, kKeyboardOrigin);
  keyboard_.RunTimer();
  keyboard_.DrawAllKeys();
  PlaceGuides();
}

void TDefineQZ::Button9Click() {
  if (leftHand_.isVisible()) {
    leftHand_.hide();
    rightHand_.hide();
    return;
  }
  leftHand_.ApplyFingerLayout();
  rightHand_.ApplyFingerLayout();
  leftHand_.show();
  rightHand_.show();
  PlaceGuides();
}

void TDefineQZ::PlaceGuides() {
  const QRect screen = this->screen()->availableGeometry();
  const QRect board = keyboard_.frameGeometry();
  const int leftWidth = leftHand_.frameGeometry().width();
  const GuidePlaces under = GuidesUnder(frameGeometry(), board, leftWidth, 15, 5);
  const int y =
      std::max(screen.top(), std::min(under.keyboard.y(), screen.bottom() + 1 - board.height()));
  const auto within = [&screen, y](int x, int width) {
    return QPoint(std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - width)),
                  y);
  };
  const QPoint keyboard = within(under.keyboard.x(), board.width());
  const int shift = keyboard.x() - under.keyboard.x();  // the hands stay beside the keyboard
  keyboard_.move(keyboard);
  leftHand_.move(within(under.left.x() + shift, leftWidth));
  rightHand_.move(within(under.right.x() + shift, rightHand_.frameGeometry().width()));
  raise();
  activateWindow();
}

void TDefineQZ::Button10Click() {
  close();
}
