// The practice text and the course shipped in data/ keep the rules their readers rely on.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "platform/codepage.h"
#include "platform/line_text.h"

namespace {
LineText Shipped(const char* name) {
  return ReadLineText(std::string(QZ_SOURCE_DIR) + "/data/" + name);
}

// Printable characters of the code page, at most 80, and nothing that trimming would drop.
void ExpectCleanLines(const LineText& text) {
  for (int i = 0; i < text.size(); ++i) {
    const std::string_view line = text[i];
    SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + std::string(line));
    EXPECT_FALSE(line.empty());
    EXPECT_LE(line.size(), 80u);
    for (unsigned char c : line) EXPECT_TRUE((c >= 32 && c <= 126) || c >= 0xA0) << int{c};
    EXPECT_EQ(SampleOf(line), line);
  }
}

bool Has(std::string_view line, int (*kind)(int)) {
  for (char c : line) {
    if (kind(static_cast<unsigned char>(c))) return true;
  }
  return false;
}
}  // namespace

TEST(ShippedTexts, PracticeTextsHoldVariedSentences) {
  for (const char* name : {"qz.txt", "qz-de.txt", "qz-fr.txt"}) {
    SCOPED_TRACE(name);
    const LineText text = Shipped(name);
    ASSERT_GE(text.size(), 300);
    ExpectCleanLines(text);
    std::set<std::string_view> distinct;
    int shortLines = 0, longLines = 0, withDigits = 0, withCommas = 0, questions = 0;
    for (int i = 0; i < text.size(); ++i) {
      const std::string_view line = text[i];
      distinct.insert(line);
      EXPECT_TRUE(ByteToChar(static_cast<unsigned char>(line.front())).isUpper()) << line;
      EXPECT_TRUE(std::ispunct(static_cast<unsigned char>(line.back()))) << line;
      shortLines += line.size() < 30;
      longLines += line.size() > 70;
      withDigits += Has(line, isdigit);
      withCommas += line.find(',') != std::string_view::npos;
      questions += line.back() == '?';
    }
    EXPECT_EQ(distinct.size(), static_cast<size_t>(text.size()));
    EXPECT_GE(shortLines, 5);
    EXPECT_GE(longLines, 5);
    EXPECT_GE(withDigits, 30);
    EXPECT_GE(withCommas, 30);
    EXPECT_GE(questions, 3);
  }
}

TEST(ShippedTexts, CourseTeachesTheHomeRowFirstThenAFewKeysAtATime) {
  const LineText course = Shipped("qzcourse.txt");
  ASSERT_GE(course.size(), 200);
  ExpectCleanLines(course);

  std::string learned;  // lower-case letters and ';' in the order the course brings them
  int firstCapital = -1, firstDigit = -1, firstSentence = -1;
  for (int i = 0; i < course.size(); ++i) {
    const std::string_view line = course[i];
    int fresh = 0;
    for (char c : line) {
      if ((std::islower(static_cast<unsigned char>(c)) || c == ';') &&
          learned.find(c) == std::string::npos) {
        learned += c;
        ++fresh;
      }
    }
    EXPECT_LE(fresh, 2) << "line " << i + 1 << " brings too many new keys: " << line;
    if (firstCapital < 0 && Has(line, isupper)) firstCapital = i;
    if (firstDigit < 0 && Has(line, isdigit)) firstDigit = i;
    if (firstSentence < 0 && line.back() == '.') firstSentence = i;
  }
  ASSERT_EQ(learned.size(), 27u);
  EXPECT_EQ(std::set<char>(learned.begin(), learned.begin() + 7),
            (std::set<char>{'a', 's', 'd', 'f', 'j', 'k', 'l'}));
  const int lettersDone = [&] {
    std::string seen;
    for (int i = 0; i < course.size(); ++i) {
      for (char c : course[i]) {
        if (std::islower(static_cast<unsigned char>(c)) && seen.find(c) == std::string::npos) {
          seen += c;
        }
      }
      if (seen.size() == 26) return i;
    }
    return -1;
  }();
  EXPECT_LT(lettersDone, firstCapital);
  EXPECT_LT(firstCapital, firstSentence);
  EXPECT_LT(firstSentence, firstDigit);
}
