#include "keyboard/designer.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <set>

#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "support/controls.h"
#include "support/test_context.h"
#include "test_layouts.h"

namespace {
const std::string kUsLayout = std::string(QZ_SOURCE_DIR) + "/data/us.key";
constexpr const char* kNotInteger = "'x' is not a valid integer value";

Font ArialOf(int size, uint8_t style = 0, Color color = clBlack) {
  Font font;
  font.face = "Arial";
  font.SetSize(size);
  font.style = style;
  font.color = color;
  return font;
}

struct DesignerTest : ::testing::Test {
  TestContext t;
  LayoutRec layout;
  FlashPhase phase;
  TVKeyboard keyboard{layout, t.dialogs};
  TPalmForm left{layout, phase, t.dialogs};
  TPalmForm right{layout, phase, t.dialogs};
  TDefineQZ w{t.context, layout, keyboard, left, right};

  DesignerTest() {
    left.SetHand(true);
    right.SetHand(false);
  }
  ~DesignerTest() override {
    keyboard.hide();
    left.hide();
    right.hide();
  }

  // Typing into a number box replaces its text.
  static void Type(SpinEdit* box, const QString& text) { box->Editor()->setText(text); }
  static std::string Text(QLineEdit* box) {
    std::string bytes;
    QStringToBytes(box->text(), bytes);
    return bytes;
  }
  void SetChars(const std::array<std::string, kKeyChars>& texts) {
    for (int j = 1; j <= kKeyChars; ++j) w.Edit(j)->setText(BytesToQString(texts[j - 1]));
  }
  // Puts the key editor on key n and defines it with the given place, finger and characters.
  void DefineKey(int n, int line, int column, int finger,
                 const std::array<std::string, kKeyChars>& texts) {
    Type(Control<SpinEdit>(w, "SpinEdit40"), QString::number(n));
    Type(Control<SpinEdit>(w, "SpinEdit41"), QString::number(line));
    Type(Control<SpinEdit>(w, "SpinEdit42"), QString::number(column));
    Control<QButtonGroup>(w, "RadioGroup1Items")->button(finger)->click();
    SetChars(texts);
    Control<QPushButton>(w, "Button6")->click();
  }
  void Save(const std::string& name) {
    t.dialogs.files.push_back(t.dir.File(name));
    Control<QPushButton>(w, "Button5")->click();
  }
  void Load(const std::string& name) {
    t.dialogs.files.push_back(t.dir.File(name));
    Control<QPushButton>(w, "Button7")->click();
  }
  void WriteLayout(const std::string& name, const LayoutRec& written) {
    WriteLayoutFile(t.dir.File(name), written);
  }
  void CopyUsLayout() { std::filesystem::copy_file(kUsLayout, t.dir.File("us.key")); }
};
}  // namespace

