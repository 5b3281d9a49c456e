#include "platform/qt_convert.h"

#include "platform/codepage.h"

QFont ToQFont(const Font& font) {
  QFont result(BytesToQString(font.face));
  // The height decides the look, as on the original toolkit: characters of |height| pixels.
  result.setPixelSize(std::max(1, font.PixelHeight()));
  result.setBold(font.style & font_style::kBold);
  result.setItalic(font.style & font_style::kItalic);
  result.setUnderline(font.style & font_style::kUnderline);
  result.setStrikeOut(font.style & font_style::kStrikeOut);
  return result;
}

Font FromQFont(const QFont& qfont, Color color) {
  Font font;
  font.color = color;
  std::string face;
  QStringToBytes(qfont.family(), face);
  font.face = face;
  const int points = qfont.pointSize() > 0 ? qfont.pointSize()
                                           : static_cast<int>(qfont.pixelSize() * 72 / 96);
  font.SetSize(points);
  font.style = (qfont.bold() ? font_style::kBold : 0) | (qfont.italic() ? font_style::kItalic : 0) |
               (qfont.underline() ? font_style::kUnderline : 0) |
               (qfont.strikeOut() ? font_style::kStrikeOut : 0);
  return font;
}

QFont PixelFont(const char* face, int pixels, bool bold) {
  QFont font(face);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
