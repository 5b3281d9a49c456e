#pragma once
// How well a learner types each key and letter pair, learned from the first attempts of the
// lines they finished: per line the figures are summed (LineKeyFigures, as the statistics
// database stores them), and KeyMastery folds them in line by line, older lines weighing
// less, so that the state can be rebuilt from the recorded lines at any time.
//
//   const KeyMastery mastery = MasteryOf(recorded);
//   if (!mastery.Of('r').Mastered(goals)) ...
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "practice/practice_recorder.h"

// One character's (or letter pair's) figures in one line: how often it was expected, how
// often its first attempt was wrong, and how many of its keys were timed and in how long.
struct KeyCount {
  int64_t expected = 0;
  int64_t firstWrong = 0;
  int64_t timed = 0;
  int64_t timeMs = 0;
  bool operator==(const KeyCount&) const = default;
};

// Which character was typed at the first attempt instead of which.
struct Confusion {
  char expected = 0;
  char typed = 0;
  bool operator<(const Confusion& other) const {
    return expected != other.expected ? expected < other.expected : typed < other.typed;
  }
  bool operator==(const Confusion&) const = default;
};

// A finished line's figures. A pair is the previous place's expected character and this
// one's, timed by the second; pairs holding a space are left out.
struct LineKeyFigures {
  std::map<char, KeyCount> keys;
  std::map<std::string, KeyCount> pairs;
  std::map<Confusion, int64_t> confusions;
  bool drilled = false;  // typed in the adaptive drills
  bool operator==(const LineKeyFigures&) const = default;
};

LineKeyFigures SumAttempts(const std::vector<FirstAttempt>& attempts);

// What a learner sets as mastered: a first-attempt error rate at or below errorPercent and a
// speed at or above keysPerMinute.
struct MasteryGoals {
  int errorPercent = 3;
  int keysPerMinute = 150;
  bool operator==(const MasteryGoals&) const = default;
};

// A key's recent figures: each new attempt weighs 1 and every earlier one a little less
// (kKeyMemory attempts ago about a third), so a key fixed since is not weak today.
inline constexpr double kKeyMemory = 60;
// Attempts (weighted) before a key is judged at all.
inline constexpr double kJudgedAttempts = 12;

inline constexpr double kUnjudgedDistance = 5;

struct KeyState {
  double attempts = 0;
  double wrong = 0;
  double timed = 0;
  double timeMs = 0;

  void Add(const KeyCount& count);
  bool Judged() const { return attempts >= kJudgedAttempts && timed >= kJudgedAttempts / 2; }
  double ErrorPercent() const { return attempts > 0 ? 100 * wrong / attempts : 0; }
  // Keys a minute at the recent pace; 0 before any timed key.
  double KeysPerMinute() const { return timeMs > 0 ? 60000 * timed / timeMs : 0; }
  bool Mastered(const MasteryGoals& goals) const;
  // How far from the goals: 1 at them, more the worse the error rate or the speed is; a key
  // not judged yet is kUnjudgedDistance away, behind keys that clearly go wrong.
  double Distance(const MasteryGoals& goals) const;
};

class KeyMastery {
 public:
  void AddLine(const LineKeyFigures& line);
  // An unknown key's state is empty (not judged).
  const KeyState& Of(char key) const;
  const KeyState& OfPair(const std::string& pair) const;
  const std::map<char, KeyState>& Keys() const { return keys_; }
  const std::map<std::string, KeyState>& Pairs() const { return pairs_; }
  // All confusions recorded, summed.
  const std::map<Confusion, int64_t>& Confusions() const { return confusions_; }

 private:
  std::map<char, KeyState> keys_;
  std::map<std::string, KeyState> pairs_;
  std::map<Confusion, int64_t> confusions_;
};

// The state the lines leave, folded oldest first.
KeyMastery MasteryOf(const std::vector<LineKeyFigures>& lines);

// Those of keys that went badly: judged, and wrong at least twice as often as the goal allows
// (counted with one percent to spare). Speed is left out: a key just learned is slow.
std::string KeysFarFromMastery(const KeyMastery& mastery, const std::string& keys,
                               const MasteryGoals& goals);
