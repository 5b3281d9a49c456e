#pragma once
// A font as a value: colour, height, face, size and style. Fonts are copied attribute by
// attribute, never shared. Setting the size decides the height as the toolkit does at
// 96 pixels per inch.
#include <cstdint>
#include <string>

namespace font_style {
inline constexpr uint8_t kBold = 1;
inline constexpr uint8_t kItalic = 2;
inline constexpr uint8_t kUnderline = 4;
inline constexpr uint8_t kStrikeOut = 8;
}  // namespace font_style

struct Font {
  uint32_t color = 0;  // Windows colour value 0x00BBGGRR
  int32_t height = -13;  // pixels; negative: character height without internal leading
  std::string face = "MS Sans Serif";
  int32_t size = 10;  // points
  uint8_t style = 0;  // font_style bits

  // size := points, height := -round(points * 96 / 72).
  void SetSize(int32_t points);
  // Pixel height of the characters (the absolute height).
  int32_t PixelHeight() const { return height < 0 ? -height : height; }
  bool operator==(const Font&) const = default;
};

// The height that a size in points gives at 96 pixels per inch.
int32_t HeightForSize(int32_t points);

// A size of 0 asks for the default size, which is this many points.
inline constexpr int32_t kDefaultPoints = 12;
// The points at which text of a size is shown.
constexpr int32_t ShownPoints(int32_t size) {
  return size > 0 ? size : kDefaultPoints;
}
