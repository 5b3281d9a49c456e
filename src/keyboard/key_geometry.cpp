#include "keyboard/key_geometry.h"

#include <algorithm>

int KeysInUse(const LayoutRec& layout) {
  return std::clamp(layout.KeyCount, 0, kMaxKeys);
}

KeyPlace PlaceOfKey(const LayoutRec& layout, int n, int ox, int oy) {
  const int64_t kw = layout.KeyWidth;
  const int64_t kh = layout.KeyHeight;
  const KeyRec& key = layout.KeyAt(n);
  if (n == KeysInUse(layout)) {
    return {ox + int64_t{layout.OffsetOf(4)} + 3 * kw, oy + 4 * (kh + 4), 5 * kw, kh};
  }
  const bool lineKnown = key.Line >= 1 && key.Line <= kLineCount;
  const int64_t offset = lineKnown ? layout.OffsetOf(key.Line) : 0;
  return {ox + offset + (int64_t{key.Column} - 1) * (kw + 4),
          oy + (int64_t{key.Line} - 1) * (kh + 4), kw, kh};
}

ClientSize KeyboardClientSize(const LayoutRec& layout, int ox, int oy) {
  const int count = KeysInUse(layout);
  int64_t largestLeft = 0;
  for (int n = 1; n < count; ++n) {
    largestLeft = std::max(largestLeft, PlaceOfKey(layout, n, ox, oy).left);
  }
  int64_t width = largestLeft + layout.KeyWidth + 10;
  if (count > 0) {
    // The space bar is five keys wide; a layout with few keys must not cut it off.
    const KeyPlace space = PlaceOfKey(layout, count, ox, oy);
    width = std::max(width, space.left + space.width + 10);
  }
  return {width, oy + 5 * (int64_t{layout.KeyHeight} + 4) + 10};
}

int64_t HandClientHeight(const LayoutRec& layout) {
  int64_t longest = 0;
  for (int n = 1; n <= 5; ++n) longest = std::max<int64_t>(longest, layout.FingerAt(n).Length);
  return longest + 20;
}
