// The course shipped for each layout teaches touch typing on that layout.
#include <gtest/gtest.h>

#include <QChar>
#include <array>
#include <functional>
#include <set>

#include "course_maker.h"
#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/line_text.h"
#include "support/misspelled.h"

namespace {
const std::string kData = std::string(QZ_SOURCE_DIR) + "/data/";
const std::string kTool = std::string(QZ_SOURCE_DIR) + "/tools/courses/";

struct Shipped {
  const char* layout;
  const char* course;
  const char* words;
  const char* text;       // the practice text of the language
  const char* indexKeys;  // the home keys of the two index fingers
};
const Shipped kCourses[] = {
    {"us.key", "qzcourse.txt", "words-en.txt", "qz.txt", "fj"},
    {"uk.key", "qzcourse-uk.txt", "words-en.txt", "qz.txt", "fj"},
    {"dvorak.key", "qzcourse-dvorak.txt", "words-en.txt", "qz.txt", "uh"},
    {"colemak.key", "qzcourse-colemak.txt", "words-en.txt", "qz.txt", "tn"},
    {"de.key", "qzcourse-de.txt", "words-de.txt", "qz-de.txt", "fj"},
    {"fr.key", "qzcourse-fr.txt", "words-fr.txt", "qz-fr.txt", "fj"},
};

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
  char Plain(int n) const {
    const auto& chars = layout.KeyAt(n).Chars;
    return Lower(chars[1] == ' ' ? chars[0] : chars[1]);
  }
  bool IsLetterKey(int n) const { return IsLetter(Plain(n)); }
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
  token[0] = Lower(token[0]);
  return words.count(token) > 0;
}

// The phrases of a language's uses file, in the code page; in those under [numbers] each
// {placeholder} stands for a number.
struct Use {
  std::string text;
  bool numbers;
};
std::vector<Use> Uses(const std::string& words) {
  std::vector<Use> uses;
  bool numbers = false;
  const LineText file = ReadLineText(kTool + "uses-" + words.substr(6, 2) + ".txt");
  for (int i = 0; i < file.size(); ++i) {
    const std::string line(file[i]);
    if (line == "[numbers]" || line == "[phrases]") {
      numbers = line == "[numbers]";
    } else if (!line.empty() && !line.starts_with("# ")) {
      uses.push_back({line, numbers});  // saved as UTF-8, read as the code page's
    }
  }
  return uses;
}

// A line of phrases that end as sentences do ("Well done! Oh no!"), one after another.
bool IsPhrases(std::string_view line, const std::vector<Use>& uses) {
  while (!line.empty()) {
    const auto phrase = std::find_if(uses.begin(), uses.end(), [&](const Use& use) {
      return !use.numbers && line.starts_with(use.text) &&
             (line.size() == use.text.size() || line[use.text.size()] == ' ');
    });
    if (phrase == uses.end()) return false;
    line.remove_prefix(std::min(line.size(), phrase->text.size() + 1));
  }
  return true;
}

