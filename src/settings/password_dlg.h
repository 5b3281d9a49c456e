#pragma once
// TPasswordDlg: the password entry that guards the layout designer. It has no behaviour of its
// own; the Options window compares what was typed. Created once, so the typed text stays
// between uses.
#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPushButton;

class TPasswordDlg : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TPasswordDlg)

 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);
  QString TypedPassword() const;

 private:
  QLineEdit* Password;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};
