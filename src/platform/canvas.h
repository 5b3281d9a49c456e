#pragma once
// A paint surface with the drawing operations the keyboard, the hands, the paragraph drills
// and the game need. The model draws through it; the windows side draws into an image.
#include <string>

#include "platform/colors.h"
#include "platform/font.h"

enum class PenMode { Copy, Xor };

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetBrushColor(Color color) = 0;
  virtual Color BrushColor() const = 0;
  virtual void SetPen(Color color, int width) = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  // Fills [left, right) x [top, bottom) with the brush colour.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  // A rectangle outlined with the pen and filled with the brush (corners inclusive of the pen).
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // Text at (x, y) in the font, on an opaque background box in the brush colour.
  virtual void TextOut(int x, int y, const std::string& text, const Font& font) = 0;
  virtual int TextWidth(const std::string& text, const Font& font) = 0;
  virtual int TextHeight(const std::string& text, const Font& font) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};
