#include "keyboard/guide_windows.h"

#include <QEvent>
#include <QWindow>

GuideWindows::GuideWindows(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right)
    : keyboard_(keyboard), left_(left), right_(right) {
  for (QWidget* guide : Guides()) guide->installEventFilter(this);
}

void GuideWindows::ShowBelow(QWidget& practiceWindow) {
  keyboard_.TimerofKBTag = 1;
  if (practice_ != &practiceWindow) {
    if (practice_) practice_->removeEventFilter(this);
    practice_ = &practiceWindow;
    practice_->installEventFilter(this);
  }
  Place();
  // Shown once the practice window's own map request has gone out: a window manager keeps a
  // window above the one it is transient for only if that one was mapped first.
  QMetaObject::invokeMethod(
      this, [this] { ShowGuides(); }, Qt::QueuedConnection);
}

void GuideWindows::ShowGuides() {
  if (!practice_ || !practice_->isVisible()) return;
  Place();
  for (QWidget* guide : Guides()) {
    guide->winId();
    guide->windowHandle()->setTransientParent(practice_->windowHandle());
    guide->show();
  }
}

void GuideWindows::Place() {
  if (!practice_) return;
  const QRect practice = practice_->frameGeometry();
  const QRect board = keyboard_.frameGeometry();
  const QPoint boardPlace((practice.width() - board.width()) / 2 + practice.left(),
                          practice.top() + practice.height() + 15);
  const QPoint leftPlace(boardPlace.x() - left_.frameGeometry().width() - 5, boardPlace.y());
  const QPoint rightPlace(boardPlace.x() + board.width() + 5, boardPlace.y());
  const std::array<QPoint, 3> places{boardPlace, leftPlace, rightPlace};
  for (size_t i = 0; i < places.size(); ++i) {
    QWidget* guide = Guides()[i];
    frameSizes_[i] = guide->frameGeometry().size();
    if (guide->pos() != places[i]) guide->move(places[i]);  // pos and move: the frame's corner
  }
}

bool GuideWindows::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!practice_ || !practice_->isVisible() ||
      (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)) {
    return false;
  }
  if (watched == practice_) {
    Place();
    return false;
  }
  // A guide's own move changes nothing; only a frame of a new size does.
  const auto guides = Guides();
  for (size_t i = 0; i < guides.size(); ++i) {
    if (watched == guides[i] && guides[i]->frameGeometry().size() != frameSizes_[i]) Place();
  }
  return false;
}

void GuideWindows::HideGuides() {
  for (QWidget* guide : Guides()) {
    guide->hide();
    if (guide->windowHandle()) guide->windowHandle()->setTransientParent(nullptr);
  }
  if (practice_) practice_->removeEventFilter(this);
  practice_ = nullptr;
}

int GuideWindows::ShowNextKey(char ch) {
  return keyboard_.ShowNextKey(ch);
}

void GuideWindows::ClearNextKey() {
  keyboard_.ClearNextKey();
}

void GuideWindows::LightFinger(Hand hand, int finger) {
  HandWindow(hand).LightFinger(finger);
}

void GuideWindows::ClearFinger(Hand hand) {
  HandWindow(hand).ClearFinger();
}

TPalmForm& GuideWindows::HandWindow(Hand hand) {
  return hand == Hand::Left ? left_ : right_;
}
