#pragma once
// Where the characters of a practice line stand in a box: left to right in rows of a given
// width, each character after the one before by its advance (a tab reaches the next multiple
// of kTabStop). A character that would cross the row's right edge starts a new row together
// with its word: the row breaks after its last space, or before that character when the row
// has no space. A space that would cross the edge starts the next row by itself: no place lies
// past the edge, where a character typed in it could not be seen.
//
// The sample and the typing box place their characters by the same line, so that every typed
// character stands under the character it was compared with.
#include <QString>
#include <functional>
#include <vector>

inline constexpr double kTabStop = 80;

struct CharPlace {
  double x = 0;  // from the row's left edge
  int row = 0;
  double advance = 0;
};

std::vector<CharPlace> PlaceCharacters(const QString& line,
                                       const std::function<double(QChar)>& advanceOf,
                                       double rowWidth);
