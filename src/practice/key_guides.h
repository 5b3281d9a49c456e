#pragma once
// What a line practice window drives besides itself: the on-screen keyboard placed below it
// and the two hand windows beside the keyboard.
#include <string>

class QWidget;

enum class Hand { Left, Right };

class KeyGuides {
 public:
  virtual ~KeyGuides() = default;
  // Switches blinking on, places the keyboard 15 px below the practice window's frame with
  // the hands 5 px beside it, and shows all three; they follow the window while it is shown.
  virtual void ShowBelow(QWidget& practiceWindow) = 0;
  virtual void HideGuides() = 0;
  // Lights the key of ch and returns its finger 0..9, or -1 when no key has ch.
  virtual int ShowNextKey(char ch) = 0;
  // How ch is typed with a dead key where no key gives it ("^ + a"); "" otherwise.
  virtual std::string DeadKeyStrokesFor(char ch) const = 0;
  // Un-lights the key: nothing is to be typed next.
  virtual void ClearNextKey() = 0;
  virtual void LightFinger(Hand hand, int finger) = 0;
  virtual void ClearFinger(Hand hand) = 0;
};
