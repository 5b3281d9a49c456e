#include "platform/image_canvas.h"

#include <QBackingStore>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"
#include "platform/qt_convert.h"

ImageCanvas::ImageCanvas(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)) {}

void ImageCanvas::Resize(int width, int height, Color fill) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  if (image_.isNull()) {
    blank_ = fill;
  } else {
    EndPainting();
    QImage resized(width * scale_, height * scale_, QImage::Format_RGB32);
    resized.setDevicePixelRatio(scale_);
    resized.fill(ToQColor(fill));
    QPainter painter(&resized);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = resized;
  }
  MarkDrawn(Rect());
}

void ImageCanvas::SetScale(int scale) {
  scale = std::max(1, scale);
  if (scale == scale_) return;
  scale_ = scale;
  cells_.clear();
  cellBytes_ = 0;
  shown_ = QImage();
  if (!image_.isNull()) {
    EndPainting();
    const QImage before = image_;
    image_ = QImage();
    QPainter painter(&Pixels());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(Rect(), before);
  }
  MarkDrawn(Rect());
}

QImage& ImageCanvas::Pixels() const {
  if (image_.isNull()) {
    image_ = QImage(width_ * scale_, height_ * scale_, QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale_);
    image_.fill(ToQColor(blank_));
  }
  return image_;
}

