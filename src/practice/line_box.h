#pragma once
// LineBox: a box of practice text that draws its characters itself, each in its own colour and
// perhaps underlined, at the places PlaceCharacters gives a line's characters. Adding or
// removing the last character repaints that character and the caret, nothing else; no text is
// laid out again. The sample shows its line; the typing box places what is typed by the sample
// line, so both wrap alike and a typed character stands under its sample character.
//
// A line may need more rows than the box shows: the box then scrolls, as a text box does, so
// that the row of the place the learner has reached is in view. Screen readers read the box
// as a line of text named by its accessible name, with the caret at that place.
#include <QFontMetricsF>
#include <QFrame>
#include <QRawFont>
#include <QString>
#include <vector>

#include "practice/line_places.h"

class LineBox : public QFrame {
 public:
  explicit LineBox(QWidget* parent = nullptr);

  // The box shows line in its palette's text colour, and places its characters by it.
  void ShowLine(const QString& line);
  // The characters shown stand at the places of line's characters (one past its end
  // after the one before, by its own advance). The characters are kept.
  void PlaceBy(const QString& line);
  void Append(QChar ch, QColor colour, bool underline);
  void RemoveLast();
  void Clear();
  // A steady caret where the next character goes, while the box has the focus: one pixel
  // wide, the font's height, in the background's inverse as a text box draws it.
  void SetCaretShown(bool shown);
  // Place i of the line is where the learner stands: its row is kept in view, and screen
  // readers are told that the caret stands there.
  void FollowPlace(int i);
  int FollowedPlace() const { return followed_; }

  const QString& Text() const { return text_; }
  QColor ColourAt(int i) const { return looks_[static_cast<size_t>(i)].colour; }
  bool UnderlinedAt(int i) const { return looks_[static_cast<size_t>(i)].underline; }
  // The place of character i (or of the next one at i == size) in the box: left edge, row
  // top, advance and row height.
  QRectF PlaceOf(int i) const;
  // How many characters of the font's average width fit in a row of the box at width.
  int ColumnsIn(int width) const;

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Look {
    QColor colour;
    bool underline = false;
  };

  // Lays the characters out again when the line, the text's end, the font or the width changed.
  const std::vector<CharPlace>& Places() const;
  // The least scrolling that shows the followed place's row whole (its top, when the box is
  // lower than a row).
  void ScrollToFollowed() const;
  QPointF TextOrigin() const;
  // What drawing character i touches: its place with its underline, and its glyph.
  QRect CellRect(int i, const QFontMetricsF& metrics) const;
  QRectF Caret() const;
  QRect CaretRect() const { return Caret().toAlignedRect(); }
  // Tells screen readers, when one listens, how the text changed from before.
  void Announce(const QString& before);

  QString line_;
  QString text_;
  std::vector<Look> looks_;
  bool caretShown_ = false;
  int followed_ = 0;
  // The layout, made again by Places() when stale: the places of line_ followed by those of
  // the characters of text_ past its end, and what the font gives for drawing them.
  mutable std::vector<CharPlace> places_;
  mutable bool placesStale_ = true;
  mutable double lineHeight_ = 0;
  mutable double textHeight_ = 0;
  mutable double reach_ = 0;
  mutable double scroll_ = 0;  // pixels of rows above the view
  mutable QRawFont glyphs_;
};
