#include "practice/line_places.h"

#include <cmath>

namespace {
bool IsSpace(QChar ch) {
  return ch == u' ' || ch == u'\t';
}
}  // namespace

std::vector<CharPlace> PlaceCharacters(const QString& line,
                                       const std::function<double(QChar)>& advanceOf,
                                       double rowWidth) {
  std::vector<CharPlace> places(static_cast<size_t>(line.size()));
  int row = 0;
  int rowStart = 0;
  int lastSpace = -1;  // the last space of the current row
  double x = 0;
  const auto advanceAt = [&](QChar ch) {
    return ch == u'\t' ? kTabStop - std::fmod(x, kTabStop) : advanceOf(ch);
  };
  for (int i = 0; i < line.size(); ++i) {
    const QChar ch = line[i];
    double advance = advanceAt(ch);
    if (i > rowStart && x + advance > rowWidth) {
      // The word begun after the row's last space moves down; with no space, or when ch is
      // a space, only ch does.
      rowStart = lastSpace >= 0 && !IsSpace(ch) ? lastSpace + 1 : i;
      lastSpace = -1;
      ++row;
      x = 0;
      for (int j = rowStart; j < i; ++j) {
        CharPlace& moved = places[static_cast<size_t>(j)];
        moved = {x, row, moved.advance};
        x += moved.advance;
      }
      if (i > rowStart && x + advance > rowWidth) {
        // The moved word alone is wider than a row: it breaks before ch.
        rowStart = i;
        ++row;
        x = 0;
      }
      advance = advanceAt(ch);
    }
    places[static_cast<size_t>(i)] = {x, row, advance};
    x += advance;
    if (IsSpace(ch)) lastSpace = i;
  }
  return places;
}