TEST_F(DesignerTest, TheWindowIsBuiltAsDesigned) {
  EXPECT_EQ(w.windowTitle(), "Define VK & VH");
  EXPECT_EQ(w.size(), QSize(390, 335));
  EXPECT_EQ(w.font().family(), "Times New Roman");
  EXPECT_EQ(w.font().pixelSize(), 13);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(Control<QGroupBox>(w, "GroupBox1")->title(), "Key && finger");
  EXPECT_EQ(Control<QGroupBox>(w, "GroupBox2")->title(), "Common key layout");
  EXPECT_EQ(Control<QGroupBox>(w, "GroupBox3")->title(), "Finger layout");

  struct Box {
    const char* name;
    int min, max, value;
    const char* label;
    const char* hint;
  };
  const Box boxes[] = {
      {"SpinEdit40", 0, 1, 1, "Key num", "You must press \"Show Key\" to finish the definition"},
      {"SpinEdit41", 1, 4, 1, "Line", ""},
      {"SpinEdit42", 1, 14, 1, "Column", ""},
      {"SpinEdit11", 10, 100, 30, "Key width", "Valid for all keys"},
      {"SpinEdit12", 10, 100, 30, "Key height", ""},
      {"SpinEdit21", 1, 200, 1, "Offset 1", "Pixels to the left"},
      {"SpinEdit22", 1, 200, 1, "Offset 2", "For the second line of keys"},
      {"SpinEdit23", 1, 200, 1, "Offset 3", ""},
      {"SpinEdit24", 1, 200, 1, "Offset 4", ""},
      {"SpinEdit31", 1, 10, 1, "Finger", ""},
      {"SpinEdit32", 10, 150, 10, "Length", ""},
  };
  const QList<QLabel*> labels = w.findChildren<QLabel*>();
  for (const Box& expected : boxes) {
    auto* box = w.findChild<SpinEdit*>(expected.name);
    ASSERT_NE(box, nullptr) << expected.name;
    EXPECT_EQ(box->minimum(), expected.min) << expected.name;
    EXPECT_EQ(box->maximum(), expected.max) << expected.name;
    EXPECT_EQ(box->value(), expected.value) << expected.name;
    EXPECT_EQ(box->toolTip(), expected.hint) << expected.name;
    const auto label =
        std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == box; });
    ASSERT_NE(label, labels.end()) << expected.name;
    EXPECT_EQ((*label)->text(), expected.label);
  }

  struct Pressed {
    const char* name;
    const char* caption;
    const char* hint;
  };
  const Pressed buttons[] = {
      {"Button1", "Finger color...", ""},
      {"Button2", "Key color...", "Define the key color"},
      {"Button3", "Show key", "Show the effect of the key"},
      {"Button4", "Cancel key", "Cancel the setting for this key, you must fill it later"},
      {"Button5", "Save", ""},
      {"Button6", "Define key", "Must use this key to make definition take effect"},
      {"Button7", "Load", ""},
      {"Button8", "Show KB", ""},
      {"Button9", "Show hands", ""},
      {"Button10", "Close", ""},
  };
  for (const Pressed& expected : buttons) {
    auto* button = w.findChild<QPushButton*>(expected.name);
    ASSERT_NE(button, nullptr) << expected.name;
    EXPECT_EQ(button->text(), expected.caption);
    EXPECT_EQ(button->toolTip(), expected.hint);
  }

  for (int j = 1; j <= 4; ++j) {
    QLineEdit* box = w.findChild<QLineEdit*>(QString("Edit%1").arg(j));
    ASSERT_EQ(box, w.Edit(j));
    EXPECT_EQ(box->toolTip(), "Double click to define font and color");
    EXPECT_EQ(box->font().family(), "MS Sans Serif");
    EXPECT_TRUE(box->font().underline());
    EXPECT_EQ(box->text(), "");
  }
  // Characters 1 and 3 on top, 2 and 4 below, as on a key.
  EXPECT_LT(Control<QLineEdit>(w, "Edit1")->x(), Control<QLineEdit>(w, "Edit3")->x());
  EXPECT_EQ(Control<QLineEdit>(w, "Edit1")->y(), Control<QLineEdit>(w, "Edit3")->y());
  EXPECT_EQ(Control<QLineEdit>(w, "Edit2")->x(), Control<QLineEdit>(w, "Edit1")->x());
  EXPECT_GT(Control<QLineEdit>(w, "Edit2")->y(), Control<QLineEdit>(w, "Edit1")->y());
  EXPECT_EQ(Control<QLineEdit>(w, "Edit4")->x(), Control<QLineEdit>(w, "Edit3")->x());
  EXPECT_EQ(Control<QLineEdit>(w, "Edit4")->y(), Control<QLineEdit>(w, "Edit2")->y());

  EXPECT_EQ(Control<PaintSurface>(w, "Image1")->size(), QSize(77, 77));
  EXPECT_EQ(Control<QGroupBox>(w, "RadioGroup1")->title(), "Which finger to type");
  const QList<QRadioButton*> radios =
      Control<QGroupBox>(w, "RadioGroup1")->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 10);
  for (QRadioButton* radio : radios) EXPECT_EQ(radio->text(), "");
  EXPECT_EQ(w.RadioGroup1ItemIndex(), 0);
  EXPECT_EQ(Control<QLabel>(w, "Label11")->text(), "L  L   L   L  L  R   R  R  R  R     ");

  EXPECT_EQ(w.KeyChars(), (std::array<char, 4>{' ', ' ', ' ', ' '}));
  for (int n = 1; n <= kMaxKeys; ++n) EXPECT_FALSE(w.Defined(n));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DesignerTest, FromNothingTheFirstKeyIsDefinedAndTheSecondBegun) {
  t.dialogs.colors.push_back(0x00C0FF);
  Control<QPushButton>(w, "Button2")->click();
  t.dialogs.fonts.push_back(ArialOf(9, font_style::kBold));
  QTest::mouseDClick(Control<QLineEdit>(w, "Edit1"), Qt::LeftButton);
  DefineKey(1, 2, 3, 4, {"a", "", "//", "/65"});

  EXPECT_EQ(layout.KeyCount, 1);
  EXPECT_TRUE(w.Defined(1));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 2);
  const KeyRec& key = layout.KeyAt(1);
  EXPECT_EQ(key.Color, 0x00C0FFu);
  EXPECT_EQ(key.Line, 2);
  EXPECT_EQ(key.Column, 3);
  EXPECT_EQ(key.Finger, 4);
  EXPECT_EQ(key.Chars, (std::array<char, 4>{'a', ' ', '/', 'A'}));
  EXPECT_EQ(key.Fonts[0], ArialOf(9, font_style::kBold));
  EXPECT_EQ(key.Fonts[1], Font{});
  EXPECT_TRUE(t.dialogs.messages.empty());

  // A number not defined yet warns and leaves the editor as it was.
  Type(Control<SpinEdit>(w, "SpinEdit40"), "2");
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"This key is not defined yet."});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit3")), "//");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit41")->value(), 2);

  // Going back to key 1 shows it in the box notation.
  SetChars({"", "", "", ""});
  Type(Control<SpinEdit>(w, "SpinEdit40"), "1");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit1")), "a");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit2")), " ");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit3")), "//");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit4")), "A");
  EXPECT_EQ(w.RadioGroup1ItemIndex(), 4);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit42")->value(), 3);
  EXPECT_EQ(w.KeyChars(), (std::array<char, 4>{'a', ' ', '/', 'A'}));

  // Defined again as shown, the key is unchanged and no new number is counted.
  const KeyRec before = key;
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(layout.KeyAt(1), before);
  EXPECT_EQ(layout.KeyCount, 1);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 2);
}

