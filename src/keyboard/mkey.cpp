#include "keyboard/mkey.h"

#include <algorithm>

#include "keyboard/key_geometry.h"

namespace {
// Key places beyond the largest window are clipped anyway; keeping them near keeps the
// drawing arithmetic in range.
int Coordinate(int64_t pixels) {
  return static_cast<int>(std::clamp<int64_t>(pixels, -kMaxWindowSide, 2 * kMaxWindowSide));
}
}  // namespace

void MKey::Setup(int keyLeft, int keyTop, int keyWidth, int keyHeight, ::Color color,
                 const std::array<Font, kKeyChars>& fonts, const std::array<char, kKeyChars>& chars,
                 int finger, Canvas& canvas) {
  left = keyLeft;
  top = keyTop;
  width = keyWidth;
  height = keyHeight;
  Color = color;
  Fonts = fonts;
  // A record the designer brings into use was never checked as a file's keys are: no key draws
  // a character larger than the designer can set, or one font could take hundreds of MB.
  for (Font& font : Fonts) {
    if (font.size < kKeyFontMinSize || font.size > kKeyFontMaxSize || font.PixelHeight() < 1 ||
        font.PixelHeight() > -HeightForSize(kKeyFontMaxSize)) {
      font.SetSize(std::clamp(font.size, kKeyFontMinSize, kKeyFontMaxSize));
    }
  }
  Chars = chars;
  Finger = finger;
  canvas_ = &canvas;
  FlashColor = clRed;
}

void MKey::Draw() {
  DrawIn(Color);
}

void MKey::DrawLit() {
  DrawIn(FlashColor);
}

void MKey::DrawIn(::Color fill) {
  if (!canvas_) return;
  Canvas& canvas = *canvas_;
  canvas.SetBrushColor(fill);
  canvas.SetPen(fill, 1);
  canvas.SetPenMode(PenMode::Copy);
  canvas.FillRect(left, top, left + width, top + height);
  // Character cells: 1 top-left, 2 bottom-left, 3 top-right, 4 bottom-right; spaces are drawn
  // too, as cells of the key's colour.
  const int right = left + width / 2;
  const int lower = top + height / 2;
  const int x[kKeyChars] = {left + 2, left + 2, right, right};
  const int y[kKeyChars] = {top, lower, top, lower};
  for (int i = 0; i < kKeyChars; ++i) {
    canvas.TextOut(x[i], y[i], std::string(1, Chars[i]), Fonts[i]);
  }
}

std::vector<MKey> BuildLayoutKeys(const LayoutRec& layout, int ox, int oy, Canvas& canvas) {
  std::vector<MKey> keys(static_cast<size_t>(KeysInUse(layout)));
  for (int n = 1; n <= static_cast<int>(keys.size()); ++n) {
    const KeyRec& record = layout.KeyAt(n);
    const KeyPlace place = PlaceOfKey(layout, n, ox, oy);
    keys[static_cast<size_t>(n - 1)].Setup(
        Coordinate(place.left), Coordinate(place.top), Coordinate(place.width),
        Coordinate(place.height), record.Color, record.Fonts, record.Chars, record.Finger, canvas);
  }
  return keys;
}
