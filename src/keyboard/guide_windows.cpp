#include "keyboard/guide_windows.h"

void GuideWindows::ShowBelow(int left, int top, int width, int height) {
  keyboard_.TimerofKBTag = 1;
  PlaceBelow(left, top, width, height);
  keyboard_.show();
  left_.show();
  right_.show();
  // A window's frame is known only once it has been shown; place them again with it.
  PlaceBelow(left, top, width, height);
}

void GuideWindows::PlaceBelow(int left, int top, int width, int height) {
  const int keyboardTop = top + height + 15;
  const int keyboardWidth = keyboard_.frameGeometry().width();
  const int keyboardLeft = (width - keyboardWidth) / 2 + left;
  keyboard_.move(keyboardLeft, keyboardTop);
  left_.move(keyboardLeft - left_.frameGeometry().width() - 5, keyboardTop);
  right_.move(keyboardLeft + keyboardWidth + 5, keyboardTop);
}

void GuideWindows::HideGuides() {
  keyboard_.hide();
  left_.hide();
  right_.hide();
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