TEST_F(DesignerTest, HighCodesShowAsNumbersWhenChosenAndAsThemselvesAfterALoad) {
  DefineKey(1, 1, 1, 0, {"/233", "/321", "\xE9", "/0"});
  EXPECT_EQ(layout.KeyAt(1).Chars, (std::array<char, 4>{'\xE9', 'A', '\xE9', '\0'}));
  DefineKey(2, 1, 2, 1, {"b", "", "", ""});
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"This key is not defined yet."});
  Type(Control<SpinEdit>(w, "SpinEdit40"), "1");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit1")), "/233");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit2")), "A");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit3")), "/233");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit4")), std::string(1, '\0'));
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(layout.KeyAt(1).Chars, (std::array<char, 4>{'\xE9', 'A', '\xE9', '\0'}));

  // The loaded layout's last key has the character: its box shows it as itself.
  Type(Control<SpinEdit>(w, "SpinEdit40"), "2");
  SetChars({"/233", "//", "", ""});
  Control<QPushButton>(w, "Button6")->click();
  Save("high.key");
  layout = LayoutRec{};
  Load("high.key");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 2);
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit1")), "\xE9");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit2")), "//");
  EXPECT_EQ(w.KeyChars(), (std::array<char, 4>{'\xE9', '/', ' ', ' '}));
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(layout.KeyAt(2).Chars, (std::array<char, 4>{'\xE9', '/', ' ', ' '}));
  EXPECT_EQ(t.dialogs.messages.size(), 1u);
}

TEST_F(DesignerTest, ABadBoxStopsDefineKeyWithWhatCameBeforeStored) {
  KeyRec& key = layout.KeyAt(1);
  key.Chars = {'p', 'q', 'r', 's'};
  t.dialogs.colors.push_back(0x123456);
  Control<QPushButton>(w, "Button2")->click();
  t.dialogs.fonts.push_back(ArialOf(12));
  w.EditDblClick(1);
  DefineKey(1, 3, 7, 6, {"b", "/x", "c", "d"});

  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kNotInteger});
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(key.Color, 0x123456u);
  EXPECT_EQ(key.Line, 3);
  EXPECT_EQ(key.Column, 7);
  EXPECT_EQ(key.Finger, 6);
  EXPECT_EQ(key.Chars, (std::array<char, 4>{'b', 'q', 'r', 's'}));
  EXPECT_EQ(key.Fonts[0], Font{});  // fonts not copied
  EXPECT_EQ(layout.KeyCount, 0);
  EXPECT_FALSE(w.Defined(1));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 1);

  Control<QLineEdit>(w, "Edit2")->setText("/");
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(t.dialogs.Texts().back(), "'' is not a valid integer value");
  Control<QLineEdit>(w, "Edit2")->setText("/66");
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(key.Chars, (std::array<char, 4>{'b', 'B', 'c', 'd'}));
  EXPECT_EQ(key.Fonts[0], ArialOf(12));
  EXPECT_EQ(layout.KeyCount, 1);
}

TEST_F(DesignerTest, LeavingACharacterBoxTakesItsCharacterForTheSample) {
  const auto leave = [](QLineEdit* box) {
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(box, &out);
  };
  Control<QLineEdit>(w, "Edit3")->setText("/66");
  leave(Control<QLineEdit>(w, "Edit3"));
  Control<QLineEdit>(w, "Edit1")->setText("//");
  leave(Control<QLineEdit>(w, "Edit1"));
  EXPECT_EQ(w.KeyChars(), (std::array<char, 4>{'/', ' ', 'B', ' '}));
  Control<QLineEdit>(w, "Edit3")->setText("/x");
  leave(Control<QLineEdit>(w, "Edit3"));
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kNotInteger});
  EXPECT_EQ(w.KeyChars()[2], 'B');

  // "Show key" draws the current key at (1, 1) in the layout's key size.
  t.dialogs.colors.push_back(0x00FF00);
  Control<QPushButton>(w, "Button2")->click();
  Type(Control<SpinEdit>(w, "SpinEdit11"), "60");
  Control<QPushButton>(w, "Button3")->click();
  ImageCanvas& sample = w.SampleCanvas();
  const Color background = sample.PixelAt(76, 76);
  EXPECT_EQ(sample.PixelAt(0, 0), background);
  EXPECT_EQ(sample.PixelAt(58, 28), 0x00FF00u);
  EXPECT_EQ(sample.PixelAt(58, 31), background);
  EXPECT_EQ(w.ShownKey().Chars, (std::array<char, 4>{'/', ' ', 'B', ' '}));
  // A smaller key replaces the larger one entirely.
  Type(Control<SpinEdit>(w, "SpinEdit11"), "20");
  Control<QPushButton>(w, "Button3")->click();
  EXPECT_EQ(sample.PixelAt(18, 28), 0x00FF00u);
  EXPECT_EQ(sample.PixelAt(40, 10), background);
}

