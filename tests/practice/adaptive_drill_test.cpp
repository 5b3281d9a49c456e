// The adaptive drills make real-word lines on the learner's weak keys.
#include "practice/adaptive_drill.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <sstream>

#include "game/striker_source.h"
#include "keyboard/drill_material.h"
#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/line_text.h"

namespace {
const std::string kData = std::string(QZ_SOURCE_DIR) + "/data/";

AdaptiveMaterial MaterialOf(const std::string& layoutFile, const std::string& language,
                            const std::function<void(LayoutRec&)>& change = {}) {
  LayoutRec layout;
  ReadLayoutFile(kData + layoutFile, layout);
  if (change) change(layout);
  const LineText text = LineText::FromBytes(ReadWholeFile(kData + "qz" + language + ".txt"));
  std::vector<std::string> sentences;
  for (int i = 0; i < text.size(); ++i) sentences.emplace_back(text[i]);
  return MakeAdaptiveMaterial(
      layout, WordsOf(ParseGameText(ReadWholeFile(kData + "qzgame" + language + ".txt"))),
      sentences);
}

// A line in which each of keys was typed 40 times at errorPercent and keysPerMinute.
LineKeyFigures Typed(const std::string& keys, int errorPercent, int keysPerMinute) {
  LineKeyFigures line;
  for (char c : keys) line.keys[c] = {40, 40 * errorPercent / 100, 40, 40 * 60000 / keysPerMinute};
  return line;
}

std::vector<std::string> Tokens(const std::string& line) {
  std::istringstream words(line);
  std::vector<std::string> tokens;
  for (std::string token; words >> token;) tokens.push_back(token);
  return tokens;
}
}  // namespace

TEST(AdaptiveDrill, LinesOfRealWordsHoldTheWeakKeyAndOnlyIncludedOnes) {
  const AdaptiveMaterial material = MaterialOf("us.key", "");
  const std::set<std::string> words(material.words.begin(), material.words.end());
  const std::string included = "fjdkslaeitonrh";
  AdaptiveDrill drill(material, MasteryGoals{}, 7);
  drill.FixIncluded(included);
  for (int i = 0; i < 5; ++i) {
    drill.AddLine(Typed("fjdkslaeitonh", 2, 200));
    drill.AddLine(Typed("r", 20, 200));
  }
  LineKeyFigures weakPair;
  weakPair.pairs["th"] = {40, 20, 40, 40 * 600};
  drill.AddLine(weakPair);  // the chosen keys take every line all the same
  int holding = 0;
  int all = 0;
  int focusChanges = 0;
  char focus = 0;
  std::vector<std::vector<std::string>> lines;
  for (int i = 0; i < 10; ++i) {
    const std::string line = drill.NextLine();
    if (i > 0 && drill.Focus() != focus) ++focusChanges;
    EXPECT_EQ(drill.FocusPair(), "");
    focus = drill.Focus();
    for (char c : line) EXPECT_TRUE(c == ' ' || included.find(c) != std::string::npos) << line;
    lines.push_back(Tokens(line));
    for (const std::string& token : lines.back()) {
      EXPECT_TRUE(words.count(token) || token.find_first_not_of("fr") == std::string::npos)
          << token;
      ++all;
      if (token.find('r') != std::string::npos) ++holding;
    }
    // A word comes back only after three lines.
    for (size_t back = 2; back <= 3 && back <= lines.size(); ++back) {
      for (const std::string& token : lines.back()) {
        if (!words.count(token)) continue;
        const std::vector<std::string>& earlier = lines[lines.size() - back];
        EXPECT_EQ(std::count(earlier.begin(), earlier.end(), token), 0) << token;
      }
    }
  }
  EXPECT_EQ(focus, 'r');
  EXPECT_LE(focusChanges, 2);
  EXPECT_GE(holding * 100, all * 60) << holding << " of " << all;
  EXPECT_EQ(drill.StatusText(), "Focus: r  20 % wrong, 200 keys/min; goal 3 %, 150");

  AdaptiveDrill again(material, MasteryGoals{}, 7);
  again.FixIncluded(included);
  for (int i = 0; i < 5; ++i) {
    again.AddLine(Typed("fjdkslaeitonh", 2, 200));
    again.AddLine(Typed("r", 20, 200));
  }
  for (const std::vector<std::string>& line : lines) EXPECT_EQ(Tokens(again.NextLine()), line);
}

TEST(AdaptiveDrill, APairLineTakesTheWeakestPairThatWordsHold) {
  AdaptiveDrill drill(MaterialOf("us.key", ""), MasteryGoals{}, 5);
  for (int i = 0; i < 12; ++i) drill.AddLine(Typed("fjdkslaeitonrh", 2, 200));
  LineKeyFigures typed;
  typed.pairs["kk"] = {40, 30, 40, 40 * 600};  // the weakest, in too few words
  typed.pairs["th"] = {40, 20, 40, 40 * 600};
  drill.AddLine(typed);
  drill.NextLine();
  drill.NextLine();
  const std::string third = drill.NextLine();
  EXPECT_EQ(drill.FocusPair(), "th") << drill.Included();
  EXPECT_NE(third.find("th"), std::string::npos) << third;
}

