#include "platform/image_canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/codepage.h"
#include "platform/qt_convert.h"

ImageCanvas::ImageCanvas(int width, int height)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

void ImageCanvas::Resize(int width, int height, Color fill) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == image_.width() && height == image_.height()) return;
  EndPainting();
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(ToQColor(fill));
  QPainter painter(&resized);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = resized;
}

namespace {
constexpr size_t kMaxCachedFonts = 64;
constexpr size_t kMaxCachedCells = 4096;
// A cell larger than this is drawn each time rather than crowding out the others.
constexpr size_t kMaxCellBytes = kMaxCachedCellBytes / 32;
}  // namespace

const QImage& ImageCanvas::Image() const {
  EndPainting();
  return image_;
}

Color ImageCanvas::PixelAt(int x, int y) const {
  return FromQColor(Image().pixelColor(x, y));
}

QPainter& ImageCanvas::Painter(PenMode mode) {
  if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
  painter_->setCompositionMode(mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                    : QPainter::CompositionMode_SourceOver);
  return *painter_;
}

void ImageCanvas::EndPainting() const {
  if (painter_) painter_.reset();
}

const ImageCanvas::CachedFont& ImageCanvas::QtFontFor(const Font& font) {
  const auto key = std::make_tuple(font.face, font.height, font.style);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    if (fonts_.size() >= kMaxCachedFonts) {  // a designer trying many fonts: start afresh
      cells_.clear();
      cellBytes_ = 0;
      fonts_.clear();
    }
    const QFont qfont = ToQFont(font);
    found = fonts_.emplace(key, CachedFont{qfont, QFontMetrics(qfont)}).first;
  }
  return found->second;
}

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  Painter(PenMode::Copy).fillRect(QRect(left, top, right - left, bottom - top), ToQColor(brush_));
}

void ImageCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  QPainter& painter = Painter(penMode_);
  const int half = penWidth_ / 2;
  const QRect outer(left - half, top - half, right - left + penWidth_ - 1,
                    bottom - top + penWidth_ - 1);
  if (penMode_ == PenMode::Xor) {
    // Drawn by XOR, the whole area is combined once, so drawing it twice restores the picture.
    painter.fillRect(outer, ToQColor(pen_));
    return;
  }
  painter.fillRect(outer, ToQColor(pen_));
  const int inset = penWidth_ - half;
  if (right - left > 2 * inset && bottom - top > 2 * inset) {
    painter.fillRect(QRect(left + inset, top + inset, right - left - 2 * inset,
                           bottom - top - 2 * inset),
                     ToQColor(brush_));
  }
}

void ImageCanvas::Line(int x1, int y1, int x2, int y2) {
  QPainter& painter = Painter(penMode_);
  QPen pen(ToQColor(pen_));
  pen.setWidth(penWidth_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(x1, y1, x2, y2);
}

QImage ImageCanvas::CellFor(char ch, const CachedFont& font, Color color, Color background) {
  const auto key = std::make_tuple(&font, ch, color, background);
  if (const auto found = cells_.find(key); found != cells_.end()) return found->second;
  const QString text(ByteToChar(static_cast<unsigned char>(ch)));
  QImage cell(std::max(1, font.metrics.horizontalAdvance(text)), std::max(1, font.metrics.height()),
              QImage::Format_RGB32);
  cell.fill(ToQColor(background));
  QPainter painter(&cell);
  painter.setFont(font.qfont);
  painter.setPen(ToQColor(color));
  painter.drawText(0, font.metrics.ascent(), text);
  painter.end();
  const auto bytes = static_cast<size_t>(cell.sizeInBytes());
  if (bytes > kMaxCellBytes) return cell;
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
    Painter(PenMode::Copy).drawImage(x, y, CellFor(text[0], cached, font.color, brush_));
    return;
  }
  const QString qtext = BytesToQString(text);
  QPainter& painter = Painter(PenMode::Copy);
  painter.fillRect(QRect(x, y, cached.metrics.horizontalAdvance(qtext), cached.metrics.height()),
                   ToQColor(brush_));
  painter.setFont(cached.qfont);
  painter.setPen(ToQColor(font.color));
  painter.drawText(x, y + cached.metrics.ascent(), qtext);
}

int ImageCanvas::TextWidth(const std::string& text, const Font& font) {
  return QtFontFor(font).metrics.horizontalAdvance(BytesToQString(text));
}

int ImageCanvas::TextHeight(const std::string&, const Font& font) {
  return QtFontFor(font).metrics.height();
}

PaintSurface::PaintSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintSurface::Invalidate() {
  needsFullPaint_ = true;
  update();
}

void PaintSurface::paintEvent(QPaintEvent*) {
  if (needsFullPaint_) {
    needsFullPaint_ = false;
    if (onPaint) onPaint();
  }
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_.Image());
}

void PaintSurface::resizeEvent(QResizeEvent*) {
  canvas_.Resize(width(), height(), background);
  needsFullPaint_ = true;
}

void PaintSurface::showEvent(QShowEvent*) { needsFullPaint_ = true; }