namespace {
constexpr size_t kMaxCachedFonts = 64;
constexpr size_t kMaxCachedCells = 4096;
// A cell larger than this is drawn each time rather than crowding out the others.
constexpr size_t kMaxCellBytes = kMaxCachedCellBytes / 32;
// Beyond this many pieces what was drawn becomes their bounding box: updating a few more
// pixels costs less than keeping (and pushing) ever more pieces.
constexpr size_t kMaxDrawnPieces = 64;
// A screen shows about 60 frames a second: a bullet that climbs every millisecond updates the
// widget no more often than that.
constexpr qint64 kFrameMs = 16;

// Drawn areas are counted in plain arithmetic: this runs for every letter drawn.
int64_t Area(int left, int top, int right, int bottom) {
  return right < left || bottom < top ? 0 : int64_t{right - left + 1} * (bottom - top + 1);
}

QRect Box(const QRect& a, const QRect& b) {
  return QRect(QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
               QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

// Whether the box around a and b is hardly more than a and b: the letters of a word, or a word
// erased and drawn a little lower.
bool WorthJoining(const QRect& a, const QRect& b) {
  const int64_t both = Area(std::max(a.left(), b.left()), std::max(a.top(), b.top()),
                            std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom()));
  const int64_t covered = Area(a.left(), a.top(), a.right(), a.bottom()) +
                          Area(b.left(), b.top(), b.right(), b.bottom()) - both;
  const QRect box = Box(a, b);
  return Area(box.left(), box.top(), box.right(), box.bottom()) - covered <= covered / 4;
}
}  // namespace

const QImage& ImageCanvas::Image() const {
  EndPainting();
  return Pixels();
}

Color ImageCanvas::PixelAt(int x, int y) const {
  if (image_.isNull() && Rect().contains(x, y)) return blank_;
  return FromQColor(Image().pixelColor(x * scale_, y * scale_));
}

QRegion ImageCanvas::TakeDrawn() {
  QRegion region;
  if (!comparesDrawn || shown_.size() != QSize(width_, height_) * scale_) {
    for (const QRect& piece : drawn_) region += piece;
    if (comparesDrawn) shown_ = Pixels().copy();
  } else {
    for (const QRect& piece : drawn_) {
      if (ShowPiece(piece)) region += piece;
    }
  }
  drawn_.clear();
  return region;
}

void ImageCanvas::ForgetDrawn() {
  drawn_.clear();
  shown_ = QImage();
}

bool ImageCanvas::ShowPiece(const QRect& drawn) {
  const QRect piece = InPixels(drawn);
  const auto rowBytes = static_cast<size_t>(piece.width()) * sizeof(QRgb);
  const auto offset = static_cast<size_t>(piece.left()) * sizeof(QRgb);
  bool changed = false;
  for (int y = piece.top(); y <= piece.bottom(); ++y) {
    const uchar* now = image_.constScanLine(y) + offset;
    const uchar* before = shown_.constScanLine(y) + offset;
    if (std::memcmp(now, before, rowBytes) == 0) continue;
    std::memcpy(shown_.scanLine(y) + offset, now, rowBytes);
    changed = true;
  }
  return changed;
}

void ImageCanvas::MarkDrawn(const QRect& area) {
  const QRect inside(
      QPoint(std::max(area.left(), 0), std::max(area.top(), 0)),
      QPoint(std::min(area.right(), width_ - 1), std::min(area.bottom(), height_ - 1)));
  if (inside.isEmpty()) return;
  const bool first = drawn_.empty();
  // A word's or a key's cells come one after the other: they mostly join the last piece.
  drawn_.push_back(inside);
  while (drawn_.size() >= 2 && WorthJoining(drawn_[drawn_.size() - 2], drawn_.back())) {
    const QRect joined = Box(drawn_[drawn_.size() - 2], drawn_.back());
    drawn_.pop_back();
    drawn_.back() = joined;
  }
  if (drawn_.size() > kMaxDrawnPieces) {
    QRect box = drawn_.front();
    for (const QRect& piece : drawn_) box = Box(box, piece);
    drawn_.assign(1, box);
  }
  if (first && onFirstDrawn) onFirstDrawn();
}

bool ImageCanvas::CopyChangedRows(const QImage& cell, int x, int y) {
  Pixels();
  const auto rowBytes = static_cast<size_t>(cell.width()) * sizeof(QRgb);
  const auto cellLine = static_cast<size_t>(cell.bytesPerLine());
  const auto imageLine = static_cast<size_t>(image_.bytesPerLine());
  const size_t start =
      static_cast<size_t>(y * scale_) * imageLine + static_cast<size_t>(x * scale_) * sizeof(QRgb);
  const int rows = cell.height();
  const uchar* from = cell.constBits();
  const uchar* now = image_.constBits() + start;
  int row = 0;
  while (row < rows && std::memcmp(now + row * imageLine, from + row * cellLine, rowBytes) == 0) {
    ++row;
  }
  if (row == rows) return false;
  // Writing to a picture shared with a copy gives it pixels of its own, which an open painter
  // would not follow.
  if (!image_.isDetached()) EndPainting();
  uchar* to = image_.bits() + start;
  for (; row < rows; ++row) std::memcpy(to + row * imageLine, from + row * cellLine, rowBytes);
  return true;
}

QPainter& ImageCanvas::Painter(PenMode mode) {
  if (!painter_) painter_ = std::make_unique<QPainter>(&Pixels());
  painter_->setCompositionMode(mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                    : QPainter::CompositionMode_SourceOver);
  return *painter_;
}

void ImageCanvas::EndPainting() const {
  if (painter_) painter_.reset();
}

const ImageCanvas::CachedFont& ImageCanvas::QtFontFor(const Font& font) {
  auto found = fonts_.find(std::tie(font.face, font.height, font.style));
  if (found == fonts_.end()) {
    if (fonts_.size() >= kMaxCachedFonts) {  // a designer trying many fonts: start afresh
      cells_.clear();
      cellBytes_ = 0;
      fonts_.clear();
    }
    const QFont qfont = ToQFont(font);
    found = fonts_.emplace(std::make_tuple(font.face, font.height, font.style),
                           CachedFont{qfont, QFontMetrics(qfont)})
                .first;
  }
  return found->second;
}

void ImageCanvas::Fill(const QRect& area, Color color) {
  const QRect inside = area & Rect();
  if (inside.isEmpty()) return;
  // A picture still all of one colour has nothing to show anew when filled with that colour.
  if (image_.isNull() && color == blank_) return;
  Pixels();
  const QRect pixels = InPixels(inside);
  const QRgb pixel = ToQColor(color).rgb();
  const auto row = [&](int y) { return reinterpret_cast<const QRgb*>(image_.constScanLine(y)); };
  int y = pixels.top();
  // Rows that already show the colour are left alone (and not shown again).
  while (y <= pixels.bottom() && std::all_of(row(y) + pixels.left(), row(y) + pixels.right() + 1,
                                             [pixel](QRgb p) { return p == pixel; })) {
    ++y;
  }
  if (y > pixels.bottom()) return;
  if (!image_.isDetached()) EndPainting();  // as in CopyChangedRows
  for (; y <= pixels.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(line + pixels.left(), line + pixels.right() + 1, pixel);
  }
  MarkDrawn(inside);
}

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  Fill(QRect(left, top, right - left, bottom - top), brush_);
}

void ImageCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  const int half = penWidth_ / 2;
  const QRect outer(left - half, top - half, right - left + penWidth_ - 1,
                    bottom - top + penWidth_ - 1);
  if (penMode_ == PenMode::Xor) {
    // Drawn by XOR, the whole area is combined once, so drawing it twice restores the picture.
    Painter(PenMode::Xor).fillRect(outer, ToQColor(pen_));
    MarkDrawn(outer);
    return;
  }
  Fill(outer, pen_);
  const int inset = penWidth_ - half;
  if (right - left > 2 * inset && bottom - top > 2 * inset) {
    Fill(QRect(left + inset, top + inset, right - left - 2 * inset, bottom - top - 2 * inset),
         brush_);
  }
}

void ImageCanvas::Line(int x1, int y1, int x2, int y2) {
  if (scale_ == 1 && penMode_ == PenMode::Copy && penWidth_ >= 2 && (x1 == x2) != (y1 == y2)) {
    // A wide upright or level stroke is a rectangle: the pixels a flat-capped pen covers,
    // from the first point up to the last one, which it leaves out. (Enlarged, an odd width
    // covers half units; the painter places those.)
    if (x1 == x2) {
      Fill(QRect(x1 - penWidth_ / 2, std::min(y1, y2), penWidth_, std::abs(y2 - y1)), pen_);
    } else {
      Fill(QRect(std::min(x1, x2), y1 - penWidth_ / 2, std::abs(x2 - x1), penWidth_), pen_);
    }
    return;
  }
  QPainter& painter = Painter(penMode_);
  QPen pen(ToQColor(pen_));
  pen.setWidth(penWidth_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(x1, y1, x2, y2);
  // The stroke's box: the pen reaches half its width (and a pixel of rounding) to each side.
  const int reach = penWidth_ / 2 + 1;
  MarkDrawn(
      QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
          .adjusted(-reach, -reach, reach, reach));
}

const QImage& ImageCanvas::CellFor(char ch, const CachedFont& font, Color color, Color background) {
  const CellKey key{&font, ch, color, background};
  if (const auto found = cells_.find(key); found != cells_.end()) return found->second;
  const QString text(ByteToChar(static_cast<unsigned char>(ch)));
  QImage cell(std::max(1, font.metrics.horizontalAdvance(text)) * scale_,
              std::max(1, font.metrics.height()) * scale_, QImage::Format_RGB32);
  cell.setDevicePixelRatio(scale_);
  cell.fill(ToQColor(background));
  QPainter painter(&cell);
  painter.setFont(font.qfont);
  painter.setPen(ToQColor(color));
  painter.drawText(0, font.metrics.ascent(), text);
  painter.end();
  const auto bytes = static_cast<size_t>(cell.sizeInBytes());
  if (bytes > kMaxCellBytes) {
    uncachedCell_ = std::move(cell);
    return uncachedCell_;
  }
  if (cells_.size() >= kMaxCachedCells || cellBytes_ + bytes > kMaxCachedCellBytes) {
    cells_.clear();
    cellBytes_ = 0;
  }
  cellBytes_ += bytes;
  return cells_.emplace(key, std::move(cell)).first->second;  // shared, not copied
}

void ImageCanvas::TextOut(int x, int y, const std::string& text, const Font& font) {
  const CachedFont& cached = QtFontFor(font);
  if (text.size() == 1) {
    const QImage& cell = CellFor(text[0], cached, font.color, brush_);
    const QRect area(QPoint(x, y), cell.size() / scale_);
    if (Rect().contains(area) && cell.format() == QImage::Format_RGB32) {
      // An opaque cell is its rows copied. Only rows that differ are written, and a cell
      // redrawn where it stands (a word waiting its turn to fall, a key in its own colour)
      // changes nothing on the screen.
      if (CopyChangedRows(cell, x, y)) MarkDrawn(area);
      return;
    }
    Painter(PenMode::Copy).drawImage(x, y, cell);  // clipped at the picture's edges
    MarkDrawn(area);
    return;
  }
  const QString qtext = BytesToQString(text);
  QPainter& painter = Painter(PenMode::Copy);
  const QRect box(x, y, cached.metrics.horizontalAdvance(qtext), cached.metrics.height());
  painter.fillRect(box, ToQColor(brush_));
  painter.setFont(cached.qfont);
  painter.setPen(ToQColor(font.color));
  const QPoint baseline(x, y + cached.metrics.ascent());
  painter.drawText(baseline, qtext);
  // Glyphs may reach past their box (italics, overhangs).
  MarkDrawn(box | cached.metrics.boundingRect(qtext).translated(baseline));
}

int ImageCanvas::TextWidth(const std::string& text, const Font& font) {
  return QtFontFor(font).metrics.horizontalAdvance(BytesToQString(text));
}

int ImageCanvas::TextHeight(const std::string&, const Font& font) {
  return QtFontFor(font).metrics.height();
}

PaintSurface::PaintSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.SetScale(ScreenScale());  // windows draw before they are first shown
  showDrawnTimer_.setSingleShot(true);
  connect(&showDrawnTimer_, &QTimer::timeout, this, [this] { ShowDrawn(); });
  canvas_.onFirstDrawn = [this] {
    const qint64 wait = sinceShown_.isValid() ? kFrameMs - sinceShown_.elapsed() : 0;
    showDrawnTimer_.start(static_cast<int>(std::clamp<qint64>(wait, 0, kFrameMs)));
  };
}

