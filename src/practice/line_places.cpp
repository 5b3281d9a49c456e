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
  for (int i = 0; i < line.size(); ++i) {
    const QChar ch = line[i];
    if (ch == u'\t') {
      places[static_cast<size_t>(i)] = {x, row, kTabStop - std::fmod(x, kTabStop)};
    } else {
      const double advance = advanceOf(ch);
      if (!IsSpace(ch) && i > rowStart && x + advance > rowWidth) {
        // The word begun after the row's last space moves down; with no space, only ch does.
        rowStart = lastSpace >= 0 ? lastSpace + 1 : i;
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
      }
      places[static_cast<size_t>(i)] = {x, row, advance};
    }
    x += places[static_cast<size_t>(i)].advance;
    if (IsSpace(ch)) lastSpace = i;
  }
  return places;
}
