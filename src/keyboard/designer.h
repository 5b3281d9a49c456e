#pragma once
// TDefineQZ: the layout designer.
#include <QDialog>

class TDefineQZ : public QDialog {
 public:
  explicit TDefineQZ(QWidget* parent = nullptr);
};
