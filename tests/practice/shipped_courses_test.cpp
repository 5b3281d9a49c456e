// The course shipped for each layout teaches touch typing on that layout.
#include <gtest/gtest.h>

#include <QChar>
#include <functional>
#include <set>

#include "course_maker.h"
#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/line_text.h"

namespace {
const std::string kData = std::string(QZ_SOURCE_DIR) + "/data/";
const std::string kTool = std::string(QZ_SOURCE_DIR) + "/tools/courses/";

struct Shipped {
  const char* layout;
  const char* course;
  const char* words;
  const char* indexKeys;  // the home keys of the two index fingers
};
const Shipped kCourses[] = {
    {"us.key", "qzcourse.txt", "words-en.txt", "fj"},
    {"uk.key", "qzcourse-uk.txt", "words-en.txt", "fj"},
    {"dvorak.key", "qzcourse-dvorak.txt", "words-en.txt", "uh"},
    {"colemak.key", "qzcourse-colemak.txt", "words-en.txt", "tn"},
    {"de.key", "qzcourse-de.txt", "words-de.txt", "fj"},
    {"fr.key", "qzcourse-fr.txt", "words-fr.txt", "fj"},
};

bool IsLetter(char c) {
  return ByteToChar(static_cast<unsigned char>(c)).isLetter();
}

// Letters and marks as the learner types them on one layout.
struct Typing {
  LayoutRec layout;

  // The key (1..) that gives c without AltGr, or 0.
  int KeyOf(char c) const {
    const int n = FindKeyFor(c, layout.KeyCount, [&](int k) { return layout.KeyAt(k).Chars; });
    if (n == 0 || c == ' ') return n;
    const auto& chars = layout.KeyAt(n).Chars;
    return SearchForm(c) == chars[0] || SearchForm(c) == chars[1] ? n : 0;
  }
  bool NeedsShift(char c) const {
    const auto& chars = layout.KeyAt(KeyOf(c)).Chars;
    if (chars[1] != ' ') return c == chars[0];
    return ByteToChar(static_cast<unsigned char>(c)).isUpper();
  }
  bool IsLetterKey(int n) const {
    const auto& chars = layout.KeyAt(n).Chars;
    return IsLetter(chars[1] == ' ' ? chars[0] : chars[1]);
  }
};

std::vector<std::string> Lines(const std::string& file) {
  const LineText text = ReadLineText(kData + file);
  std::vector<std::string> lines;
  for (int i = 0; i < text.size(); ++i) lines.emplace_back(text[i]);
  return lines;
}

// The word as a list would hold it: without the marks around it, and without the capital
// that starts a sentence.
bool IsListWord(std::string token, const std::set<std::string>& words) {
  while (!token.empty() && !IsLetter(token.back())) token.pop_back();
  while (!token.empty() && !IsLetter(token.front())) token.erase(0, 1);
  if (token.empty() || words.count(token)) return true;
  const QChar first = ByteToChar(static_cast<unsigned char>(token[0]));
  const auto lower = CharToByte(first.toLower());
  token[0] = static_cast<char>(lower.value_or(token[0]));
  return words.count(token) > 0;
}

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  size_t start = 0;
  while (start < line.size()) {
    const size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) tokens.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return tokens;
}
}  // namespace

TEST(ShippedCourses, AreWhatTheToolMakesOneForEachLayout) {
  std::set<std::string> listed;
  const std::string help = ReadWholeFile(kData + "qzhelp.rtf");
  for (const CourseEntry& entry : ReadCourseList(ReadWholeFile(kTool + "courses.txt"))) {
    EXPECT_NE(help.find(entry.courseFile), std::string::npos) << "the help does not name it";
    LayoutRec layout;
    ReadLayoutFile(kData + entry.layoutFile, layout);
    const auto lines = MakeCourse(layout, ReadWordList(ReadWholeFile(kTool + entry.wordList)));
    EXPECT_TRUE(ReadWholeFile(kData + entry.courseFile) == CourseFileText(lines))
        << entry.courseFile << " is stale: build the 'courses' target";
    listed.insert(entry.layoutFile + " " + entry.courseFile);
  }
  std::set<std::string> expected;
  for (const Shipped& shipped : kCourses) {
    expected.insert(std::string(shipped.layout) + " " + shipped.course);
  }
  EXPECT_EQ(listed, expected);
}

