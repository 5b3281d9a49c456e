#include "keyboard/vkeyboard.h"

#include <algorithm>

#include "keyboard/key_geometry.h"
#include "platform/guard.h"
#include "platform/qt_convert.h"

namespace {
constexpr int kBlinkMs = 250;
constexpr Color kBackground = clOlive;

int WindowSide(int64_t pixels) {
  return static_cast<int>(std::clamp<int64_t>(pixels, 1, kMaxWindowSide));
}
}  // namespace

TVKeyboard::TVKeyboard(LayoutRec& layout, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), layout_(layout), dialogs_(dialogs) {
  setObjectName("VKeyboard");
  setWindowTitle(tr("Virtual Keyboard"));
  // A guide to look at: the keys stay with the window the learner types in.
  setWindowFlags(Qt::Tool | Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(kBackground));
  setPalette(palette);
  setAutoFillBackground(true);
  resize(497, 181);
  move(133, 210);

  surface_ = new PaintSurface(this);
  surface_->setObjectName("KeyboardSurface");
  surface_->background = kBackground;
  surface_->setGeometry(0, 0, width(), height());
  surface_->canvas().Resize(width(), height(), kBackground);
  // A key is filled and lettered anew even where it looks as it did.
  surface_->canvas().comparesDrawn = true;
  surface_->onPaint = [this] { Guarded(dialogs_, [this] { Repaint(); }); };

  TimerofKB = new QTimer(this);
  TimerofKB->setObjectName("TimerofKB");
  TimerofKB->setInterval(kBlinkMs);
  connect(TimerofKB, &QTimer::timeout, this,
          [this] { Guarded(dialogs_, [this] { TimerofKBTimer(); }); });
}

TVKeyboard::~TVKeyboard() {
  TimerofKB->stop();
  keys_.clear();
}

void TVKeyboard::SetBlinkingColor(Color color) {
  blinkingColor_ = color;
}

void TVKeyboard::BuildKeys(int ox, int oy) {
  keys_.clear();
  lit_.fill(false);
  const ClientSize client = KeyboardClientSize(layout_, ox, oy);
  const int clientWidth = WindowSide(client.width);
  const int clientHeight = WindowSide(client.height);
  // The canvas is sized here: a hidden window gets its resize event only when shown.
  // Fixed: a window manager then offers no maximise, which would hide the practice window.
  setFixedSize(clientWidth, clientHeight);
  surface_->setGeometry(0, 0, clientWidth, clientHeight);
  surface_->canvas().Resize(clientWidth, clientHeight, kBackground);
  keys_ = BuildLayoutKeys(layout_, ox, oy, surface_->canvas());
  for (MKey& key : keys_) key.FlashColor = blinkingColor_;
  surface_->Invalidate();
}

void TVKeyboard::DrawAllKeys() {
  DrawKeys();
}

int TVKeyboard::ShowNextKey(char ch) {
  UnlightKeys();
  const int n = FindKeyFor(ch, KeyCount(), [this](int k) { return Key(k).Chars; });
  if (n == 0) return -1;
  lit_[static_cast<size_t>(n - 1)] = true;
  return Key(n).Finger;
}

std::string TVKeyboard::DeadKeyStrokesFor(char ch) const {
  return DeadKeyStrokes(ch, KeyCount(), [this](int k) { return Key(k).Chars; });
}

void TVKeyboard::ClearNextKey() {
  UnlightKeys();
}

void TVKeyboard::RunTimer() {
  TimerofKB->start();
}

void TVKeyboard::TimerofKBTimer() {
  if (TimerofKBTag != 1) return;
  for (int n = 1; n <= KeyCount(); ++n) {
    if (!IsLit(n)) continue;
    MKey& key = keys_[static_cast<size_t>(n - 1)];
    if (flashPhase_.On) {
      key.DrawLit();
    } else {
      key.Draw();
    }
  }
  flashPhase_.On = !flashPhase_.On;
}

void TVKeyboard::UnlightKeys() {
  // A keyboard never drawn shows no lit key (the practice windows light keys at start-up);
  // it draws every key when it is first shown.
  const bool drawn = surface_->canvas().HasPixels();
  for (int n = 1; n <= KeyCount(); ++n) {
    if (!IsLit(n)) continue;
    if (drawn) keys_[static_cast<size_t>(n - 1)].Draw();
    lit_[static_cast<size_t>(n - 1)] = false;
  }
}

void TVKeyboard::DrawKeys() {
  for (MKey& key : keys_) key.Draw();
}

void TVKeyboard::Repaint() {
  ImageCanvas& canvas = surface_->canvas();
  canvas.SetBrushColor(kBackground);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  DrawKeys();
}