void PaintSurface::ShowDrawn() {
  if (!isVisible()) {  // shown again, it paints whole
    canvas_.ForgetDrawn();
    return;
  }
  sinceShown_.start();
  lastShown_ = canvas_.TakeDrawn();
  // Where other widgets stand on the surface (a label on a painted page), the repaint draws
  // them over the picture; the copy would hide them.
  const QRegion covered = lastShown_ & CoveredByOthers();
  if (!needsFullPaint_ && SendToScreen(lastShown_ - covered)) {
    if (!covered.isEmpty()) repaint(covered);
    return;
  }
  repaint(lastShown_);
}

QRegion PaintSurface::CoveredByOthers() const {
  QRegion covered;
  const auto add = [&](const QObject* object, QPoint offset) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget && !widget->isWindow() && widget->isVisible()) {
      covered += widget->geometry().translated(offset);
    }
  };
  for (const QObject* child : children()) add(child, QPoint());
  if (const QWidget* parent = parentWidget(); parent && !isWindow()) {
    // Siblings after this one are stacked above it.
    const QObjectList& siblings = parent->children();
    for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.end(); ++it) {
      if (*it != this) add(*it, -pos());
    }
  }
  return covered;
}

void PaintSurface::ShowDrawnNow() {
  if (!showDrawnTimer_.isActive() || showDrawnTimer_.interval() > 0) return;
  showDrawnTimer_.stop();
  ShowDrawn();
}

