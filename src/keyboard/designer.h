#pragma once
// TDefineQZ: the layout designer. It edits the program's layout in place: the common key size
// and line offsets, each key's place, colour, characters, fonts and finger, and the length and
// colour of the ten fingers. It loads and saves layout files and shows the keyboard and the
// hands built from the layout being edited. Edits go straight into the layout; there is no
// undo.
#include <QCoreApplication>
#include <QDialog>
#include <QSpinBox>
#include <QtGlobal>
#include <array>
#include <functional>
#include <string>

#include "keyboard/layout.h"
#include "keyboard/mkey.h"
#include "keyboard/palm.h"
#include "keyboard/vkeyboard.h"
#include "platform/image_canvas.h"
#include "platform/window_context.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

inline constexpr const char* kLayoutFileFilter =
    QT_TRANSLATE_NOOP("TDefineQZ", "QZ Layout File (*.key)|*.key");
inline constexpr const char* kLayoutFileExtension = "key";
inline constexpr const char* kKeyNotDefined =
    QT_TRANSLATE_NOOP("TDefineQZ", "This key is not defined yet.");
inline constexpr const char* kCancelKeyQuestion = QT_TRANSLATE_NOOP(
    "TDefineQZ", "If you cancel it, you must fill it later with another setting.");

// A numeric spin box whose change handler runs whenever its text changes, typed or set by the
// program (not when a value is set that it already shows). Text that is no number counts as
// the minimum; a number outside the range as the nearest bound.
class SpinEdit : public QSpinBox {
 public:
  SpinEdit(const char* name, int minValue, int maxValue, int initial, QWidget* parent);
  int Value() const;
  // Shows value, kept within the range; the handler runs if the text changes.
  void SetValue(int value);
  // Shows value, kept within the range, without running the handler.
  void SetValueQuietly(int value);
  // Sets the upper bound; a value above it comes down to it without running the handler.
  void SetMaximumQuietly(int maxValue);
  QLineEdit* Editor() const { return lineEdit(); }

  std::function<void()> onChange;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void TextMaybeChanged();
  QString lastText_;
};

class TDefineQZ : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TDefineQZ)

 public:
  TDefineQZ(WindowContext& context, LayoutRec& layout, TVKeyboard& keyboard, TPalmForm& leftHand,
            TPalmForm& rightHand, QWidget* parent = nullptr);

  // Reads the file (a bare name is looked up in the working folder) into the layout, then
  // shows the layout in the controls. Throws AppError and leaves everything as it was when
  // the file cannot be read.
  void ReadLayoutFile(const std::string& fileName);
  // Writes the layout; throws AppError when the file cannot be written.
  void WriteLayoutFile(const std::string& fileName);

  // Event handlers, named after their controls.
  void SpinEdit11Change();
  void SpinEdit12Change();
  void SpinEdit21Change();
  void SpinEdit22Change();
  void SpinEdit23Change();
  void SpinEdit24Change();
  void SpinEdit31Change();
  void SpinEdit32Change();
  void SpinEdit40Change();
  void Button1Click();   // "Finger color..."
  void Button2Click();   // "Key color..."
  void Button3Click();   // "Show key"
  void Button4Click();   // "Cancel key"
  void Button5Click();   // "Save"
  void Button6Click();   // "Define key"
  void Button7Click();   // "Load"
  void Button8Click();   // "Show KB"
  void Button9Click();   // "Show hands"
  void Button10Click();  // "Close"
  // Edit1..Edit4 (j = 1..4) losing focus and double-clicked.
  void EditExit(int j);
  void EditDblClick(int j);

  // The finger chosen in RadioGroup1, 0..9.
  int RadioGroup1ItemIndex() const;
  void SetRadioGroup1ItemIndex(int index);
  // Edit1..Edit4 by number.
  QLineEdit* Edit(int j) const { return edits_.at(static_cast<size_t>(j - 1)); }
  bool Defined(int n) const { return defined_.at(static_cast<size_t>(n - 1)); }
  ImageCanvas& SampleCanvas() { return Image1->canvas(); }

  // State of the key editor. Index 0 of the arrays is character 1.
  Color KeyColor() const { return CurrentColor; }
  Color LastChosenKeyColor() const { return ChosenColor; }
  const std::array<char, kKeyChars>& KeyChars() const { return CurrentChars; }
  const std::array<Font, kKeyChars>& KeyFonts() const { return CurrentFonts; }
  const std::array<Font, kKeyChars>& LastChosenKeyFonts() const { return ChosenFonts; }
  // The key "Show key" drew last.
  const MKey& ShownKey() const { return SampleKey; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The guides under the designer as under a practice window (GuidesUnder), kept on the
  // screen: where it has no room below, they stand at its bottom edge under the designer,
  // which is raised, so that its buttons stay in reach.
  void PlaceGuides();

  Color CurrentColor = clBlack;  // used by "Define key" and "Show key"
  Color ChosenColor = clBlack;   // last colour confirmed for a key, or loaded
  std::array<char, kKeyChars> CurrentChars{' ', ' ', ' ', ' '};
  std::array<Font, kKeyChars> CurrentFonts{};
  std::array<Font, kKeyChars> ChosenFonts{};
  MKey SampleKey;
  // The choosers open with what was last chosen in them.
  Color ColorDialog1 = clBlack;
  Font FontDialog1;

  // Controls, named as designed.
  QGroupBox* GroupBox1;  // "Key && finger"
  SpinEdit* SpinEdit40;  // key number
  SpinEdit* SpinEdit41;  // line
  SpinEdit* SpinEdit42;  // column
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QPushButton* Button2;
  PaintSurface* Image1;
  QGroupBox* RadioGroup1;
  QButtonGroup* RadioGroup1Items;
  QLabel* Label11;
  QPushButton* Button6;
  QPushButton* Button3;
  QPushButton* Button4;
  QGroupBox* GroupBox2;  // "Common key layout"
  SpinEdit* SpinEdit11;
  SpinEdit* SpinEdit12;
  SpinEdit* SpinEdit21;
  SpinEdit* SpinEdit22;
  SpinEdit* SpinEdit23;
  SpinEdit* SpinEdit24;
  QGroupBox* GroupBox3;  // "Finger layout"
  SpinEdit* SpinEdit31;
  SpinEdit* SpinEdit32;
  QPushButton* Button1;
  QPushButton* Button7;
  QPushButton* Button5;
  QPushButton* Button10;
  QPushButton* Button8;
  QPushButton* Button9;

  void BuildKeyGroup();
  void BuildCommonGroup();
  void BuildFingerGroup();
  void BuildButtons();
  void ConnectHandlers();
  // Runs a handler under the general error report.
  void Handle(void (TDefineQZ::*handler)());
  // Shows the layout just read in the controls.
  void ShowLoadedLayout();
  // Shows key n of the layout in the key editor; codesAbove127 as in KeyCharText.
  void ShowKey(int n, bool codesAbove127);
  // The key editor with no key to show: line 1, column 1, finger 0, empty boxes.
  void ShowNoKey();
  // The character box j, read by ParseKeyChar.
  char BoxChar(int j) const;
  int FingerEntry() const { return SpinEdit31->Value(); }

  WindowContext& context_;
  LayoutRec& layout_;
  TVKeyboard& keyboard_;
  TPalmForm& leftHand_;
  TPalmForm& rightHand_;
  std::array<QLineEdit*, kKeyChars> edits_{};
  std::array<bool, kMaxKeys> defined_{};
};
