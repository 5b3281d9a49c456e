#include "settings/password_dlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("PasswordDlg");
  setWindowTitle(tr("Password Dialog"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(194, 93);

  auto* prompt = new QLabel(tr("Enter password:"), this);
  prompt->setObjectName("Label1");
  prompt->setGeometry(8, 8, 178, 18);
  Password = new QLineEdit(this);
  Password->setObjectName("Password");
  Password->setEchoMode(QLineEdit::Password);
  Password->setStyleSheet("lineedit-password-character: 42;");  // "*"
  Password->setGeometry(8, 28, 178, 24);
  prompt->setBuddy(Password);

  OKBtn = new QPushButton(tr("OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  OKBtn->setGeometry(24, 60, 70, 26);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  CancelBtn = new QPushButton(tr("Cancel"), this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(102, 60, 70, 26);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

QString TPasswordDlg::TypedPassword() const {
  return Password->text();
}
