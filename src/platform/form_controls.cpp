#include "platform/form_controls.h"

#include <QKeyEvent>
#include <QScreen>

namespace {
// Enter presses the button only while it has the focus, as Space does: a learner moving with
// Tab expects either key to press the focused button.
class FormButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};
}  // namespace

QLabel* Caption(const QString& text, QWidget* parent, int x, int y, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  if (buddy) label->setBuddy(buddy);
  return label;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent, const QRect& place,
                    const QString& hint) {
  auto* button = new FormButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setAutoDefault(false);
  button->setToolTip(hint);
  return button;
}

QSize FittingScreen(const QWidget& window, QSize wanted) {
  const QScreen* screen = window.screen();
  if (!screen) return wanted;
  const QSize frame(16, 48);  // borders and a title bar, roughly
  return wanted.boundedTo(screen->availableGeometry().size() - frame);
}
