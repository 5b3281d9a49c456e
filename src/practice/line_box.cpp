#include "practice/line_box.h"

#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/accessible_line.h"

namespace {
// Space between the frame and the text, as a text document keeps it.
constexpr int kMargin = 4;

// A box is an editable text where it takes the focus, and a static text where it only shows.
class AccessibleLineBox final : public QAccessibleWidget, public AccessibleLineText {
 public:
  explicit AccessibleLineBox(LineBox* box) : QAccessibleWidget(box), box_(box) {}

  QString LineText() const override { return box_->Text(); }
  int Caret() const override { return std::min<int>(box_->FollowedPlace(), box_->Text().size()); }
  QRect CharacterPlace(int offset) const override {
    const QRect place = box_->PlaceOf(offset).toAlignedRect();
    return QRect(box_->mapToGlobal(place.topLeft()), place.size());
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? LineText() : QAccessibleWidget::text(t);
  }
  // Taken from the focus policy each time: a reader may ask before the policy is set.
  QAccessible::Role role() const override {
    return box_->focusPolicy() == Qt::NoFocus ? QAccessible::StaticText : QAccessible::EditableText;
  }
  // A wrong character (red and underlined) is read as a misspelling, which readers announce,
  // within the run of characters alike.
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    const int count = characterCount();
    if (offset < 0 || offset >= count) {
      *startOffset = *endOffset = offset;
      return {};
    }
    const bool wrong = box_->UnderlinedAt(offset);
    *startOffset = offset;
    *endOffset = offset + 1;
    while (*startOffset > 0 && box_->UnderlinedAt(*startOffset - 1) == wrong) --*startOffset;
    while (*endOffset < count && box_->UnderlinedAt(*endOffset) == wrong) ++*endOffset;
    if (!wrong) return {};
    const QColor colour = box_->ColourAt(offset);
    return QStringLiteral(
               "text-underline-style:solid;text-underline-type:single;invalid:spelling;"
               "color:rgb(%1,%2,%3);")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = role() != QAccessible::EditableText;
    state.editable = !state.readOnly;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  using AccessibleLineText::text;

 private:
  LineBox* box_;
};

QAccessibleInterface* LineBoxInterface(const QString&, QObject* object) {
  auto* box = dynamic_cast<LineBox*>(object);
  return box ? new AccessibleLineBox(box) : nullptr;
}
}  // namespace

LineBox::LineBox(QWidget* parent) : QFrame(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(LineBoxInterface);
    return true;
  }();
  (void)factoryInstalled;
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  // Every pixel is painted here: the frame's surroundings in the window colour.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::IBeamCursor);
}

void LineBox::ShowLine(const QString& line) {
  const QString before = text_;
  line_ = line;
  text_ = line;
  looks_.assign(static_cast<size_t>(line.size()), {palette().color(QPalette::Text), false});
  placesStale_ = true;
  update(contentsRect());
  Announce(before);
}

void LineBox::PlaceBy(const QString& line) {
  if (line == line_) return;
  line_ = line;
  placesStale_ = true;
  update(contentsRect());
}

void LineBox::Append(QChar ch, QColor colour, bool underline) {
  const QRect caret = CaretRect();
  const QString before = QAccessible::isActive() ? text_ : QString();
  text_ += ch;
  looks_.push_back({colour, underline});
  Announce(before);
  if (text_.size() > line_.size()) {  // past the line: placed by its own advance
    placesStale_ = true;
    update(contentsRect());
    return;
  }
  update(CellRect(static_cast<int>(text_.size()) - 1, QFontMetricsF(font())));
  if (caretShown_ && hasFocus()) {
    update(caret);
    update(CaretRect());
  }
}

void LineBox::RemoveLast() {
  if (text_.isEmpty()) return;
  const QRect cell = CellRect(static_cast<int>(text_.size()) - 1, QFontMetricsF(font()));
  const QRect caret = CaretRect();  // may stand on the next row
  const bool pastLine = text_.size() > line_.size();
  const QString before = QAccessible::isActive() ? text_ : QString();
  text_.chop(1);
  looks_.pop_back();
  Announce(before);
  if (pastLine) {
    placesStale_ = true;
    update(contentsRect());
    return;
  }
  update(cell);
  if (caretShown_ && hasFocus()) {
    update(caret);
    update(CaretRect());
  }
}

void LineBox::Clear() {
  const QString before = text_;
  if (text_.size() > line_.size()) placesStale_ = true;
  text_.clear();
  looks_.clear();
  update(contentsRect());
  Announce(before);
}

void LineBox::Announce(const QString& before) {
  if (QAccessible::isActive()) {
    AnnounceLineChange(QAccessible::queryAccessibleInterface(this), before, text_);
  }
}

void LineBox::SetCaretShown(bool shown) {
  caretShown_ = shown;
  update(CaretRect());
}

void LineBox::FollowPlace(int i) {
  const bool moved = i != followed_;
  followed_ = i;
  const double before = scroll_;
  Places();  // laid out, if stale, already scrolled to i
  ScrollToFollowed();
  if (scroll_ != before) update(contentsRect());
  if (moved && QAccessible::isActive()) {
    QAccessibleTextCursorEvent event(this, std::min<int>(i, text_.size()));
    QAccessible::updateAccessibility(&event);
  }
}

void LineBox::ScrollToFollowed() const {
  int row = 0;
  if (!places_.empty()) {
    const auto place = std::clamp<size_t>(static_cast<size_t>(std::max(followed_, 0)), 0,
                                          places_.size() - 1);
    row = places_[place].row;
  }
  const double view = contentsRect().height() - 2 * kMargin;
  const double top = row * lineHeight_;
  scroll_ = std::max(0.0, std::min(top, top + lineHeight_ - view));
}

