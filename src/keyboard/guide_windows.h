#pragma once
// The keyboard and the two hand windows as the line practice windows drive them: shown below
// the practice window with blinking switched on, the next key lit, its finger lit.
#include "keyboard/palm.h"
#include "keyboard/vkeyboard.h"
#include "practice/key_guides.h"

class GuideWindows final : public KeyGuides {
 public:
  GuideWindows(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right)
      : keyboard_(keyboard), left_(left), right_(right) {}
  void ShowBelow(int left, int top, int width, int height) override;
  void HideGuides() override;
  int ShowNextKey(char ch) override;
  void ClearNextKey() override;
  void LightFinger(Hand hand, int finger) override;
  void ClearFinger(Hand hand) override;

 private:
  // The keyboard 15 px below the window's frame, centred; the hands 5 px left and right of it.
  void PlaceBelow(int left, int top, int width, int height);
  TPalmForm& HandWindow(Hand hand);

  TVKeyboard& keyboard_;
  TPalmForm& left_;
  TPalmForm& right_;
};