TEST(AdaptiveDrill, KeysComeInTheLanguagesOrderOnceAllAreMasteredAndStay) {
  const AdaptiveMaterial material = MaterialOf("us.key", "");
  EXPECT_EQ(material.order.substr(0, 8), "fjdkslae");
  AdaptiveDrill drill(material, MasteryGoals{}, 1);
  EXPECT_EQ(drill.Included(), "fjdksla");
  EXPECT_EQ(drill.NextLine().find_first_not_of("fjdksla "), std::string::npos);
  // A new key needs practice first: not judged, it is the focus.
  drill.AddLine(Typed("fjdksla", 1, 300));
  EXPECT_EQ(drill.Included(), "fjdkslae");
  drill.NextLine();
  EXPECT_EQ(drill.Focus(), 'e');
  drill.AddLine(Typed("fjdksla", 1, 300));
  EXPECT_EQ(drill.Included(), "fjdkslae");
  drill.AddLine(Typed("e", 1, 300));
  EXPECT_EQ(drill.Included(), material.order.substr(0, 9));
  // Typing badly again takes nothing away.
  for (int i = 0; i < 10; ++i) drill.AddLine(Typed(drill.Included(), 30, 60));
  EXPECT_EQ(drill.Included(), material.order.substr(0, 9));
  // Nor do stricter goals when the history is replayed at the next start.
  AdaptiveDrill loose(material, MasteryGoals{10, 150}, 1);
  std::vector<LineKeyFigures> history;
  for (int i = 0; i < 3; ++i) {
    history.push_back(Typed(loose.Included(), 25, 300));
    history.back().drilled = true;
    loose.AddLine(history.back());
  }
  AdaptiveDrill strict(material, MasteryGoals{1, 150}, 1);
  for (const LineKeyFigures& line : history) strict.AddLine(line);
  ASSERT_GT(history.back().keys.size(), 8u);  // letters came at 25 % wrong
  for (const auto& [c, count] : history.back().keys)
    EXPECT_NE(strict.Included().find(c), std::string::npos) << c;
}

TEST(AdaptiveDrill, ALayoutWithoutHomeRowLettersStartsOnTheCommonestAndOneWithoutKeysOnNothing) {
  const auto homeRowUp = [](LayoutRec& layout) {
    for (int n = 1; n < layout.KeyCount; ++n) layout.KeyAt(n).Line -= layout.KeyAt(n).Line == 3;
  };
  AdaptiveDrill noHomeRow(MaterialOf("us.key", "", homeRowUp), MasteryGoals{}, 1);
  EXPECT_EQ(noHomeRow.Included().size(), 4u);
  EXPECT_TRUE(IsLetter(noHomeRow.NextLine()[0]));  // not an empty line, nor one of NULs
  AdaptiveDrill noKeys(MaterialOf("us.key", "", [](LayoutRec& layout) { layout.KeyCount = 0; }),
                       MasteryGoals{}, 1);
  EXPECT_EQ(noKeys.NextLine(), "");
}

TEST(AdaptiveDrill, LettersComeOnceNoKeyIsFarOffOtherCharactersOnceAllAreMastered) {
  AdaptiveMaterial material;
  material.words = {"red", "deer", "free"};
  material.order = "fjdkT.er";
  material.homeKeys = 4;
  AdaptiveDrill drill(material, MasteryGoals{}, 1);
  drill.AddLine(Typed("fjdk", 10, 100));
  EXPECT_EQ(drill.Included(), "fjdke");
  drill.AddLine(Typed("e", 30, 100));
  EXPECT_EQ(drill.Included(), "fjdke");
  for (int i = 0; i < 3; ++i) drill.AddLine(Typed("e", 5, 100));
  EXPECT_EQ(drill.Included(), "fjdker");
  drill.AddLine(Typed("r", 10, 100));
  EXPECT_EQ(drill.Included(), "fjdker");
  for (int i = 0; i < 3; ++i) drill.AddLine(Typed("fjdker", 1, 300));
  EXPECT_EQ(drill.Included(), "fjdkerT");
}
TEST(AdaptiveDrill, ACapitalIsPractisedInWordsWrittenWithItWhereTheListHasEnough) {
  AdaptiveMaterial material;
  material.words = {"mich", "mit", "Mann", "Maus", "Mond", "Markt", "Mut", "Moos"};
  AdaptiveDrill drill(material, MasteryGoals{}, 1);
  drill.FixIncluded("Mmichtanusodrk");
  drill.FocusAmong("M");
  const std::string line = drill.NextLine();
  EXPECT_EQ(line.find("Mi"), std::string::npos) << line;  // neither "Mich" nor "Mit"
  EXPECT_NE(line.find("Ma"), std::string::npos) << line;
}

TEST(AdaptiveDrill,
     MarksAreSpacedAsTheLanguageWritesThemNeverDoubledAndSentencesStartWithCapitals) {
  const AdaptiveMaterial material = MaterialOf("fr.key", "-fr");
  EXPECT_EQ(material.spacedMarks, ";:?!");
  std::string included = ",.;:?!";
  std::copy_if(material.order.begin(), material.order.end(), std::back_inserter(included),
               IsLetter);
  AdaptiveDrill drill(material, MasteryGoals{}, 3);
  drill.FixIncluded(included);
  drill.FitLinesTo(40);
  for (const char* focus : {"?", ",", "!"}) {
    drill.FocusAmong(focus);
    for (int i = 0; i < 8; ++i) {
      const std::string line = drill.NextLine();
      EXPECT_LT(line.size(), 40u) << line;  // the marks too fit the row
      for (size_t at = 2; at < line.size(); ++at) {
        if (!std::strchr(",.;:?!", line[at])) continue;
        const bool spaced = line[at - 1] == ' ';
        EXPECT_EQ(spaced, material.spacedMarks.find(line[at]) != std::string::npos) << line;
        EXPECT_FALSE(std::strchr(",.;:?!", line[at - (spaced ? 2 : 1)])) << line;  // "oui,?"
      }
      const std::vector<std::string> tokens = Tokens(line);
      for (size_t k = 0; k < tokens.size(); ++k) {
        if (k == 0 || std::strchr(".?!", tokens[k - 1].back())) {
          EXPECT_FALSE(IsLowerLetter(tokens[k][0])) << line;  // a capital starts a sentence
        }
      }
    }
  }
}