const std::vector<CharPlace>& LineBox::Places() const {
  if (placesStale_) {
    const QFontMetricsF metrics(font());
    const QString placed = line_ + text_.mid(line_.size());
    places_ = PlaceCharacters(
        placed, [&](QChar ch) { return metrics.horizontalAdvance(ch); },
        contentsRect().width() - 2 * kMargin);
    // Rows as a text document stacks them: the font's height, rounded up.
    textHeight_ = metrics.height();
    lineHeight_ = std::ceil(textHeight_);
    reach_ = std::ceil(metrics.maxWidth()) + 1;
    glyphs_ = QRawFont::fromFont(font());
    placesStale_ = false;
    ScrollToFollowed();
  }
  return places_;
}

int LineBox::ColumnsIn(int width) const {
  const double row = width - 2 * frameWidth() - 2 * kMargin;
  return static_cast<int>(row / QFontMetricsF(font()).averageCharWidth());
}

QPointF LineBox::TextOrigin() const {
  return contentsRect().topLeft() + QPointF(kMargin, kMargin - scroll_);
}

QRectF LineBox::PlaceOf(int i) const {
  const std::vector<CharPlace>& places = Places();
  CharPlace place;
  if (i < static_cast<int>(places.size())) {
    place = places[static_cast<size_t>(i)];
  } else if (!places.empty()) {
    place = places.back();
    place.x += place.advance;
    place.advance = 0;
  }
  return {TextOrigin() + QPointF(place.x, place.row * lineHeight_),
          QSizeF(place.advance, lineHeight_)};
}

QRect LineBox::CellRect(int i, const QFontMetricsF& metrics) const {
  const QChar ch = text_[i];
  QRectF cell = PlaceOf(i);
  cell.setWidth(std::max(cell.width(), metrics.horizontalAdvance(ch)));
  const QRectF ink =
      metrics.boundingRect(ch).translated(cell.left(), cell.top() + metrics.ascent());
  // A pixel more on each side for the smoothing of the glyph's edges.
  return cell.united(ink).toAlignedRect().adjusted(-1, 0, 1, 0);
}

QRectF LineBox::Caret() const {
  const QRectF place = PlaceOf(static_cast<int>(text_.size()));
  return {place.topLeft(), QSizeF(1, textHeight_)};
}

QVariant LineBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled:
      return testAttribute(Qt::WA_InputMethodEnabled);
    case Qt::ImCursorRectangle:
      return Caret();
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
      return static_cast<int>(text_.size());
    case Qt::ImSurroundingText:
      return text_;
    default:
      return QFrame::inputMethodQuery(query);
  }
}

void LineBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  const QRect inside = contentsRect();
  if (!inside.contains(area)) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    drawFrame(&painter);
  }
  painter.fillRect(inside & area, palette().color(QPalette::Base));
  // Nothing of the text reaches the frame: rows scrolled out of view, or a glyph's edge.
  painter.setClipRect(inside & area);
  const QFontMetricsF metrics(font());
  QFont underlined = font();
  underlined.setUnderline(true);
  // Characters far from the area are passed over by their places alone: no glyph reaches
  // further than the font's widest character from its place, nor beyond the next row.
  const std::vector<CharPlace>& places = Places();
  const QPointF origin = TextOrigin();
  const QRectF reach =
      QRectF(area).translated(-origin).adjusted(-reach_, -lineHeight_, reach_, lineHeight_);
  for (int i = 0; i < text_.size() && i < static_cast<int>(places.size()); ++i) {
    const CharPlace& place = places[static_cast<size_t>(i)];
    const double top = place.row * lineHeight_;
    if (top > reach.bottom() || top + lineHeight_ < reach.top() || place.x > reach.right() ||
        place.x + place.advance < reach.left() ||
        !event->region().intersects(CellRect(i, metrics))) {
      continue;
    }
    const Look& look = looks_[static_cast<size_t>(i)];
    painter.setPen(look.colour);
    const QChar ch = text_[i] == u'\t' ? QChar(u' ') : text_[i];
    QPointF baseline = origin + QPointF(place.x, top + metrics.ascent());
    bool squeezed = false;
    if (i < line_.size() && ch != line_[i]) {
      // Another character than the line's is squeezed into its place rather than cover the
      // next one (only proportional fonts have characters of other widths).
      const double width = metrics.horizontalAdvance(ch);
      if (width > place.advance && place.advance > 0) {
        painter.save();
        painter.translate(baseline);
        painter.scale(place.advance / width, 1);
        baseline = QPointF();
        squeezed = true;
      }
    }
    if (!look.underline && glyphs_.supportsCharacter(ch)) {
      // The glyph itself: drawing text would shape the character again on every paint.
      QGlyphRun run;
      run.setRawFont(glyphs_);
      run.setGlyphIndexes(glyphs_.glyphIndexesForString(QString(ch)));
      run.setPositions({QPointF()});
      painter.drawGlyphRun(baseline, run);
    } else {  // underlined as text is, or a character from another font
      painter.setFont(look.underline ? underlined : font());
      painter.drawText(baseline, QString(ch));
    }
    if (squeezed) painter.restore();
  }
  if (caretShown_ && hasFocus()) {
    const QColor base = palette().color(QPalette::Base);
    painter.fillRect(Caret(), QColor(255 - base.red(), 255 - base.green(), 255 - base.blue()));
  }
}

void LineBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  placesStale_ = true;
}

void LineBox::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    placesStale_ = true;
  }
}

// Only the caret changes with the focus: the rest of the box is not repainted.
void LineBox::focusInEvent(QFocusEvent*) {
  if (caretShown_) update(CaretRect());
}

void LineBox::focusOutEvent(QFocusEvent*) {
  if (caretShown_) update(CaretRect());
}