TEST_F(DesignerTest, ChoosersKeepTheLastChoiceAndCancelGoesBackToIt) {
  // Key colour.
  t.dialogs.colors = {0x0000AA, std::nullopt};
  Control<QPushButton>(w, "Button2")->click();
  EXPECT_EQ(w.KeyColor(), 0x0000AAu);
  EXPECT_EQ(w.LastChosenKeyColor(), 0x0000AAu);
  DefineKey(1, 1, 1, 0, {"a", "", "", ""});
  layout.KeyAt(1).Color = 0x777777;
  Type(Control<SpinEdit>(w, "SpinEdit40"), "0");  // goes to 1 and shows key 1
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 1);
  EXPECT_EQ(w.KeyColor(), 0x777777u);
  Control<QPushButton>(w, "Button2")->click();  // cancelled
  EXPECT_EQ(w.KeyColor(), 0x0000AAu);
  EXPECT_EQ(t.dialogs.colorsOffered, (std::vector<Color>{clBlack, 0x0000AA}));

  // Finger colour: the same chooser; cancelling makes the finger green.
  Type(Control<SpinEdit>(w, "SpinEdit31"), "3");
  t.dialogs.colors = {0x123456, std::nullopt};
  Control<QPushButton>(w, "Button1")->click();
  EXPECT_EQ(layout.FingerAt(3).Color, 0x123456u);
  Control<QPushButton>(w, "Button1")->click();
  EXPECT_EQ(layout.FingerAt(3).Color, clGreen);
  EXPECT_EQ(t.dialogs.colorsOffered.back(), 0x123456u);

  // Fonts, by a double click on a character box, or F2 there.
  t.dialogs.fonts = {ArialOf(8, font_style::kItalic, clNavy), std::nullopt};
  QTest::keyClick(Control<QLineEdit>(w, "Edit4"), Qt::Key_F2);
  EXPECT_EQ(w.KeyFonts()[3], ArialOf(8, font_style::kItalic, clNavy));
  EXPECT_EQ(w.LastChosenKeyFonts()[3], ArialOf(8, font_style::kItalic, clNavy));
  layout.KeyAt(1).Fonts[3] = ArialOf(20);
  Type(Control<SpinEdit>(w, "SpinEdit40"), "");  // no number: the minimum, 0, which goes to 1
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->text(), "1");
  EXPECT_EQ(w.KeyFonts()[3], ArialOf(20));
  QTest::mouseDClick(Control<QLineEdit>(w, "Edit4"), Qt::LeftButton);  // cancelled
  EXPECT_EQ(w.KeyFonts()[3], ArialOf(8, font_style::kItalic, clNavy));
  EXPECT_EQ(t.dialogs.fontsOffered.back(), ArialOf(8, font_style::kItalic, clNavy));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DesignerTest, CommonLayoutAndFingerBoxesWriteTheLayout) {
  Type(Control<SpinEdit>(w, "SpinEdit11"), "44");
  Type(Control<SpinEdit>(w, "SpinEdit12"), "36");
  Type(Control<SpinEdit>(w, "SpinEdit21"), "5");
  Type(Control<SpinEdit>(w, "SpinEdit22"), "51");
  Type(Control<SpinEdit>(w, "SpinEdit23"), "60");
  Type(Control<SpinEdit>(w, "SpinEdit24"), "77");
  EXPECT_EQ(layout.KeyWidth, 44);
  EXPECT_EQ(layout.KeyHeight, 36);
  EXPECT_EQ(layout.Offset, (std::array<int32_t, 4>{5, 51, 60, 77}));
  // Text that is no number counts as the minimum, until the box shows its value again.
  Type(Control<SpinEdit>(w, "SpinEdit11"), "");
  EXPECT_EQ(layout.KeyWidth, 10);
  Type(Control<SpinEdit>(w, "SpinEdit11"), "5");
  EXPECT_EQ(layout.KeyWidth, 10);
  Type(Control<SpinEdit>(w, "SpinEdit11"), "55");
  EXPECT_EQ(layout.KeyWidth, 55);

  layout.FingerAt(4).Length = 54;
  Type(Control<SpinEdit>(w, "SpinEdit31"), "4");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit32")->value(), 54);
  Type(Control<SpinEdit>(w, "SpinEdit32"), "70");
  EXPECT_EQ(layout.FingerAt(4).Length, 70);
  EXPECT_EQ(layout.FingerAt(1).Length, 0);
  // A finger entry shorter than the box allows is shown as 10, and stays as it is.
  Type(Control<SpinEdit>(w, "SpinEdit31"), "9");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit32")->value(), 10);
  EXPECT_EQ(layout.FingerAt(9).Length, 0);
}

