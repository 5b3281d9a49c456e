#pragma once
// Colours are Windows colour values (0x00BBGGRR) everywhere in the model.
#include <cstdint>

using Color = uint32_t;

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clMenuGreen = 12639424;  // 0xC0DCC0, the pale green of the menu
inline constexpr Color clSampleBack = 16776176;  // 0xFFFAF0

inline constexpr int RedOf(Color c) { return c & 0xFF; }
inline constexpr int GreenOf(Color c) { return (c >> 8) & 0xFF; }
inline constexpr int BlueOf(Color c) { return (c >> 16) & 0xFF; }
inline constexpr Color RGBColor(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
