#include "keyboard/guide_windows.h"

void GuideWindows::ShowBelow(int left, int top, int width, int height) {
  const int keyboardTop = top + height + 15;
  const int keyboardLeft = (width - keyboard_.frameGeometry().width()) / 2 + left;
  keyboard_.move(keyboardLeft, keyboardTop);
  left_.move(keyboardLeft - left_.frameGeometry().width() - 5, keyboardTop);
  right_.move(keyboardLeft + keyboard_.frameGeometry().width() + 5, keyboardTop);
  keyboard_.show();
  left_.show();
  right_.show();
}

void GuideWindows::HideGuides() {
  keyboard_.hide();
  left_.hide();
  right_.hide();
}

int GuideWindows::ShowNextKey(char) { return -1; }
void GuideWindows::ClearNextKey() {}
void GuideWindows::LightFinger(Hand, int) {}
void GuideWindows::ClearFinger(Hand) {}
