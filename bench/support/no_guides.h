#pragma once
// Key guides that do nothing: the practice windows measured without a keyboard or hands.
#include "practice/key_guides.h"

class NoGuides final : public KeyGuides {
 public:
  void ShowBelow(QWidget&) override {}
  void HideGuides() override {}
  int ShowNextKey(char) override { return 3; }
  std::string DeadKeyStrokesFor(char) const override { return {}; }
  void ClearNextKey() override {}
  void LightFinger(Hand, int) override {}
  void ClearFinger(Hand) override {}
};