bool IsUse(std::string_view item, const Use& use) {
  std::string_view rest = use.text;
  while (!rest.empty()) {
    if (use.numbers && rest.front() == '{') {
      size_t digits = 0;
      while (digits < item.size() && std::isdigit(static_cast<unsigned char>(item[digits]))) {
        ++digits;
      }
      if (digits == 0) return false;
      item.remove_prefix(digits);
      rest.remove_prefix(rest.find('}') + 1);
    } else {
      if (item.empty() || item.front() != rest.front()) return false;
      item.remove_prefix(1);
      rest.remove_prefix(1);
    }
  }
  return item.empty();
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
    ReadLayoutFile(kData + entry.Field("layout"), layout);
    const auto lines = MakeCourse(layout, ReadMaterial(entry, kTool, kData));
    EXPECT_TRUE(ReadWholeFile(kData + entry.courseFile) == CourseFileText(lines))
        << entry.courseFile << " is stale: build the 'courses' target";
    listed.insert(entry.Field("layout") + " " + entry.courseFile);
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
    std::array<long, 256> frequency{};  // of the letters of the language's prose
    for (const std::string& line : Lines(shipped.text)) {
      for (char c : line) {
        if (IsLetter(c)) ++frequency[static_cast<unsigned char>(Lower(c))];
      }
    }

    std::vector<int> order;  // keys in the order the course brings them
    std::set<char> letters;  // letter keys not on the home row, not yet taught
    for (int n = 1; n < typing.layout.KeyCount; ++n) {
      const KeyRec& key = typing.layout.KeyAt(n);
      if (key.Line != 3 && typing.IsLetterKey(n)) letters.insert(typing.Plain(n));
    }
    size_t characters = 0, lastFresh = 0;
    int firstShift = -1, firstDigit = -1, lastLetter = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line);
      ASSERT_FALSE(line.empty());
      EXPECT_LE(line.size(), 80u);
      EXPECT_EQ(SampleOf(line), line);
      characters += line.size();
      std::vector<int> fresh;
      for (char c : line) {
        const int key = typing.KeyOf(c);
        const auto deadKey = DeadKeyParts(c);  // such as ê: ^ then e
        if (key == 0 && deadKey) {
          EXPECT_NE(typing.KeyOf(deadKey->first) * typing.KeyOf(deadKey->second), 0) << c;
          continue;
        }
        ASSERT_NE(key, 0) << "'" << c << "' is not on a key";
        if (c == ' ') continue;
        if (typing.NeedsShift(c) && firstShift < 0) firstShift = static_cast<int>(i);
        if (c >= '0' && c <= '9' && firstDigit < 0) firstDigit = static_cast<int>(i);
        if (std::find(order.begin(), order.end(), key) != order.end() ||
            std::find(fresh.begin(), fresh.end(), key) != fresh.end()) {
          continue;
        }
        fresh.push_back(key);
        if (!letters.count(Lower(c))) continue;
        // Each new letter is among the four commonest of the prose not yet taught.
        const long here = frequency[static_cast<unsigned char>(Lower(c))];
        EXPECT_LT(
            std::count_if(letters.begin(), letters.end(),
                          [&](char l) { return frequency[static_cast<unsigned char>(l)] > here; }),
            4)
            << c;
        letters.erase(Lower(c));
        lastLetter = static_cast<int>(i);
      }
      EXPECT_LE(fresh.size(), 2u);
      if (i < 10) {
        for (int key : fresh) EXPECT_EQ(typing.layout.KeyAt(key).Line, 3) << "home row first";
      }
      if (!fresh.empty() && !order.empty()) {
        EXPECT_GE(i - lastFresh, 20u) << "the lesson before is short";
      }
      if (!fresh.empty()) lastFresh = i;
      order.insert(order.end(), fresh.begin(), fresh.end());
    }
    EXPECT_GE(characters, 30'000u);
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(
        std::set<int>(order.begin(), order.begin() + 2),
        (std::set<int>{typing.KeyOf(shipped.indexKeys[0]), typing.KeyOf(shipped.indexKeys[1])}));
    EXPECT_TRUE(letters.empty()) << std::string(letters.begin(), letters.end());
    // Capitals once every letter is known, then the numbers.
    EXPECT_GT(firstShift, lastLetter);
    EXPECT_GT(firstDigit, firstShift);
  }
}

TEST(ShippedCourses, DrillEachHandsCapitalsWithTheOtherHandsShift) {
  for (const Shipped& shipped : kCourses) {
    SCOPED_TRACE(shipped.course);
    Typing typing;
    ReadLayoutFile(kData + shipped.layout, typing.layout);
    std::array<int, 2> linesOfHand{};  // lines of three capitals or more, all of one hand
    for (const std::string& line : Lines(shipped.course)) {
      std::set<bool> rightHand;
      int capitals = 0;
      for (char c : line) {
        const int key = IsLetter(c) ? typing.KeyOf(c) : 0;
        if (key == 0 || !typing.NeedsShift(c)) continue;
        ++capitals;
        rightHand.insert(typing.layout.KeyAt(key).Finger >= 5);
      }
      if (capitals >= 3 && rightHand.size() == 1) ++linesOfHand[*rightHand.begin()];
    }
    EXPECT_GE(linesOfHand[0], 4);
    EXPECT_GE(linesOfHand[1], 4);
  }
}

