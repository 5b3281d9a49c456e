#include "platform/image_canvas.h"

#include <gtest/gtest.h>

namespace {
Font FontOfPixels(int pixels) {
  Font font;
  font.face = "Liberation Sans";
  font.height = -pixels;
  return font;
}

QImage Area(const ImageCanvas& canvas, int x, int y, int width, int height) {
  return canvas.Image().copy(x, y, width, height);
}
}  // namespace

TEST(ImageCanvas, GlyphCacheStaysWithinItsBytesAndDrawsTheSameAfterwards) {
  ImageCanvas canvas(400, 700);
  const Font large = FontOfPixels(96);  // the largest the designer gives a key character
  canvas.SetBrushColor(clYellow);
  canvas.TextOut(0, 0, "Q", large);
  const QImage first = Area(canvas, 0, 0, 120, 120);
  // Every character in several colours: far more cells than the cache may hold.
  for (Color background : {clWhite, clRed, clOlive, clNavy}) {
    canvas.SetBrushColor(background);
    for (int ch = 33; ch < 256; ++ch) {
      canvas.TextOut(0, 200, std::string(1, static_cast<char>(ch)), large);
      ASSERT_LE(canvas.CachedCellBytes(), kMaxCachedCellBytes);
    }
  }
  EXPECT_GT(canvas.CachedCellBytes(), 0u);
  canvas.SetBrushColor(clYellow);
  canvas.TextOut(200, 0, "Q", large);
  EXPECT_EQ(Area(canvas, 200, 0, 120, 120), first);

  // A glyph too large to keep is drawn all the same, and not kept.
  const size_t before = canvas.CachedCellBytes();
  canvas.SetBrushColor(clRed);
  canvas.TextOut(0, 300, "W", FontOfPixels(300));
  EXPECT_EQ(canvas.PixelAt(1, 301), clRed);
  EXPECT_EQ(canvas.CachedCellBytes(), before);
}
