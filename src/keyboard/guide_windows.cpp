#include "keyboard/guide_windows.h"

#include <QEvent>
#include <QWindow>

namespace {
constexpr int kSettleIntervalMs = 100;
constexpr int kSettleTicks = 20;
}  // namespace

GuideWindows::GuideWindows(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right)
    : keyboard_(keyboard), left_(left), right_(right) {
  settle_.setInterval(kSettleIntervalMs);
  connect(&settle_, &QTimer::timeout, this, [this] {
    Place();
    if (++settleTicks_ >= kSettleTicks) settle_.stop();
  });
}

void GuideWindows::ShowBelow(QWidget& practiceWindow) {
  keyboard_.LetKeysBlink();
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
  Settle();
}

void GuideWindows::Settle() {
  settleTicks_ = 0;
  settle_.start();
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
  const auto guides = Guides();
  for (size_t i = 0; i < places.size(); ++i) {
    // pos and move: the frame's corner
    if (guides[i]->pos() != places[i]) guides[i]->move(places[i]);
  }
}

bool GuideWindows::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == practice_ && practice_->isVisible() &&
      (type == QEvent::Move || type == QEvent::Resize)) {
    Place();
    Settle();
  }
  return false;
}

void GuideWindows::HideGuides() {
  settle_.stop();
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
