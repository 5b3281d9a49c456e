#pragma once
// Canvas that draws into a QImage; PaintSurface shows such an image in a widget.
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/canvas.h"

// The glyph cells a canvas keeps: a few hundred small cells are all the windows draw.
inline constexpr size_t kMaxCachedCellBytes = size_t{2} << 20;

// The picture takes its memory only when something is drawn on it or it is read: until then
// it is one colour, white or the fill of the last Resize (a window's canvas is sized when the
// window is made, and may never be shown).
//
// Everything is drawn in the window's coordinates; the picture holds scale pixels to each of
// them (Scale), so that letters and lines are as sharp on a high-density screen as Qt's own.
class ImageCanvas final : public Canvas {
 public:
  explicit ImageCanvas(int width = 1, int height = 1);
  // Keeps the picture where the sizes overlap; new area is filled with fill. A picture with
  // nothing drawn on it becomes fill all over.
  void Resize(int width, int height, Color fill);
  // Screen pixels to a unit of the coordinates; what was drawn is kept, enlarged or reduced,
  // until it is drawn again.
  void SetScale(int scale);
  int Scale() const { return scale_; }
  // The pixels, made now if nothing was drawn yet; scale times the size.
  const QImage& Image() const;
  // The colour at (x, y), the top left of the unit's pixels.
  Color PixelAt(int x, int y) const;
  // Whether the picture holds pixels of its own yet.
  bool HasPixels() const { return !image_.isNull(); }
  // The areas drawn since the last call (within the picture). With comparesDrawn, only those
  // that look different from what they looked at that call: a key redrawn as it stands, its
  // face filled and its letters drawn again, is not among them.
  QRegion TakeDrawn();
  // Forgets what was drawn, and how the picture looked (a hidden surface shows nothing).
  void ForgetDrawn();
  // A second picture, kept to compare with (single letters redrawn as they stand are left out
  // without it).
  bool comparesDrawn = false;
  // Runs when something is drawn while nothing drawn is pending, so that its owner can show
  // the changes once they are all made.
  std::function<void()> onFirstDrawn;

  void SetBrushColor(Color color) override { brush_ = color; }
  Color BrushColor() const override { return brush_; }
  void SetPen(Color color, int width) override {
    pen_ = color;
    penWidth_ = width;
  }
  void SetPenMode(PenMode mode) override { penMode_ = mode; }
  void FillRect(int left, int top, int right, int bottom) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, const std::string& text, const Font& font) override;
  int TextWidth(const std::string& text, const Font& font) override;
  int TextHeight(const std::string& text, const Font& font) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // What the cached glyph cells hold; never above kMaxCachedCellBytes.
  size_t CachedCellBytes() const { return cellBytes_; }

 private:
  // One painter stays open between drawing calls (opening one per call dominated the cost of
  // drawing text); it is closed before the picture is read or replaced.
  QPainter& Painter(PenMode mode);
  void EndPainting() const;
  void MarkDrawn(const QRect& area);
  // Fills the part of area within the picture with an opaque colour, as a painter would,
  // without opening one: most of what the windows draw is filled boxes.
  void Fill(const QRect& area, Color color);
  // Whether a drawn piece differs from how it was last handed out; brings it up to date.
  bool ShowPiece(const QRect& piece);
  // Copies the rows of an opaque cell that lies within the picture; whether any differed.
  bool CopyChangedRows(const QImage& cell, int x, int y);
  struct CachedFont {
    QFont qfont;
    QFontMetrics metrics;
  };
  const CachedFont& QtFontFor(const Font& font);
  // A one-character cell (glyph on its opaque box) drawn once and copied after that: the game
  // and the keyboard draw the same few letters over and over. Valid until the next call.
  const QImage& CellFor(char ch, const CachedFont& font, Color color, Color background);
  struct CellKey {
    const CachedFont* font;
    char ch;
    Color color;
    Color background;
    bool operator==(const CellKey&) const = default;
  };
  struct CellKeyHash {
    size_t operator()(const CellKey& key) const {
      const uint64_t colours = (uint64_t{key.color} << 32 | key.background) * 0x9E3779B97F4A7C15u;
      return std::hash<const void*>()(key.font) ^ static_cast<size_t>(colours) ^
             static_cast<unsigned char>(key.ch);
    }
  };

  // The pixels, made at the first need.
  QImage& Pixels() const;
  QRect Rect() const { return {0, 0, width_, height_}; }
  // An area in the picture's own pixels.
  QRect InPixels(const QRect& area) const {
    return {area.left() * scale_, area.top() * scale_, area.width() * scale_,
            area.height() * scale_};
  }

  int width_;
  int height_;
  int scale_ = 1;
  Color blank_ = clWhite;  // the whole picture while it has no pixels
  mutable QImage image_;   // null until made
  mutable std::unique_ptr<QPainter> painter_;
  // Pieces drawn since the last TakeDrawn, neighbours joined, and the picture as it was then.
  std::vector<QRect> drawn_;
  QImage shown_;
  // By face, height and style (the colour is the pen's, not the font's).
  std::map<std::tuple<std::string, int32_t, uint8_t>, CachedFont, std::less<>> fonts_;
  std::unordered_map<CellKey, QImage, CellKeyHash> cells_;
  QImage uncachedCell_;  // a cell too large to keep
  size_t cellBytes_ = 0;
  Color brush_ = clWhite;
  Color pen_ = clBlack;
  int penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
};

// A widget showing an ImageCanvas. onPaint runs before the picture is shown whenever the
// widget is exposed anew (shown, resized or Invalidate()d), as a paint handler would. Drawing
// on the canvas shows by itself: the widget updates just the areas drawn since its last update,
// at the next turn of the event loop, and no more often than a screen shows frames.
class PaintSurface : public QWidget {
 public:
  explicit PaintSurface(QWidget* parent = nullptr);
  ImageCanvas& canvas() { return canvas_; }
  std::function<void()> onPaint;
  Color background = clBlack;
  // Asks for a full repaint through onPaint at the next paint event.
  void Invalidate();
  // Shows what was drawn now rather than one event-loop turn later, unless the last showing
  // was less than a frame ago.
  void ShowDrawnNow();
  // The areas that the last showing of drawn areas sent to the screen.
  const QRegion& LastShown() const { return lastShown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowDrawn();
  bool SendToScreen(const QRegion& region);
  // Picture pixels to a unit: the screen's density, rounded up.
  int ScreenScale() const;
  // The surface's area under its child widgets and the sibling widgets stacked above it.
  QRegion CoveredByOthers() const;

  ImageCanvas canvas_;
  bool needsFullPaint_ = true;
  QRegion lastShown_;
  QTimer showDrawnTimer_;
  QElapsedTimer sinceShown_;
};
