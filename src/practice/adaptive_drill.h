#pragma once
// AdaptiveDrill makes the lines of the adaptive drills from what a learner types badly.
//
// It starts with the home keys and adds the other letters in the language's order, the next
// once every included character has been judged and none is far from the goals
// (kLetterComesWithin), then the other characters in that order, the next once every
// included one has been mastered once; a character once added stays, since they come as the
// goals say but never later than the default goals would let them. Each line
// focuses on the included character furthest from mastery, and keeps that focus for at
// least kFocusLines lines unless it is mastered; every third line practises the weakest
// letter pair that enough words hold instead, when one is weak and the keys were not chosen
// (FixIncluded, FocusAmong).
// Lines are real words of the language that use only included characters, most of them holding the
// focus; where too few exist, the course's drill groups ("frf frr rf"). Marks follow words and
// capitals start sentences once included, and once every letter is in, every tenth line is a
// sentence of the practice text. The same seed and history give the same lines.
//
//   AdaptiveDrill drill(material, goals, seed);
//   for (const LineKeyFigures& line : history) drill.AddLine(line);
//   std::string line = drill.NextLine();  // typed, then drill.AddLine(SumAttempts(...))
#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "practice/key_mastery.h"

inline constexpr int kFocusLines = 4;
// How far from the goals (KeyState::Distance) every included character may be when the next
// letter comes: about one first attempt in five wrong, or a fifth of the goal's speed.
inline constexpr double kLetterComesWithin = 5;
inline constexpr size_t kAdaptiveLineLength = 56;
// The characters of a text file's line (up to 80) fit in a row unless FitLinesTo says less.
inline constexpr size_t kTextColumns = 81;

// What the drills are made of, in the code page.
struct AdaptiveMaterial {
  std::vector<std::string> words;      // the language's words, commonest first
  std::vector<std::string> sentences;  // lines of the practice text
  std::string order;                   // characters by use in the language, home keys first
  int homeKeys = 0;                    // how many of order's first characters start included
  std::map<char, char> anchors;        // the home key of the finger that types a character
  std::string spacedMarks;             // marks written after a space (French "?" and "!")
};

class AdaptiveDrill {
 public:
  AdaptiveDrill(AdaptiveMaterial material, MasteryGoals goals, uint32_t seed);

  // A finished line's figures: the keys' states, and the next character added when the
  // included ones allow it (above).
  void AddLine(const LineKeyFigures& line);
  // From now on exactly these characters are included (none is added), e.g. the keys a
  // course has taught so far.
  void FixIncluded(const std::string& keys);
  // From now on the focus is chosen among these characters only; they are included.
  void FocusAmong(const std::string& keys);

  // Lines from now on are shorter than columns characters: the sample's row at its font.
  void FitLinesTo(size_t columns);
  // Empty only when no key is in hand: the layout holds none of the material's characters.
  std::string NextLine();

  const std::string& Included() const { return included_; }
  char Focus() const { return focus_; }
  // The pair the last line practised; empty on a line of the focus key.
  const std::string& FocusPair() const { return pair_; }
  const KeyMastery& Mastery() const { return mastery_; }
  const MasteryGoals& Goals() const { return goals_; }
  // "Focus: r  9 % wrong, 120 keys/min; goal 3 %, 150"
  std::string StatusText() const;

 private:
  bool IsIncluded(char c) const { return included_.find(c) != std::string::npos; }
  bool Usable(const std::string& word) const;
  void Include(char c);
  void ChooseFocus();
  // The weak letter pairs of included letters, weakest first (a few at most).
  std::vector<std::string> WeakPairs() const;
  bool AllLettersIncluded() const;
  std::string SentenceLine();
  std::string WordLine(const std::string& focus);
  // The words that hold focus (a character or a pair), and the others usable, not used in
  // the last lines.
  void Candidates(const std::string& focus, std::vector<std::string>& holding,
                  std::vector<std::string>& others) const;
  std::string DrillGroup(char c);
  struct Token {
    std::string text;
    bool word = false;  // a word of the list, not a drill group
  };
  std::string Punctuated(std::vector<Token> tokens);
  // The tokens with their marks and capitals, and the mark in focus where none came.
  std::string Finished(const std::vector<Token>& tokens, bool markFocus);
  std::string Written(char mark) const;
  size_t Below(size_t n);
  bool OneIn(size_t n) { return Below(n) == 0; }

  AdaptiveMaterial material_;
  MasteryGoals goals_;
  std::mt19937 random_;
  KeyMastery mastery_;
  std::string included_;
  size_t added_ = 0;  // how many of the order's characters are included
  bool fixed_ = false;
  std::set<char> everMastered_;
  std::string focusAmong_;
  char focus_ = 0;
  int focusLines_ = 0;
  std::string pair_;
  int lines_ = 0;
  std::vector<std::string> usable_;          // words of included characters, commonest first
  std::deque<std::set<std::string>> recent_;  // the words of the last lines
  size_t groupShape_ = 0;                     // of the last drill group
  size_t columns_ = kTextColumns;
};
