#pragma once
// Layouts for the keyboard tests.
#include "keyboard/layout.h"

// count keys of width 30 on four lines of up to 12 (the last key is the space bar), offsets
// 1, 15, 25, 40. Key n shows the letter 'A' + n - 1 (keys 1..26; later keys show digits),
// is struck by finger (n - 1) % 10 and has colour kKeyColour; every font is 9 pt Arial.
inline constexpr Color kKeyColour = 0xC0C0C0;

inline LayoutRec GridLayout(int count) {
  LayoutRec layout;
  layout.KeyCount = count;
  layout.Offset = {1, 15, 25, 40};
  for (int n = 1; n <= count; ++n) {
    KeyRec& key = layout.KeyAt(n);
    key.Color = kKeyColour;
    key.Line = 1 + (n - 1) / 12;
    key.Column = 1 + (n - 1) % 12;
    key.Finger = (n - 1) % 10;
    const char shown = n <= 26 ? static_cast<char>('A' + n - 1) : static_cast<char>('0' + n % 10);
    key.Chars = {shown, ' ', ' ', ' '};
    for (Font& font : key.Fonts) {
      font.face = "Arial";
      font.SetSize(9);
    }
  }
  if (count > 0) layout.KeyAt(count).Chars = {' ', ' ', ' ', ' '};
  return layout;
}