TEST_F(DesignerTest, ALoadShowsTheLayoutWithItsLastKey) {
  CopyUsLayout();
  LayoutRec us;
  ReadLayoutFile(kUsLayout, us);
  w.ReadLayoutFile("US.KEY");  // a bare name, found in the working folder

  EXPECT_EQ(layout, us);  // the boxes write back only what they change
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit21")->value(), 1);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit22")->value(), 52);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit24")->value(), 78);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 49);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 48);
  EXPECT_TRUE(w.Defined(48));
  EXPECT_FALSE(w.Defined(49));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit41")->value(), 4);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit42")->value(), 4);
  EXPECT_EQ(w.RadioGroup1ItemIndex(), 5);
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit1")), " ");
  EXPECT_EQ(w.LastChosenKeyColor(), us.KeyAt(48).Color);
  EXPECT_EQ(w.KeyColor(), us.KeyAt(48).Color);
  EXPECT_EQ(w.LastChosenKeyFonts(), us.KeyAt(48).Fonts);
  EXPECT_EQ(w.KeyFonts(), us.KeyAt(48).Fonts);

  // Loaded again with the editor on that key already, every part of it is shown anew.
  Control<QButtonGroup>(w, "RadioGroup1Items")->button(0)->click();
  t.dialogs.colors.push_back(clRed);
  Control<QPushButton>(w, "Button2")->click();
  w.ReadLayoutFile(t.dir.File("us.key"));
  EXPECT_EQ(w.RadioGroup1ItemIndex(), 5);
  EXPECT_EQ(w.KeyColor(), us.KeyAt(48).Color);
  EXPECT_TRUE(t.dialogs.messages.empty());

  Type(Control<SpinEdit>(w, "SpinEdit40"), "14");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit1")), "Q");
  EXPECT_EQ(Text(Control<QLineEdit>(w, "Edit2")), " ");
  EXPECT_EQ(w.RadioGroup1ItemIndex(), 0);
}

TEST_F(DesignerTest, EveryShippedLayoutLoadsAndSavesAsTheSameFile) {
  // Each comes after a layout unlike it, so that every box has something to change.
  LayoutRec other = GridLayout(30);
  other.Offset = {20, 30, 40, 50};
  other.KeyWidth = other.KeyHeight = 40;
  for (int n = 1; n <= kFingerCount; ++n) other.FingerAt(n).Length = 100;
  WriteLayout("other.key", other);
  for (const std::string name : {"us", "uk", "dvorak", "colemak", "de", "fr"}) {
    w.ReadLayoutFile(t.dir.File("other.key"));
    const std::string shipped = std::string(QZ_SOURCE_DIR) + "/data/" + name + ".key";
    w.ReadLayoutFile(shipped);
    Save(name + ".key");
    EXPECT_TRUE(t.dir.Read(name + ".key") == ReadWholeFile(shipped)) << name << " changed";
  }
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DesignerTest, CancellingAKeyCountsItOutUntilItIsDefinedAgain) {
  CopyUsLayout();
  w.ReadLayoutFile("us.key");
  const KeyRec spaceBar = layout.KeyAt(48);

  Type(Control<SpinEdit>(w, "SpinEdit40"), "5");
  t.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
  Control<QPushButton>(w, "Button4")->click();
  EXPECT_EQ(layout.KeyCount, 48);
  Control<QPushButton>(w, "Button4")->click();
  EXPECT_EQ(layout.KeyCount, 47);
  EXPECT_FALSE(w.Defined(5));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 49);
  ASSERT_EQ(t.dialogs.messages.size(), 2u);
  for (const auto& shown : t.dialogs.messages) {
    EXPECT_EQ(shown.text, "If you cancel it, you must fill it later with another setting.");
    EXPECT_EQ(shown.kind, MessageKind::Warning);
    EXPECT_EQ(shown.buttons, MessageButtons::YesNo);
  }
  Control<QPushButton>(w, "Button4")->click();  // not defined now: no question
  EXPECT_EQ(t.dialogs.messages.size(), 2u);

  Type(Control<SpinEdit>(w, "SpinEdit40"), "4");
  Type(Control<SpinEdit>(w, "SpinEdit40"), "5");
  EXPECT_EQ(t.dialogs.Texts().back(), "This key is not defined yet.");
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(layout.KeyCount, 48);
  EXPECT_TRUE(w.Defined(5));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 50);
  EXPECT_EQ(layout.KeyAt(48), spaceBar);
  EXPECT_EQ(layout.KeyAt(5), layout.KeyAt(4));  // the editor still showed key 4
}

TEST_F(DesignerTest, ARecordBroughtIntoUseUncheckedDrawsNoCharacterLargerThanTheBoxesSet) {
  LayoutRec us;
  ReadLayoutFile(kUsLayout, us);
  for (int n = 49; n <= kMaxKeys; ++n) {  // not in use, so not checked by the reader
    for (Font& font : us.KeyAt(n).Fonts) font.SetSize(5000);
  }
  WriteLayout("odd.key", us);
  Load("odd.key");
  for (int pair = 0; pair < 2; ++pair) {  // each pair raises the bound by one
    t.dialogs.answers = {MessageAnswer::Yes};
    Type(Control<SpinEdit>(w, "SpinEdit40"), "5");
    Control<QPushButton>(w, "Button4")->click();
    Control<QPushButton>(w, "Button6")->click();
  }
  DefineKey(50, 1, 2, 0, {"b", "", "", ""});  // record 49 comes into use as the file has it
  ASSERT_EQ(layout.KeyCount, 49);
  Control<QPushButton>(w, "Button8")->click();
  for (const Font& font : keyboard.Key(49).Fonts) EXPECT_EQ(font.size, kKeyFontMaxSize);
}

