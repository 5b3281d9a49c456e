#pragma once
// MKey: one key of the on-screen keyboard. It draws itself onto the keyboard's canvas (not
// owned) in its own colour or, while lit, in its flash colour. Its fonts are its own copies.
#include <array>
#include <vector>

#include "keyboard/layout.h"
#include "platform/canvas.h"

class MKey {
 public:
  // Stores the place and look and resets the flash colour to red.
  void Setup(int left, int top, int width, int height, ::Color color,
             const std::array<Font, kKeyChars>& fonts, const std::array<char, kKeyChars>& chars,
             int finger, Canvas& canvas);
  void Draw();
  void DrawLit();

  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Finger = 0;
  ::Color Color = 0;
  std::array<char, kKeyChars> Chars{};
  std::array<Font, kKeyChars> Fonts{};
  ::Color FlashColor = clRed;

 private:
  void DrawIn(::Color fill);
  Canvas* canvas_ = nullptr;
};

// The keys of layout laid out from (ox, oy) as the on-screen keyboard shows them, drawing on
// canvas. Places far beyond the largest window are pulled in: they are clipped anyway.
std::vector<MKey> BuildLayoutKeys(const LayoutRec& layout, int ox, int oy, Canvas& canvas);
