#include "platform/form_controls.h"

QLabel* Caption(const char* text, QWidget* parent, int x, int y, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  if (buddy) label->setBuddy(buddy);
  return label;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent, const QRect& place,
                    const char* hint) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setAutoDefault(false);
  if (hint) button->setToolTip(hint);
  return button;
}
