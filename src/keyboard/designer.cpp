#include "keyboard/designer.h"

TDefineQZ::TDefineQZ(QWidget* parent) : QDialog(parent) {
  setObjectName("DefineQZ");
  setWindowTitle("Define VK & VH");
}
