#include "platform/form_controls.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/codepage.h"

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

QRect FittingScreen(const QWidget& window, QSize wanted) {
  // Of several screens, the one the learner works on, as Qt itself would choose.
  const QScreen* screen = QGuiApplication::screens().size() > 1
                              ? QGuiApplication::screenAt(QCursor::pos())
                              : window.screen();
  if (!screen) screen = window.screen();
  if (!screen) return QRect(window.pos(), wanted);
  // The client area is placed, not the frame, which is not known before the first showing:
  // room for borders of up to 8 pixels and a title bar of up to 40.
  const bool framed = !window.windowFlags().testFlag(Qt::FramelessWindowHint);
  const int border = framed ? 8 : 0;
  const int title = framed ? 40 : 0;
  const QRect free = screen->availableGeometry().adjusted(border, title, -border, -border);
  const QSize size = wanted.boundedTo(free.size());
  return QRect(free.x() + (free.width() - size.width()) / 2,
               free.y() + (free.height() - size.height()) / 2, size.width(), size.height());
}

QValidator::State CodePageValidator::validate(QString& input, int& position) const {
  QString kept;
  for (qsizetype i = 0; i < input.size(); ++i) {
    if (CharToByte(input[i])) {
      kept += input[i];
    } else if (i < position) {
      --position;
    }
  }
  input = kept;
  return Acceptable;
}
