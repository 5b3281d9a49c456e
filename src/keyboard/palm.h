#pragma once
// TPalmForm: a hand window, five fingers drawn as thick strokes on black. Fingers are numbered
// 1..5 from the hand's outer side: the left hand's finger 1 is its leftmost, the right hand's
// its rightmost, and both show their strokes at x = 10, 19, 28, 37, 46. A lit finger blinks
// between its colour and black from the window's 250 ms timer; the two hand windows share
// one flash phase.
#include <QDialog>
#include <QTimer>
#include <array>

#include "keyboard/finger.h"
#include "keyboard/flash_phase.h"
#include "keyboard/layout.h"
#include "platform/dialogs.h"
#include "platform/image_canvas.h"

inline constexpr int kHandFingers = 5;

class TPalmForm : public QDialog {
 public:
  TPalmForm(LayoutRec& layout, FlashPhase& flashPhase, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TPalmForm() override;

  // Makes the window the left or the right hand: green fingers of length 30 standing 10
  // pixels above the window's bottom edge. Nothing is lit, nothing is drawn.
  void SetHand(bool isLeft);
  // Takes length and colour of the fingers from the layout (the left hand entries 1..5, the
  // right hand entries 10..6 for its fingers 1..5) and the height from the left hand's
  // longest finger. Lit fingers stay lit. Nothing is drawn.
  void ApplyFingerLayout();
  void DrawFingers();
  // Finger n (1..5) blinks from the next tick; the fingers lit before return to their colour
  // at once. Other numbers are ignored.
  void LightFinger(int n);
  // Finger n (1..5) is no longer lit and shows its colour.
  void RestoreFinger(int n);
  // The finger lit last is no longer lit and shows its colour; the timer stops.
  void ClearFinger();
  // The tick: does nothing unless TimerOfPalmTag is 1; otherwise draws the lit fingers or
  // erases them by the shared flash phase, and inverts the phase.
  void TimerOfPalmTimer();
  // TimerOfPalm ticks from now on (whoever applies a layout starts it).
  void RunTimer();
  bool IsLeftHand() const { return IsLeft; }
  bool FingersBlink() const { return TimerOfPalmTag == 1; }

  const finger& Finger(int n) const { return fingers_.at(static_cast<size_t>(n - 1)); }
  bool IsLit(int n) const { return lit_.at(static_cast<size_t>(n - 1)); }
  int CurrentFinger() const { return currentFinger_; }
  ImageCanvas& HandCanvas() { return surface_->canvas(); }

 private:
  QTimer* TimerOfPalm;     // 250 ms; LightFinger enables it, ClearFinger disables it
  int TimerOfPalmTag = 0;  // 1: blinking on
  bool IsLeft = false;

  // Whether the hand has been drawn or is shown. A hand never drawn is drawn whole when it is
  // first shown: lighting, blinking and restoring fingers before that is left to it (the
  // practice windows light fingers at start-up).
  bool Drawn() const;
  void SetupFinger(int n, Color colour, int length, int y);
  void Repaint();

  LayoutRec& layout_;
  FlashPhase& flashPhase_;
  Dialogs& dialogs_;
  PaintSurface* surface_;
  std::array<finger, kHandFingers> fingers_{};
  std::array<bool, kHandFingers> lit_{};
  int currentFinger_ = 0;
};