TEST(ShippedCourses, TeachTheKeysInTouchTypingOrder) {
  for (const Shipped& shipped : kCourses) {
    SCOPED_TRACE(shipped.course);
    Typing typing;
    ReadLayoutFile(kData + shipped.layout, typing.layout);
    const std::vector<std::string> lines = Lines(shipped.course);
    ASSERT_GE(lines.size(), 200u);

    std::vector<int> order;  // keys in the order the course brings them
    int firstShift = -1, firstDigit = -1, lastRowKey = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line);
      ASSERT_FALSE(line.empty());
      EXPECT_LE(line.size(), 80u);
      EXPECT_EQ(SampleOf(line), line);
      std::vector<int> fresh;
      for (char c : line) {
        const int key = typing.KeyOf(c);
        ASSERT_NE(key, 0) << "'" << c << "' is not on a key";
        if (c == ' ') continue;
        if (typing.NeedsShift(c) && firstShift < 0) {
          firstShift = static_cast<int>(i);
          // Shift comes with the capitals, after every letter of the three letter rows.
          EXPECT_TRUE(IsLetter(c)) << c;
          for (int n = 1; n < typing.layout.KeyCount; ++n) {
            if (typing.layout.KeyAt(n).Line > 1 && typing.IsLetterKey(n)) {
              EXPECT_NE(std::find(order.begin(), order.end(), n), order.end()) << "key " << n;
            }
          }
        }
        if (c >= '0' && c <= '9' && firstDigit < 0) firstDigit = static_cast<int>(i);
        if (std::find(order.begin(), order.end(), key) == order.end() &&
            std::find(fresh.begin(), fresh.end(), key) == fresh.end()) {
          fresh.push_back(key);
        }
      }
      EXPECT_LE(fresh.size(), 2u);
      for (int key : fresh) {
        const KeyRec& rec = typing.layout.KeyAt(key);
        if (i < 10) {
          EXPECT_EQ(rec.Line, 3) << "the first ten lines stay on the home row";
        }
        if (rec.Line > 1) lastRowKey = static_cast<int>(i);
        // Punctuation keys come one at a time.
        if (order.size() >= 8 && rec.Line > 1 && !typing.IsLetterKey(key)) {
          EXPECT_EQ(fresh.size(), 1u);
        }
        order.push_back(key);
      }
    }
    // The index fingers' home keys open the course; the other home keys follow in pairs.
    ASSERT_GE(order.size(), 8u);
    EXPECT_EQ(
        std::set<int>(order.begin(), order.begin() + 2),
        (std::set<int>{typing.KeyOf(shipped.indexKeys[0]), typing.KeyOf(shipped.indexKeys[1])}));
    const std::set<int> pairs[] = {{3, 6}, {2, 7}, {1, 8}, {0, 9}};
    for (size_t p = 0; p < 4; ++p) {
      const KeyRec& a = typing.layout.KeyAt(order[2 * p]);
      const KeyRec& b = typing.layout.KeyAt(order[2 * p + 1]);
      EXPECT_EQ((std::set<int>{a.Finger, b.Finger}), pairs[p]) << "pair " << p;
      EXPECT_EQ(a.Line, 3);
      EXPECT_EQ(b.Line, 3);
    }
    // Capitals, then punctuation, then the numbers.
    EXPECT_GT(firstShift, 0);
    EXPECT_GT(firstDigit, lastRowKey);
    // Comma and period are drilled as keys of their own when they first come.
    for (char mark : {',', '.'}) {
      const auto first = std::find_if(lines.begin(), lines.end(), [mark](const std::string& l) {
        return l.find(mark) != std::string::npos;
      });
      ASSERT_NE(first, lines.end());
      EXPECT_GE(std::count(first->begin(), first->end(), mark), 4) << *first;
    }
  }
}

TEST(ShippedCourses, UseRealWordsAsSoonAsTheKeysAllow) {
  for (const Shipped& shipped : kCourses) {
    SCOPED_TRACE(shipped.course);
    const std::vector<std::string> list = ReadWordList(ReadWholeFile(kTool + shipped.words));
    const std::set<std::string> words(list.begin(), list.end());
    const std::vector<std::string> lines = Lines(shipped.course);

    std::array<bool, 256> typed{};
    int wordsAllowedAt = -1, firstWordLine = -1;
    size_t tokens = 0, listed = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      bool allListed = true;
      for (const std::string& token : Tokens(lines[i])) {
        ++tokens;
        const bool isWord = IsListWord(token, words);
        listed += isWord;
        allListed = allListed && isWord;
      }
      if (wordsAllowedAt >= 0 && firstWordLine < 0 && allListed)
        firstWordLine = static_cast<int>(i);
      if (wordsAllowedAt >= 0) continue;
      for (char c : lines[i]) typed[static_cast<unsigned char>(c)] = true;
      const auto typeable = std::count_if(list.begin(), list.end(), [&typed](const std::string& w) {
        return std::all_of(w.begin(), w.end(),
                           [&typed](char c) { return typed[static_cast<unsigned char>(c)]; });
      });
      if (typeable >= 20) wordsAllowedAt = static_cast<int>(i);
    }
    ASSERT_GE(wordsAllowedAt, 0);
    EXPECT_GT(firstWordLine, wordsAllowedAt);
    EXPECT_LE(firstWordLine, wordsAllowedAt + 4) << "words come late";
    EXPECT_GE(listed * 2, tokens) << "fewer than half of the course are words";
  }
}

TEST(CourseMaker, RefusesWhatItCannotUse) {
  const auto why = [](const std::function<void()>& make) {
    try {
      make();
    } catch (const CourseError& error) {
      return std::string(error.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(ReadWordList("# a comment\nsee saw see\n"), (std::vector<std::string>{"see", "saw"}));
  EXPECT_EQ(why([] { ReadWordList("na\xC3\xAFve \xE2\x98\x83\n"); }),
            "'\xE2\x98\x83' has a character the code page cannot hold");
  EXPECT_EQ(why([] { ReadCourseList("us.key words-en.txt\n"); }),
            "'us.key words-en.txt' is not: <layout file> <word list> <course file>");
  LayoutRec layout;
  ReadLayoutFile(kData + "us.key", layout);
  layout.KeyAt(35).Finger = 7;  // the L key: the right ring finger has no home key left
  EXPECT_EQ(why([&] { MakeCourse(layout, {"all"}); }), "no key on the home row for finger 8");
}
