// The real dialogs, answered as a learner would: each test acts on the modal dialog that the
// call puts up, from the dialog's own event loop.
#include "platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <tuple>

#include "support/temp_dir.h"

namespace {
// Runs act on the next modal dialog as soon as it is up; a dialog that never comes up is a
// failure of the test, not a hang.
template <class Dialog>
void WhenUp(std::function<void(Dialog&)> act) {
  auto* poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog && ++*tries < 500) return;
    poll->stop();
    poll->deleteLater();
    if (!dialog) return ADD_FAILURE() << "no dialog came up";
    act(*dialog);
  });
  poll->start(10);
}

struct QtDialogsTest : ::testing::Test {
  QtDialogs dialogs;
};
}  // namespace

TEST_F(QtDialogsTest, TheFontChooserReturnsColourUnderlineAndStrikeOutWithFaceAndSize) {
  Font font;
  font.face = "MS Sans Serif";  // kept although no such face is installed
  font.SetSize(10);
  font.color = clNavy;
  WhenUp<QDialog>([](QDialog& chooser) {
    auto* size = chooser.findChild<QSpinBox*>("SizeBox");
    EXPECT_EQ(chooser.findChild<QComboBox*>("FaceBox")->currentText(), "MS Sans Serif");
    EXPECT_EQ(size->value(), 10);
    EXPECT_EQ(chooser.findChild<QComboBox*>("ColorBox")->currentText(), "Navy");
    // Only the sizes asked for are offered.
    EXPECT_EQ(size->minimum(), 0);
    EXPECT_EQ(size->maximum(), 24);
    size->setValue(30);
    EXPECT_EQ(size->value(), 24);
    size->selectAll();
    QTest::keyClicks(size, "28");  // typed beyond the range: the nearest size, not "2"
    QTest::keyClick(size, Qt::Key_Return);
    EXPECT_EQ(size->value(), 24);
    size->setValue(12);
    chooser.findChild<QCheckBox*>("UnderlineBox")->setChecked(true);
    chooser.findChild<QCheckBox*>("StrikeOutBox")->setChecked(true);
    chooser.findChild<QComboBox*>("ColorBox")->setCurrentText("Red");
    chooser.accept();
  });
  ASSERT_TRUE(dialogs.ChooseFont(font, 0, 24, FontLooks::StyleAndColour));
  EXPECT_EQ(font.face, "MS Sans Serif");
  EXPECT_EQ(font.size, 12);
  EXPECT_EQ(font.height, -16);
  EXPECT_EQ(font.style, font_style::kUnderline | font_style::kStrikeOut);
  EXPECT_EQ(font.color, clRed);

  // A colour that is none of the basic ones is offered as it is; Cancel changes nothing.
  font.color = 0x123456;
  const Font before = font;
  WhenUp<QDialog>([](QDialog& chooser) {
    auto* colours = chooser.findChild<QComboBox*>("ColorBox");
    EXPECT_EQ(colours->currentData().value<Color>(), 0x123456u);
    colours->setCurrentText("Lime");
    chooser.reject();
  });
  EXPECT_FALSE(dialogs.ChooseFont(font, 1, 72, FontLooks::StyleAndColour));
  EXPECT_EQ(font, before);
}

TEST_F(QtDialogsTest, WithoutLooksTheChooserOffersFaceAndSizeAndShowsSize0AtTheDefault) {
  Font font;
  font.SetSize(10);
  font.style = font_style::kBold;
  font.color = clRed;
  WhenUp<QDialog>([](QDialog& chooser) {
    EXPECT_EQ(chooser.findChild<QCheckBox*>(), nullptr);
    EXPECT_EQ(chooser.findChild<QComboBox*>("ColorBox"), nullptr);
    chooser.findChild<QSpinBox*>("SizeBox")->setValue(0);
    EXPECT_EQ(chooser.findChild<QLabel*>("Sample")->font().pointSize(), 12);
    chooser.accept();
  });
  ASSERT_TRUE(dialogs.ChooseFont(font, 0, 24, FontLooks::None));
  EXPECT_EQ(std::tie(font.size, font.style, font.color), std::make_tuple(0, 1, clRed));
}

TEST_F(QtDialogsTest, ColourInputAndQuestionBoxesGiveTheAnswers) {
  Color color = clBlack;
  WhenUp<QColorDialog>([](QColorDialog& chooser) {
    chooser.setCurrentColor(QColor(0x12, 0x34, 0x56));
    chooser.accept();
  });
  ASSERT_TRUE(dialogs.ChooseColor(color));
  EXPECT_EQ(color, RGBColor(0x12, 0x34, 0x56));

  WhenUp<QInputDialog>([](QInputDialog& box) {
    EXPECT_EQ(box.windowTitle(), "Input Box");
    EXPECT_EQ(box.labelText(), "How many?");
    EXPECT_EQ(box.textValue(), "3");
    QLineEdit* edit = box.findChild<QLineEdit*>();
    edit->clear();
    for (const QChar ch : QString::fromUtf8("a\u2192b")) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(edit, &key);
    }
    EXPECT_EQ(box.textValue(), "ab");  // not "a?b": the arrow is no character of the code page
    edit->insert(QString::fromUtf8("\u0141\u00f3d\u017a!"));  // pasted: what it can hold is kept
    EXPECT_EQ(box.textValue(), QString::fromUtf8("ab\u00f3d!"));
    box.setTextValue("7");
    box.accept();
  });
  EXPECT_EQ(dialogs.InputBox("Input Box", "How many?", "3"), "7");
  WhenUp<QInputDialog>([](QInputDialog& box) {
    box.setTextValue("9");
    box.reject();
  });
  EXPECT_EQ(dialogs.InputBox("Input Box", "How many?", "3"), "3");  // Cancel: the default

  WhenUp<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.text(), "Do you want to exit?");
    box.button(QMessageBox::No)->click();
  });
  EXPECT_EQ(
      dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNo, "Do you want to exit?"),
      MessageAnswer::No);
}

TEST_F(QtDialogsTest, TheSaveDialogAddsTheDefaultExtension) {
  TempDir dir;
  WhenUp<QFileDialog>([&](QFileDialog& files) {
    EXPECT_EQ(files.nameFilters(), QStringList{"QZ Layout File (*.key)"});
    files.selectFile(QString::fromStdString(dir.File("mine")));
    static_cast<QDialog&>(files).accept();  // the dialog's own checks run
  });
  std::string path;
  ASSERT_TRUE(dialogs.ChooseSaveFile("QZ Layout File (*.key)|*.key", "key", path));
  EXPECT_EQ(path, dir.File("mine.key"));
}

TEST_F(QtDialogsTest, EnterTakesNoWhereYesWouldLoseDataAndYesElsewhere) {
  QString defaultButton;
  const auto enter = [&](QMessageBox& box) {
    defaultButton = box.defaultButton() ? box.defaultButton()->text().remove('&') : QString();
    // Space, typed on by a learner who has not looked up, presses the focused button.
    EXPECT_EQ(box.focusWidget(), box.defaultButton());
    QTest::keyClick(&box, Qt::Key_Return);
  };
  WhenUp<QMessageBox>(enter);
  EXPECT_EQ(dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNoDefaultNo, "Delete?"),
            MessageAnswer::No);
  EXPECT_EQ(defaultButton, "No");

  WhenUp<QMessageBox>(enter);
  EXPECT_EQ(dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNo, "Exit?"),
            MessageAnswer::Yes);
  EXPECT_EQ(defaultButton, "Yes");
}
