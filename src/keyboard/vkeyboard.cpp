#include "keyboard/vkeyboard.h"

TVKeyboard::TVKeyboard(QWidget* parent) : QDialog(parent) {
  setObjectName("VKeyboard");
  setWindowTitle("Virtual Keyboard");
  setWindowFlags(Qt::Tool);
  resize(497, 181);
  move(133, 210);
}
