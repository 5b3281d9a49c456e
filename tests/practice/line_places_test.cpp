#include "practice/line_places.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Each character as "column@row", the columns 10 pixels wide ('W' takes two).
std::string Places(const QString& line, double rowWidth) {
  const auto places = PlaceCharacters(
      line, [](QChar ch) { return ch == u'W' ? 20.0 : 10.0; }, rowWidth);
  std::string result;
  for (const CharPlace& place : places) {
    if (!result.empty()) result += ' ';
    result += std::to_string(static_cast<int>(place.x / 10)) + '@' + std::to_string(place.row);
  }
  return result;
}
}  // namespace

TEST(LinePlaces, ARowBreaksAfterItsLastSpaceAndNoPlaceLiesPastTheEdge) {
  EXPECT_EQ(Places("ab cd", 50), "0@0 1@0 2@0 3@0 4@0");  // exactly full
  EXPECT_EQ(Places("ab cde", 50), "0@0 1@0 2@0 0@1 1@1 2@1");
  EXPECT_EQ(Places("abcd  e", 50), "0@0 1@0 2@0 3@0 4@0 0@1 1@1");  // a space moves down
  EXPECT_EQ(Places("abcdefghi\tj", 100), "0@0 1@0 2@0 3@0 4@0 5@0 6@0 7@0 8@0 0@1 8@1");
  EXPECT_EQ(Places("a bW", 40), "0@0 1@0 0@1 1@1");                 // by the advances
  EXPECT_EQ(Places("", 50), "");
}

TEST(LinePlaces, AWordWiderThanARowBreaksAnywhere) {
  EXPECT_EQ(Places("abcdefg", 30), "0@0 1@0 2@0 0@1 1@1 2@1 0@2");
  // After a space it starts the next row, which it then fills.
  EXPECT_EQ(Places("a bcdef", 30), "0@0 1@0 0@1 1@1 2@1 0@2 1@2");
  // A character wider than the row stands alone.
  EXPECT_EQ(Places("aWa", 10), "0@0 0@1 0@2");
}

TEST(LinePlaces, ATabReachesTheNextStop) {
  const auto places = PlaceCharacters(
      "a\tb", [](QChar) { return 10.0; }, 500);
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[1].advance, kTabStop - 10);
  EXPECT_EQ(places[2].x, kTabStop);
}
