#pragma once
// TVKeyboard: the on-screen keyboard window. It builds its keys from the program's layout,
// lights the key of the character to type next and makes it blink from its own 250 ms timer:
// a lit key alternates between its flash colour and its own colour. Only lit keys are redrawn
// on a tick; painting the window draws every key in its own colour.
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <array>
#include <vector>

#include "keyboard/flash_phase.h"
#include "keyboard/layout.h"
#include "keyboard/mkey.h"
#include "platform/dialogs.h"
#include "platform/image_canvas.h"

class TVKeyboard : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TVKeyboard)

 public:
  TVKeyboard(LayoutRec& layout, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TVKeyboard() override;

  // The flash colour the keys get at the next BuildKeys.
  void SetBlinkingColor(Color color);
  // Rebuilds the keys from the layout with the key lines laid out from (ox, oy) and sizes the
  // window to them (at most 4096 pixels each way). Nothing is lit afterwards; nothing is drawn.
  void BuildKeys(int ox, int oy);
  void DrawAllKeys();
  // Un-lights the lit key at once and lights the key of ch (it changes at the next tick);
  // returns that key's finger, or -1 when no key gives ch.
  int ShowNextKey(char ch);
  // How ch is typed with a dead key where no key gives it ("^ + a"), or "" (DeadKeyStrokes).
  std::string DeadKeyStrokesFor(char ch) const;
  // Un-lights the lit key at once: nothing is to be typed next.
  void ClearNextKey();
  // The tick: does nothing unless TimerofKBTag is 1; otherwise draws the lit keys lit or in
  // their own colour by the flash phase, and inverts the phase.
  void TimerofKBTimer();
  // TimerofKB ticks from now on (whoever applies a layout starts it).
  void RunTimer();
  // The ticks blink the lit keys from now on (once a practice window shows the keyboard).
  void LetKeysBlink() { TimerofKBTag = 1; }
  bool KeysBlink() const { return TimerofKBTag == 1; }

  int KeyCount() const { return static_cast<int>(keys_.size()); }
  const MKey& Key(int n) const { return keys_.at(static_cast<size_t>(n - 1)); }
  bool IsLit(int n) const { return lit_.at(static_cast<size_t>(n - 1)); }
  bool FlashPhaseOn() const { return flashPhase_.On; }
  Color BlinkingColor() const { return blinkingColor_; }
  ImageCanvas& KeyboardCanvas() { return surface_->canvas(); }

 private:
  void UnlightKeys();

  QTimer* TimerofKB;     // 250 ms
  int TimerofKBTag = 0;  // 1: blinking on
  void DrawKeys();
  void Repaint();

  LayoutRec& layout_;
  Dialogs& dialogs_;
  PaintSurface* surface_;
  std::vector<MKey> keys_;
  std::array<bool, kMaxKeys> lit_{};
  Color blinkingColor_ = clBlack;
  // One keyboard, so the phase its keys share is its own.
  FlashPhase flashPhase_;
};
