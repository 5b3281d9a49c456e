#pragma once
// Key handling in two steps, as the windows expect it: a key-down with a Windows virtual-key
// code, then a key-press with one single-byte character. KeyRouter is the one event filter
// per typing box that turns Qt key events into those two calls.
//
// Every character the learner produces takes that road: a plain key, and also what an input
// method commits (a dead key and a letter, a compose sequence). Nothing else enters the box:
// pasting with the middle button, dropping and the context menu are refused.
#include <QObject>
#include <functional>
#include <utility>

#include "platform/key_codes.h"

class QWidget;

class KeyRouter : public QObject {
 public:
  // keyDown gets the virtual-key code and returns true to swallow the key (no key-press
  // follows). keyPress gets a byte 0..255, or kUnmappableChar.
  KeyRouter(QWidget* watched, std::function<bool(int)> keyDown, std::function<void(int)> keyPress);
  // While keyPress runs: the key is held down and repeats. It types all the same, but a held
  // key is no attempt at each place it reaches.
  bool Repeating() const { return repeating_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PressCharacters(const QString& text);

  std::function<bool(int)> keyDown_;
  std::function<void(int)> keyPress_;
  bool repeating_ = false;
  std::pair<quint32, quint64> lastRelease_;  // the scan code and time of the last key released
};

// The virtual-key code of a Qt key (0 when it has none that the program uses).
int VirtualKeyOf(int qtKey);
