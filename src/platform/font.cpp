#include "platform/font.h"

int32_t HeightForSize(int32_t points) {
  // MulDiv(points, 96, 72) rounds half away from zero.
  const int64_t scaled = int64_t{points} * 96;
  const int64_t rounded = scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
  return static_cast<int32_t>(-rounded);
}

void Font::SetSize(int32_t points) {
  size = points;
  height = HeightForSize(points);
}