void PaintSurface::Invalidate() {
  needsFullPaint_ = true;
  update();
}

void PaintSurface::paintEvent(QPaintEvent* event) {
  if (needsFullPaint_) {
    needsFullPaint_ = false;
    if (onPaint) onPaint();
    // What the handler drew outside this event shows at the next one.
    const QRegion beyond = canvas_.TakeDrawn() - event->region();
    if (!beyond.isEmpty()) update(beyond);
  }
  const QImage& image = canvas_.Image();
  QPainter painter(this);
  // A picture of another density than the screen's (a fractional scale) is reduced smoothly.
  if (canvas_.Scale() != devicePixelRatioF())
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const int scale = canvas_.Scale();
  for (const QRect& area : event->region()) {
    painter.drawImage(area, image, QRect(area.topLeft() * scale, area.size() * scale));
  }
}

bool PaintSurface::SendToScreen(const QRegion& region) {
  // Drawn areas need none of Qt's repaint machinery, which costs more than the copy for the few
  // small areas of a game step: the opaque picture's rows are copied into the window's buffer
  // and that part of the buffer is sent to the screen. Anything unusual takes the repaint.
  QWidget* top = window();
  QWindow* handle = top->windowHandle();
  QBackingStore* store = top->backingStore();
  if (!handle || !handle->isExposed() || !store || store->size() != top->size() ||
      !updatesEnabled() || graphicsEffect() || devicePixelRatio() != 1.0) {
    return false;
  }
  const QImage& image = canvas_.Image();
  const auto sameBytes = [&](const QPaintDevice* device) {
    // The picture is opaque: its 0xffRRGGBB pixels are the same bytes in these formats.
    if (device->devType() != QInternal::Image) return false;
    const auto* buffer = static_cast<const QImage*>(device);
    return image.format() == QImage::Format_RGB32 && buffer->devicePixelRatio() == 1.0 &&
           (buffer->format() == QImage::Format_RGB32 || buffer->format() == QImage::Format_ARGB32 ||
            buffer->format() == QImage::Format_ARGB32_Premultiplied);
  };
  if (!sameBytes(store->paintDevice())) return false;
  const QRegion visible = region & visibleRegion();
  if (visible.isEmpty()) return true;
  const QPoint offset = mapTo(top, QPoint(0, 0));
  const QRegion inWindow = visible.translated(offset);
  store->beginPaint(inWindow);
  QPaintDevice* device = store->paintDevice();
  const bool copied = sameBytes(device);
  if (copied) {
    auto* buffer = static_cast<QImage*>(device);
    const QRect inside = buffer->rect().translated(-offset) & image.rect();
    for (const QRect& asked : visible) {
      const QRect area = asked & inside;
      if (area.isEmpty()) continue;
      const auto rowBytes = static_cast<size_t>(area.width()) * sizeof(QRgb);
      for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memcpy(buffer->scanLine(y + offset.y()) + (area.left() + offset.x()) * sizeof(QRgb),
                    image.constScanLine(y) + area.left() * sizeof(QRgb), rowBytes);
      }
    }
  }
  store->endPaint();
  if (copied) store->flush(inWindow, handle);
  return copied;
}

void PaintSurface::resizeEvent(QResizeEvent*) {
  canvas_.SetScale(ScreenScale());
  canvas_.Resize(width(), height(), background);
  needsFullPaint_ = true;
}

void PaintSurface::showEvent(QShowEvent*) {
  canvas_.SetScale(ScreenScale());  // the window may have come to another screen
  needsFullPaint_ = true;
}

int PaintSurface::ScreenScale() const {
  return static_cast<int>(std::ceil(devicePixelRatioF() - 0.01));
}

void PaintSurface::hideEvent(QHideEvent*) {
  canvas_.ForgetDrawn();
}