TEST_F(DesignerTest, TheGuidesItShowsLeaveItsButtonsInReach) {
  CopyUsLayout();
  w.ReadLayoutFile("us.key");
  w.show();
  Control<QPushButton>(w, "Button8")->click();
  Control<QPushButton>(w, "Button9")->click();
  for (const char* name : {"Button7", "Button10", "Button9"}) {
    QPushButton* button = Control<QPushButton>(w, name);
    for (QWidget* guide : std::initializer_list<QWidget*>{&keyboard, &left, &right})
      EXPECT_FALSE(guide->frameGeometry().contains(button->mapToGlobal(button->rect().center())));
  }
}

TEST_F(DesignerTest, TheKeyNumberNeverGoesAboveSixty) {
  // 59 keys on the four lines (two to a place where the grid runs out) and the space bar.
  LayoutRec sixty = GridLayout(48);
  for (int n = 48; n < 60; ++n) sixty.KeyAt(n) = sixty.KeyAt(n - 47);
  sixty.KeyAt(60) = GridLayout(48).KeyAt(48);
  sixty.KeyCount = 60;
  WriteLayout("sixty.key", sixty);
  Load("sixty.key");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 60);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 60);
  Type(Control<SpinEdit>(w, "SpinEdit40"), "59");
  Control<QPushButton>(w, "Button6")->click();
  t.dialogs.answers = {MessageAnswer::Yes};
  Control<QPushButton>(w, "Button4")->click();
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(layout.KeyCount, 60);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 60);
  Control<SpinEdit>(w, "SpinEdit40")->SetValue(61);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 60);
  EXPECT_EQ(
      t.dialogs.Texts(),
      std::vector<std::string>{"If you cancel it, you must fill it later with another setting."});
  EXPECT_EQ(t.dialogs.fileFilters, std::vector<std::string>{"QZ Layout File (*.key)|*.key"});
}

TEST_F(DesignerTest, OutOfRangeValuesFromAFileShowAsTheNearestBoundAndStayAsTheyAre) {
  LayoutRec odd = GridLayout(3);
  odd.KeyWidth = 5;
  odd.FingerAt(1).Length = 200;
  WriteLayout("odd.key", odd);
  Load("odd.key");
  EXPECT_EQ(std::make_pair(Control<SpinEdit>(w, "SpinEdit11")->value(),
                           Control<SpinEdit>(w, "SpinEdit32")->value()),
            std::make_pair(10, 150));
  EXPECT_EQ(std::make_pair(layout.KeyWidth, layout.FingerAt(1).Length), std::make_pair(5, 200));
  Save("again.key");
  EXPECT_EQ(t.dir.Read("again.key"), t.dir.Read("odd.key"));
}

TEST_F(DesignerTest, ALayoutWithoutKeysShowsKeyOneUndefined) {
  CopyUsLayout();
  w.ReadLayoutFile("us.key");
  Type(Control<SpinEdit>(w, "SpinEdit40"), "30");
  LayoutRec empty;
  empty.KeyAt(1).Chars = {'z', 'z', 'z', 'z'};
  empty.KeyAt(1).Line = 3;
  WriteLayout("empty.key", empty);
  Load("empty.key");
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 1);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 1);
  EXPECT_FALSE(w.Defined(1));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit41")->value(), 1);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit42")->value(), 1);
  EXPECT_EQ(w.RadioGroup1ItemIndex(), 0);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(Text(w.Edit(j)), "");
  EXPECT_EQ(w.KeyChars(), (std::array<char, 4>{' ', ' ', ' ', ' '}));

  Control<QLineEdit>(w, "Edit1")->setText("k");
  Control<QPushButton>(w, "Button6")->click();
  EXPECT_EQ(layout.KeyCount, 1);
  EXPECT_EQ(layout.KeyAt(1).Chars, (std::array<char, 4>{'k', ' ', ' ', ' '}));
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->maximum(), 2);
}

TEST_F(DesignerTest, TwoKeysOnOnePlaceShowTheLaterOneAndFindTheEarlier) {
  t.dialogs.colors = {0x0000FF, 0xFF0000, 0x00FF00};
  Control<QPushButton>(w, "Button2")->click();
  DefineKey(1, 1, 1, 2, {"X", "", "", ""});
  Control<QPushButton>(w, "Button2")->click();
  DefineKey(2, 1, 1, 7, {"X", "", "", ""});
  Control<QPushButton>(w, "Button2")->click();
  DefineKey(3, 1, 2, 4, {"", "", "", ""});

  Control<QPushButton>(w, "Button8")->click();  // "Show KB"
  ASSERT_TRUE(keyboard.isVisible());
  EXPECT_TRUE(Control<QTimer>(keyboard, "TimerofKB")->isActive());
  ASSERT_EQ(keyboard.KeyCount(), 3);
  EXPECT_EQ(keyboard.Key(1).left, 30);
  EXPECT_EQ(keyboard.Key(1).top, 30);
  EXPECT_EQ(keyboard.KeyboardCanvas().PixelAt(58, 58), 0xFF0000u);
  EXPECT_EQ(keyboard.ShowNextKey('x'), 2);
  Control<QPushButton>(w, "Button8")->click();
  EXPECT_FALSE(keyboard.isVisible());
}

