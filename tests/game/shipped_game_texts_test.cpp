// The game text shipped for each language is played on the layout of that language.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

#include "course_maker.h"
#include "game/striker_source.h"
#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "support/misspelled.h"

namespace {
const std::string kData = std::string(QZ_SOURCE_DIR) + "/data/";

struct Shipped {
  const char* text;
  const char* layout;
  const char* dictionary;  // empty: the spelling is not checked
};
// en_US does not know the English text's "sheik" (it knows "sheikh").
const Shipped kTexts[] = {{"qzgame.txt", "us.key", ""},
                          {"qzgame-de.txt", "de.key", "de_DE"},
                          {"qzgame-fr.txt", "fr.key", "fr_FR"}};

// The last three groups, of names, numbers and marks, are the ones a pick rarely accepts.
constexpr int kGroups = 26;
constexpr int kLastWordGroup = kGroups - 3;

// On a key, or made with a dead key and a letter key, such as ê of ^ and e.
bool Typeable(const LayoutRec& layout, char c) {
  const auto onKey = [&layout](char k) { return FingerForChar(layout, k) != -1; };
  const auto deadKey = DeadKeyParts(c);
  return onKey(c) || (deadKey && onKey(deadKey->first) && onKey(deadKey->second));
}

}  // namespace

TEST(ShippedGameTexts, HoldDistinctWordsTheLearnerCanTypeGradedIntoGroups) {
  for (const Shipped& shipped : kTexts) {
    SCOPED_TRACE(shipped.text);
    const GameText text = ParseGameText(ReadWholeFile(kData + shipped.text));
    LayoutRec layout;
    ReadLayoutFile(kData + shipped.layout, layout);
    EXPECT_EQ(text.groupCount, kGroups);
    size_t count = 0;
    std::string words;  // of the groups before names, numbers and marks
    for (int g = 1; g <= text.groupCount; ++g) {
      SCOPED_TRACE("group " + std::to_string(g));
      EXPECT_FALSE(text.groups[g].empty());
      count += text.groups[g].size();
      std::set<std::string> seen;
      for (const std::string& word : text.groups[g]) {
        EXPECT_TRUE(seen.insert(word).second) << word << " twice";
        for (char c : word) EXPECT_TRUE(Typeable(layout, c)) << word;
        EXPECT_FALSE(word.size() >= 13 && AcceptancePercent(g) >= 10) << word << " is long";
        if (g > kLastWordGroup) continue;
        EXPECT_TRUE(std::all_of(word.begin(), word.end(), IsLetter)) << word;
        words += word + "\n";
      }
    }
    EXPECT_GE(count, 1500u);
    if (*shipped.dictionary == '\0') continue;
    std::string misspelled;
    for (const std::string& word : Misspelled(shipped.dictionary, words)) misspelled += word + " ";
    EXPECT_EQ(misspelled, "");
  }
}

// Names, digits and symbols only where a pick rarely stops; American spellings.
TEST(ShippedGameTexts, EnglishGradesItsWordsByHowOftenTheirGroupIsPicked) {
  const GameText text = ParseGameText(ReadWholeFile(kData + "qzgame.txt"));
  std::set<std::string> listed;  // common words, as the courses teach them
  std::istringstream list(
      ReadWholeFile(std::string(QZ_SOURCE_DIR) + "/tools/courses/words-en.txt"));
  for (std::string word; list >> word;) listed.insert(word);
  const std::vector<std::string> british = {
      "colour",  "favour",    "honour",    "labour",   "humour", "flavour",
      "harbour", "neighbour", "behaviour", "isation",  "centre", "theatre",
      "metre",   "defence",   "licence",   "grey",     "cheque", "programme",
      "travell", "jewellery", "omelette",  "aeroplane"};
  for (int g = 1; g <= text.groupCount; ++g) {
    SCOPED_TRACE("group " + std::to_string(g));
    for (const std::string& word : text.groups[g]) {
      // Capitals start names; none stands inside a word.
      EXPECT_TRUE(std::none_of(word.begin() + 1, word.end(), [](char c) {
        return c >= 'A' && c <= 'Z';
      })) << word;
      const bool hard =
          std::any_of(word.begin(), word.end(), [](char c) { return c < 'a' || c > 'z'; });
      EXPECT_FALSE(hard && AcceptancePercent(g) >= 10) << word;
      if (g == 1) {
        EXPECT_LE(word.size(), 5u) << word;
        EXPECT_TRUE(listed.count(word)) << word;
      }
      for (const std::string& spelling : british) {
        EXPECT_EQ(word.find(spelling), std::string::npos) << word;
      }
    }
  }
}
