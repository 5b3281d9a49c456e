#pragma once
// TVKeyboard: the on-screen keyboard window.
#include <QDialog>

class TVKeyboard : public QDialog {
 public:
  explicit TVKeyboard(QWidget* parent = nullptr);
};
