#include "platform/qt_convert.h"

#include "platform/codepage.h"

QFont ToQFont(const Font& font) {
  QFont result(BytesToQString(font.face));
  // The stored height decides the look: characters of |height| pixels, whatever the size says.
  result.setPixelSize(std::max(1, font.PixelHeight()));
  result.setBold(font.style & font_style::kBold);
  result.setItalic(font.style & font_style::kItalic);
  result.setUnderline(font.style & font_style::kUnderline);
  result.setStrikeOut(font.style & font_style::kStrikeOut);
  return result;
}

QFont PixelFont(const char* face, int pixels, bool bold) {
  QFont font(face);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
