#include "keyboard/guide_windows.h"

#include <QEvent>
#include <QWindow>

namespace {
constexpr int kSettleIntervalMs = 100;
constexpr int kSettleTicks = 20;
}  // namespace

GuideWindows::GuideWindows(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right, bool popups)
    : keyboard_(keyboard), left_(left), right_(right), popups_(popups) {
  const auto guides = Guides();
  for (size_t i = 0; i < guides.size(); ++i) toolFlags_[i] = guides[i]->windowFlags();
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
  if (popups_) {
    ShowPopupsAfterPaint();
    return;
  }
  Place();
  // Shown once the practice window's own map request has gone out: a window manager keeps a
  // window above the one it is transient for only if that one was mapped first.
  QMetaObject::invokeMethod(
      this, [this] { ShowGuides(); }, Qt::QueuedConnection);
}

void GuideWindows::ShowPopupsAfterPaint() {
  for (QWidget* guide : Guides()) guide->hide();
  awaitingPaint_ = true;
  practice_->update();
}

void GuideWindows::ShowGuides() {
  if (!practice_ || !practice_->isVisible()) return;
  for (QWidget* guide : Guides()) {
    if (popups_ && guide->windowType() != Qt::ToolTip)
      guide->setWindowFlags(Qt::ToolTip | Qt::WindowDoesNotAcceptFocus);
  }
  Place();
  for (QWidget* guide : Guides()) {
    guide->winId();
    QWidget* parent = popups_ && guide != &keyboard_ ? &keyboard_ : practice_.data();
    guide->windowHandle()->setTransientParent(parent->windowHandle());
    guide->show();
  }
  // A popup stays where it was placed relative to its parent: it is placed once more only
  // for a frame that came with the showing.
  if (popups_)
    Place();
  else
    Settle();
}

void GuideWindows::Settle() {
  settleTicks_ = 0;
  settle_.start();
}

GuidePlaces GuidesUnder(const QRect& window, const QRect& keyboard, int leftWidth, int boardGap,
                        int handGap) {
  const QPoint board((window.width() - keyboard.width()) / 2 + window.left(),
                     window.top() + window.height() + boardGap);
  return {board, QPoint(board.x() - leftWidth - handGap, board.y()),
          QPoint(board.x() + keyboard.width() + handGap, board.y())};
}

void GuideWindows::Place() {
  if (!practice_) return;
  const GuidePlaces under =
      GuidesUnder(practice_->frameGeometry(), keyboard_.frameGeometry(),
                  left_.frameGeometry().width(), popups_ ? 0 : 15, popups_ ? 0 : 5);
  const std::array<QPoint, 3> places{under.keyboard, under.left, under.right};
  const auto guides = Guides();
  for (size_t i = 0; i < places.size(); ++i) {
    // pos and move: the frame's corner
    if (guides[i]->pos() != places[i]) guides[i]->move(places[i]);
  }
}

bool GuideWindows::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != practice_ || !practice_->isVisible()) return false;
  if (popups_) {
    // Drawn: the queued show runs after the drawing reached the compositor. Resized: a shown
    // popup cannot be moved, so the guides are shown again at their new place.
    if (type == QEvent::Paint && awaitingPaint_) {
      awaitingPaint_ = false;
      QMetaObject::invokeMethod(
          this, [this] { ShowGuides(); }, Qt::QueuedConnection);
    } else if (type == QEvent::Resize) {
      ShowPopupsAfterPaint();
    }
  } else if (type == QEvent::Move || type == QEvent::Resize) {
    Place();
    Settle();
  }
  return false;
}

void GuideWindows::HideGuides() {
  settle_.stop();
  awaitingPaint_ = false;
  const auto guides = Guides();
  for (size_t i = 0; i < guides.size(); ++i) {
    guides[i]->hide();
    if (guides[i]->windowHandle()) guides[i]->windowHandle()->setTransientParent(nullptr);
    if (guides[i]->windowFlags() != toolFlags_[i]) guides[i]->setWindowFlags(toolFlags_[i]);
  }
  if (practice_) practice_->removeEventFilter(this);
  practice_ = nullptr;
}

int GuideWindows::ShowNextKey(char ch) {
  return keyboard_.ShowNextKey(ch);
}

std::string GuideWindows::DeadKeyStrokesFor(char ch) const {
  return keyboard_.DeadKeyStrokesFor(ch);
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