TEST_F(DesignerTest, ShowHandsTakesTheFingersBeingEdited) {
  Type(Control<SpinEdit>(w, "SpinEdit32"), "40");
  t.dialogs.colors = {0x0000FF};
  Control<QPushButton>(w, "Button1")->click();
  Type(Control<SpinEdit>(w, "SpinEdit31"), "10");
  Type(Control<SpinEdit>(w, "SpinEdit32"), "90");
  Control<QPushButton>(w, "Button9")->click();
  ASSERT_TRUE(left.isVisible());
  ASSERT_TRUE(right.isVisible());
  EXPECT_EQ(left.Finger(1).length, 40);
  EXPECT_EQ(left.Finger(1).colour, 0x0000FFu);
  EXPECT_EQ(right.Finger(1).length, 90);
  EXPECT_EQ(left.height(), 60);  // the left hand's longest finger + 20
  Control<QPushButton>(w, "Button9")->click();
  EXPECT_FALSE(left.isVisible());
  EXPECT_FALSE(right.isVisible());
}

TEST_F(DesignerTest, SaveRefusesWhatTheReaderWouldRefuseAndWritesNothing) {
  DefineKey(1, 1, 1, 0, {"A", "", "", ""});
  t.dialogs.answers = {MessageAnswer::Yes};
  Control<QPushButton>(w, "Button4")->click();
  // Key 1 again, then keys past the end: key 2 is never defined but now counted.
  DefineKey(1, 1, 1, 0, {"A", "", "", ""});
  DefineKey(3, 1, 2, 1, {"B", "", "", ""});
  DefineKey(4, 1, 3, 2, {"C", "", "", ""});
  ASSERT_EQ(layout.KeyCount, 3);
  Save("bad.key");
  EXPECT_EQ(t.dialogs.Texts().back(), "Invalid layout: key 2 is on line 0, outside 1..4");
  EXPECT_EQ(t.dialogs.messages.back().kind, MessageKind::Error);
  EXPECT_FALSE(std::filesystem::exists(t.dir.File("bad.key")));
}

TEST_F(DesignerTest, FileFailuresAreReportedAndChangeNothing) {
  CopyUsLayout();
  w.ReadLayoutFile("us.key");
  const LayoutRec before = layout;
  Load("missing.key");
  t.dialogs.files.push_back(std::nullopt);
  Control<QPushButton>(w, "Button7")->click();  // cancelled
  t.dir.Write("short.key", std::string(100, '\0'));
  Load("short.key");
  std::filesystem::create_directory(t.dir.File("folder.key"));
  Save("folder.key");
  t.dialogs.files.push_back(std::nullopt);
  Control<QPushButton>(w, "Button5")->click();  // cancelled
  EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{
                                   "File not found", "Read beyond end of file", "Is a directory"}));
  for (const auto& shown : t.dialogs.messages) EXPECT_EQ(shown.kind, MessageKind::Error);
  EXPECT_EQ(layout, before);
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit40")->value(), 48);
  EXPECT_EQ(t.dialogs.fileFilters.size(), 5u);
  for (const std::string& filter : t.dialogs.fileFilters) {
    EXPECT_EQ(filter, "QZ Layout File (*.key)|*.key");
  }
  EXPECT_EQ(t.dialogs.defaultExtensions, (std::vector<std::string>{"key", "key"}));
}

namespace {
// How a designer writes a character into a box.
std::string Typed(char ch) {
  const auto code = static_cast<unsigned char>(ch);
  if (ch == ' ') return "";
  if (ch == '/') return "//";
  if (code < 32 || code >= 128) return "/" + std::to_string(code);
  return std::string(1, ch);
}
}  // namespace

TEST_F(DesignerTest, TheShippedUsLayoutTypedInIsSavedAsTheSameFile) {
  LayoutRec us;
  ReadLayoutFile(kUsLayout, us);

  for (int n = 1; n <= us.KeyCount; ++n) {
    const KeyRec& key = us.KeyAt(n);
    if (n > 1) Type(Control<SpinEdit>(w, "SpinEdit40"), QString::number(n));
    if (w.KeyColor() != key.Color) {
      t.dialogs.colors.push_back(key.Color);
      Control<QPushButton>(w, "Button2")->click();
    }
    for (int j = 1; j <= kKeyChars; ++j) {
      if (w.KeyFonts()[j - 1] == key.Fonts[j - 1]) continue;
      t.dialogs.fonts.push_back(key.Fonts[j - 1]);
      QTest::mouseDClick(w.Edit(j), Qt::LeftButton);
    }
    Type(Control<SpinEdit>(w, "SpinEdit41"), QString::number(key.Line));
    Type(Control<SpinEdit>(w, "SpinEdit42"), QString::number(key.Column));
    Control<QButtonGroup>(w, "RadioGroup1Items")->button(key.Finger)->click();
    for (int j = 1; j <= kKeyChars; ++j) {
      w.Edit(j)->setText(BytesToQString(Typed(key.Chars[j - 1])));
    }
    Control<QPushButton>(w, "Button6")->click();
  }
  Type(Control<SpinEdit>(w, "SpinEdit11"), QString::number(us.KeyWidth));
  Type(Control<SpinEdit>(w, "SpinEdit12"), QString::number(us.KeyHeight));
  // The box shows 1 for the new layout's 0: moved away and back, it writes the 1.
  Type(Control<SpinEdit>(w, "SpinEdit21"), "2");
  Type(Control<SpinEdit>(w, "SpinEdit21"), QString::number(us.OffsetOf(1)));
  Type(Control<SpinEdit>(w, "SpinEdit22"), QString::number(us.OffsetOf(2)));
  Type(Control<SpinEdit>(w, "SpinEdit23"), QString::number(us.OffsetOf(3)));
  Type(Control<SpinEdit>(w, "SpinEdit24"), QString::number(us.OffsetOf(4)));
  for (int e = 1; e <= kFingerCount; ++e) {
    Type(Control<SpinEdit>(w, "SpinEdit31"), QString::number(e));
    Type(Control<SpinEdit>(w, "SpinEdit32"), QString::number(us.FingerAt(e).Length));
    t.dialogs.colors.push_back(us.FingerAt(e).Color);
    Control<QPushButton>(w, "Button1")->click();
  }
  Save("typed.key");

  EXPECT_EQ(layout, us);
  LayoutRec readBack;
  ReadLayoutFile(t.dir.File("typed.key"), readBack);
  EXPECT_EQ(readBack, us);
  EXPECT_EQ(t.dir.Read("typed.key"), ReadWholeFile(kUsLayout));
  // Each new key number was begun with the warning.
  EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>(47, "This key is not defined yet."));
  EXPECT_TRUE(t.dialogs.colors.empty());
  EXPECT_TRUE(t.dialogs.fonts.empty());
}

