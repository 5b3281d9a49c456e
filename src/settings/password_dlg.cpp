#include "settings/password_dlg.h"

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("PasswordDlg");
  setWindowTitle("Password Dialog");
}
