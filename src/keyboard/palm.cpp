#include "keyboard/palm.h"

TPalmForm::TPalmForm(QWidget* parent) : QDialog(parent) {
  setObjectName("PalmForm");
  setWindowTitle("Palm");
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  resize(63, 106);
  move(163, 202);
}

void TPalmForm::SetHand(bool isLeft) { IsLeft = isLeft; }
