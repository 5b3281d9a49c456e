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
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(ToQColor(fill));
  QPainter painter(&resized);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = resized;
}

Color ImageCanvas::PixelAt(int x, int y) const { return FromQColor(image_.pixelColor(x, y)); }

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(brush_));
}

void ImageCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  QPainter painter(&image_);
  if (penMode_ == PenMode::Xor) {
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // A wide pen drawn by XOR: the outline band only, as a GDI rectangle with a null interior
    // brush would leave the inside to the brush; here the whole area is combined once.
    painter.fillRect(QRect(left - penWidth_ / 2, top - penWidth_ / 2,
                           right - left + penWidth_ - 1, bottom - top + penWidth_ - 1),
                     ToQColor(pen_));
    return;
  }
  const int half = penWidth_ / 2;
  painter.fillRect(QRect(left - half, top - half, right - left + penWidth_ - 1,
                         bottom - top + penWidth_ - 1),
                   ToQColor(pen_));
  const int inset = penWidth_ - half;
  if (right - left > 2 * inset && bottom - top > 2 * inset) {
    painter.fillRect(QRect(left + inset, top + inset, right - left - 2 * inset,
                           bottom - top - 2 * inset),
                     ToQColor(brush_));
  }
}

void ImageCanvas::Line(int x1, int y1, int x2, int y2) {
  QPainter painter(&image_);
  if (penMode_ == PenMode::Xor) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QPen pen(ToQColor(pen_));
  pen.setWidth(penWidth_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(x1, y1, x2, y2);
}

void ImageCanvas::TextOut(int x, int y, const std::string& text, const Font& font) {
  const QFont qfont = ToQFont(font);
  const QFontMetrics metrics(qfont);
  const QString qtext = BytesToQString(text);
  QPainter painter(&image_);
  painter.fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()),
                   ToQColor(brush_));
  painter.setFont(qfont);
  painter.setPen(ToQColor(font.color));
  painter.drawText(x, y + metrics.ascent(), qtext);
}

int ImageCanvas::TextWidth(const std::string& text, const Font& font) {
  return QFontMetrics(ToQFont(font)).horizontalAdvance(BytesToQString(text));
}

int ImageCanvas::TextHeight(const std::string&, const Font& font) {
  return QFontMetrics(ToQFont(font)).height();
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