TEST(ShippedCourses, ShowMarksAndSentencesAsWritersUseThem) {
  for (const Shipped& shipped : kCourses) {
    SCOPED_TRACE(shipped.course);
    std::string text;
    for (const std::string& line : Lines(shipped.text)) text += line + "\n";
    const std::vector<std::string> lines = Lines(shipped.course);
    const std::vector<Use> uses = Uses(shipped.words);
    size_t sentencesAtEnd = 0;
    for (const std::string& line : lines) {
      SCOPED_TRACE(line);
      for (const char* pair : {"()", "[]", "{}"}) {
        EXPECT_EQ(std::count(line.begin(), line.end(), pair[0]),
                  std::count(line.begin(), line.end(), pair[1]));
      }
      EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0);
      // A line that reads as a sentence is one of the practice text.
      const bool sentence = ByteToChar(static_cast<unsigned char>(line[0])).isUpper() &&
                            std::string(".?!").find(line.back()) != std::string::npos &&
                            Tokens(line).size() >= 4;
      const bool found = text.find(line) != std::string::npos;
      if (sentence) {
        EXPECT_TRUE(found || IsPhrases(line, uses));
      }
      // Outside the text's sentences, a symbol stands only in a phrase as writers use it,
      // never alone between words.
      for (size_t start = 0; !found && start < line.size();) {
        const size_t end = std::min(line.find(", ", start), line.size());
        std::string item = line.substr(start, end - start);
        start = end + 2;
        if (item.back() == '.') item.pop_back();
        const bool symbol = std::any_of(item.begin(), item.end(), [](char c) {
          return !ByteToChar(static_cast<unsigned char>(c)).isLetterOrNumber() &&
                 std::string(" .,'?!-:;\"").find(c) == std::string::npos;
        });
        EXPECT_TRUE(!symbol || std::any_of(uses.begin(), uses.end(), [&](const Use& use) {
                      return IsUse(item, use);
                    })) << item;
      }
      sentencesAtEnd = sentence && found ? sentencesAtEnd + 1 : 0;
    }
    EXPECT_GE(sentencesAtEnd, 30u);
    // A mark's lesson drills it, not just shows it: most marks are rare in the practice text.
    for (const char mark : std::string(",.'?-\"!:;(")) {
      const auto holds = [mark](const std::string& line) { return line.find(mark) != line.npos; };
      const auto first = std::find_if(lines.begin(), lines.end(), holds);
      const auto lesson = std::min<ptrdiff_t>(22, lines.end() - first);
      EXPECT_GE(std::count_if(first, first + lesson, holds), 9) << mark;
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
    EXPECT_LE(firstWordLine, wordsAllowedAt + 6) << "words come late";
    EXPECT_GE(listed * 2, tokens) << "fewer than half of the course are words";
  }
}

TEST(ShippedCourses, SpellWordsAndSentencesAsTheirLanguageDoes) {
  const std::vector<std::string> names = ReadWordList(ReadWholeFile(kTool + "names.txt"));
  for (const CourseEntry& entry : ReadCourseList(ReadWholeFile(kTool + "courses.txt"))) {
    SCOPED_TRACE(entry.courseFile);
    const CourseMaterial material = ReadMaterial(entry, kTool, kData);
    std::string text;
    for (const std::string& word : material.words) text += word + "\n";
    for (const std::string& line : material.text) {
      const std::vector<std::string> tokens = Tokens(line);
      const bool avoided = std::any_of(tokens.begin(), tokens.end(), [&](std::string word) {
        std::erase_if(word, [](char c) { return !IsLetter(c); });
        std::transform(word.begin(), word.end(), word.begin(), Lower);
        return material.avoidedWords.count(word) > 0;
      });
      if (!avoided) text += line + "\n";
    }
    std::set<std::string> misspelled = Misspelled(entry.Field("dictionary"), text);
    for (const std::string& name : names) misspelled.erase(name);
    std::string list;
    for (const std::string& word : misspelled) list += word + " ";
    EXPECT_EQ(list, "");
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
  EXPECT_EQ(why([] { ReadCourseList("qzcourse.txt layout=us.key words=words-en.txt\n"); }),
            "'qzcourse.txt layout=us.key words=words-en.txt' has no text=");
  LayoutRec layout;
  ReadLayoutFile(kData + "us.key", layout);
  layout.KeyAt(35).Finger = 7;  // the L key: the right ring finger has no home key left
  EXPECT_EQ(why([&] {
              MakeCourse(layout, {{"all"}, {}, {}, {}, "", {}});
            }),
            "no key on the home row for finger 8");
}
