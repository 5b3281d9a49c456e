#include "platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Answers the message box that QtDialogs shows with Enter, noting its default button first.
struct EnterOnTheBox {
  QString defaultButton;
  QString text;
  EnterOnTheBox() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      text = box->text();
      if (box->defaultButton()) defaultButton = box->defaultButton()->text().remove('&');
      QTest::keyClick(box, Qt::Key_Return);
    });
  }
};
}  // namespace

TEST(QtDialogs, EnterTakesNoWhereYesWouldLoseDataAndYesElsewhere) {
  QtDialogs dialogs;
  EnterOnTheBox careful;
  EXPECT_EQ(dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNoDefaultNo, "Delete?"),
            MessageAnswer::No);
  EXPECT_EQ(careful.text, "Delete?");
  EXPECT_EQ(careful.defaultButton, "No");

  EnterOnTheBox plain;
  EXPECT_EQ(dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNo, "Exit?"),
            MessageAnswer::Yes);
  EXPECT_EQ(plain.defaultButton, "Yes");
}
