#include "keyboard/palm.h"

#include <algorithm>

#include "keyboard/key_geometry.h"
#include "platform/guard.h"
#include "platform/qt_convert.h"

namespace {
constexpr int kBlinkMs = 250;
constexpr int kHandWidth = 63;
constexpr int kDefaultLength = 30;

bool IsHandFinger(int n) {
  return n >= 1 && n <= kHandFingers;
}
}  // namespace

TPalmForm::TPalmForm(LayoutRec& layout, FlashPhase& flashPhase, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), layout_(layout), flashPhase_(flashPhase), dialogs_(dialogs) {
  setObjectName("PalmForm");
  setWindowTitle("Palm");
  // A guide to look at: the keys stay with the window the learner types in.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);
  resize(kHandWidth, 106);
  move(163, 202);

  surface_ = new PaintSurface(this);
  surface_->setObjectName("HandSurface");
  surface_->background = clBlack;
  surface_->setGeometry(0, 0, width(), height());
  surface_->canvas().Resize(width(), height(), clBlack);
  // Each keystroke redraws the finger of the other hand as it stands.
  surface_->canvas().comparesDrawn = true;
  surface_->onPaint = [this] { Guarded(dialogs_, [this] { Repaint(); }); };

  TimerOfPalm = new QTimer(this);
  TimerOfPalm->setObjectName("TimerOfPalm");
  TimerOfPalm->setInterval(kBlinkMs);
  connect(TimerOfPalm, &QTimer::timeout, this,
          [this] { Guarded(dialogs_, [this] { TimerOfPalmTimer(); }); });
}

TPalmForm::~TPalmForm() {
  TimerOfPalm->stop();
}

void TPalmForm::SetHand(bool isLeft) {
  IsLeft = isLeft;
  const int y = frameGeometry().height() - 10;
  for (int n = 1; n <= kHandFingers; ++n) {
    SetupFinger(n, clGreen, kDefaultLength, y);
    lit_[static_cast<size_t>(n - 1)] = false;
  }
}

void TPalmForm::ApplyFingerLayout() {
  const int clientHeight =
      static_cast<int>(std::clamp<int64_t>(HandClientHeight(layout_), 1, kMaxWindowSide));
  setFixedSize(width(), clientHeight);  // no maximise, as the keyboard
  surface_->setGeometry(0, 0, width(), clientHeight);
  surface_->canvas().Resize(width(), clientHeight, clBlack);
  const int y = clientHeight - 10;
  for (int n = 1; n <= kHandFingers; ++n) {
    const FingerRec& look = layout_.FingerAt(IsLeft ? n : kFingerCount + 1 - n);
    SetupFinger(n, look.Color, look.Length, y);
  }
  surface_->Invalidate();
}

void TPalmForm::DrawFingers() {
  for (finger& each : fingers_) each.Draw();
}

void TPalmForm::LightFinger(int n) {
  if (!IsHandFinger(n)) return;
  for (int j = 1; j <= kHandFingers; ++j) {
    if (IsLit(j)) RestoreFinger(j);
  }
  currentFinger_ = n;
  lit_[static_cast<size_t>(n - 1)] = true;
  // Enabling a running timer must not restart it, or quick typing would never see a tick.
  if (!TimerOfPalm->isActive()) TimerOfPalm->start();
  TimerOfPalmTag = 1;
}

void TPalmForm::RestoreFinger(int n) {
  if (!IsHandFinger(n)) return;
  lit_[static_cast<size_t>(n - 1)] = false;
  if (Drawn()) fingers_[static_cast<size_t>(n - 1)].Draw();
}

void TPalmForm::ClearFinger() {
  if (!IsHandFinger(currentFinger_)) return;
  lit_[static_cast<size_t>(currentFinger_ - 1)] = false;
  if (Drawn()) fingers_[static_cast<size_t>(currentFinger_ - 1)].Draw();
  TimerOfPalm->stop();
}

bool TPalmForm::Drawn() const {
  return isVisible() || surface_->canvas().HasPixels();
}

void TPalmForm::RunTimer() {
  TimerOfPalm->start();
}

void TPalmForm::TimerOfPalmTimer() {
  if (TimerOfPalmTag != 1) return;
  for (int n = 1; n <= kHandFingers && Drawn(); ++n) {
    if (!IsLit(n)) continue;
    finger& lit = fingers_[static_cast<size_t>(n - 1)];
    if (flashPhase_.On) {
      lit.Draw();
    } else {
      lit.Erase();
    }
  }
  flashPhase_.On = !flashPhase_.On;
}

void TPalmForm::SetupFinger(int n, Color colour, int length, int y) {
  // Finger 1 stands on the outer side: the left of the left hand, the right of the right.
  const int place = IsLeft ? n - 1 : kHandFingers - n;
  fingers_[static_cast<size_t>(n - 1)].Setup(10 + 9 * place, y, surface_->canvas(), colour, length);
}

void TPalmForm::Repaint() {
  ImageCanvas& canvas = surface_->canvas();
  canvas.SetBrushColor(clBlack);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  for (finger& each : fingers_) each.Draw();
}