TEST_F(DesignerTest, FingerLettersStandUnderTheirButtonsAndBoxesHoldTheCodeNotation) {
  w.show();
  // Columns of Label11 with ink, grouped into letters: one under each finger button.
  QImage caption(Control<QLabel>(w, "Label11")->size(), QImage::Format_RGB32);
  caption.fill(Qt::white);
  Control<QLabel>(w, "Label11")->render(&caption, {}, {}, QWidget::DrawChildren);
  std::vector<std::pair<int, int>> letters;  // first and last inked column
  for (int x = 0; x < caption.width(); ++x) {
    bool inked = false;
    for (int y = 0; y < caption.height() && !inked; ++y) inked = qGray(caption.pixel(x, y)) < 128;
    if (!inked) continue;
    if (letters.empty() || letters.back().second < x - 1) letters.push_back({x, x});
    letters.back().second = x;
  }
  ASSERT_EQ(letters.size(), 10u);
  std::set<QString> names;  // what a screen reader tells apart
  for (int item = 0; item < 10; ++item) {
    QRadioButton* radio = w.findChild<QRadioButton*>(QString("RadioGroup1Item%1").arg(item));
    names.insert(radio->accessibleName());
    const QRect button(radio->mapTo(Control<QGroupBox>(w, "GroupBox1"), QPoint(0, 0)) -
                           Control<QLabel>(w, "Label11")->pos(),
                       radio->size());
    const int centre = (letters[item].first + letters[item].second) / 2;
    EXPECT_GE(centre, button.left()) << item;
    EXPECT_LE(centre, button.right()) << item;
  }

  // "/233" shows whole: a wider box would show no more of it.
  const auto inkWidth = [](QLineEdit* box) {
    const QImage image = box->grab().toImage();
    int first = image.width(), last = -1;
    for (int x = 3; x < image.width() - 3; ++x) {
      for (int y = 3; y < image.height() - 3; ++y) {
        if (qGray(image.pixel(x, y)) < 128) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
    }
    return last - first;
  };
  for (int j = 1; j <= 4; ++j) {
    w.Edit(j)->setText("/233");
    names.insert(w.Edit(j)->accessibleName());
  }
  names.erase("");
  EXPECT_EQ(names.size(), 14u);
  const int shown = inkWidth(Control<QLineEdit>(w, "Edit1"));
  Control<QLineEdit>(w, "Edit1")
      ->resize(Control<QLineEdit>(w, "Edit1")->width() + 40,
               Control<QLineEdit>(w, "Edit1")->height());
  EXPECT_EQ(inkWidth(Control<QLineEdit>(w, "Edit1")), shown);
  EXPECT_FALSE(Control<QLineEdit>(w, "Edit3")
                   ->geometry()
                   .intersects(Control<PaintSurface>(w, "Image1")->geometry()));
  EXPECT_LE(Control<PaintSurface>(w, "Image1")->geometry().right(),
            Control<QGroupBox>(w, "GroupBox1")->contentsRect().right());
}

TEST_F(DesignerTest, ALoadShowsTheFingerLengthSoTheArrowStepsFromIt) {
  LayoutRec first = GridLayout(3);
  first.FingerAt(1).Length = 40;
  WriteLayout("first.key", first);
  LayoutRec second = GridLayout(3);
  second.FingerAt(1).Length = 60;
  WriteLayout("second.key", second);
  Load("first.key");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit32")->value(), 40);
  Load("second.key");
  EXPECT_EQ(Control<SpinEdit>(w, "SpinEdit32")->value(), 60);
  Control<SpinEdit>(w, "SpinEdit32")->stepUp();  // a click on the arrow
  EXPECT_EQ(layout.FingerAt(1).Length, 61);
}
