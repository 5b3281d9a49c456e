#pragma once
// TPalmForm: a hand window, five fingers on a black background.
#include <QDialog>

class TPalmForm : public QDialog {
 public:
  explicit TPalmForm(QWidget* parent = nullptr);
  void SetHand(bool isLeft);
  bool IsLeft = false;
};
