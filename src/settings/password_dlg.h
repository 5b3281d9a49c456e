#pragma once
// TPasswordDlg: the password entry that guards the layout designer.
#include <QDialog>

class TPasswordDlg : public QDialog {
 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);
};
