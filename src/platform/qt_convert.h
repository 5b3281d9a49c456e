#pragma once
// Conversions between the model's colours and fonts and Qt's.
#include <QColor>
#include <QFont>

#include "platform/colors.h"
#include "platform/font.h"

inline QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline Color FromQColor(const QColor& c) {
  return RGBColor(c.red(), c.green(), c.blue());
}
QFont ToQFont(const Font& font);
// A face with a character height in pixels, as the window designs give their fonts.
QFont PixelFont(const char* face, int pixels, bool bold = false);
