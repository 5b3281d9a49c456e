#include "practice/key_mastery.h"

#include <algorithm>
#include <cmath>

LineKeyFigures SumAttempts(const std::vector<FirstAttempt>& attempts) {
  LineKeyFigures line;
  const auto add = [](KeyCount& count, const FirstAttempt& attempt) {
    ++count.expected;
    if (attempt.wrong) ++count.firstWrong;
    if (attempt.intervalMs >= 0) {
      ++count.timed;
      count.timeMs += attempt.intervalMs;
    }
  };
  for (size_t i = 0; i < attempts.size(); ++i) {
    const FirstAttempt& attempt = attempts[i];
    add(line.keys[attempt.expected], attempt);
    if (attempt.wrong) ++line.confusions[{attempt.expected, attempt.typed}];
    if (i > 0 && attempt.expected != ' ' && attempts[i - 1].expected != ' ')
      add(line.pairs[std::string{attempts[i - 1].expected, attempt.expected}], attempt);
  }
  return line;
}

void KeyState::Add(const KeyCount& count) {
  const double kept = std::pow(1 - 1 / kKeyMemory, static_cast<double>(count.expected));
  attempts = attempts * kept + static_cast<double>(count.expected);
  wrong = wrong * kept + static_cast<double>(count.firstWrong);
  timed = timed * kept + static_cast<double>(count.timed);
  timeMs = timeMs * kept + static_cast<double>(count.timeMs);
}

bool KeyState::Mastered(const MasteryGoals& goals) const {
  return Judged() && ErrorPercent() <= goals.errorPercent &&
         KeysPerMinute() >= goals.keysPerMinute;
}

double KeyState::Distance(const MasteryGoals& goals) const {
  if (!Judged()) return kUnjudgedDistance;
  const double byErrors = (ErrorPercent() + 1) / (goals.errorPercent + 1);
  const double speed = KeysPerMinute();
  const double bySpeed = speed > 0 ? goals.keysPerMinute / speed : 1e6;
  return std::max(byErrors, bySpeed);
}

void KeyMastery::AddLine(const LineKeyFigures& line) {
  for (const auto& [key, count] : line.keys) keys_[key].Add(count);
  for (const auto& [pair, count] : line.pairs) pairs_[pair].Add(count);
  for (const auto& [confusion, count] : line.confusions) confusions_[confusion] += count;
}

const KeyState& KeyMastery::Of(char key) const {
  static const KeyState unknown;
  const auto found = keys_.find(key);
  return found == keys_.end() ? unknown : found->second;
}

const KeyState& KeyMastery::OfPair(const std::string& pair) const {
  static const KeyState unknown;
  const auto found = pairs_.find(pair);
  return found == pairs_.end() ? unknown : found->second;
}

KeyMastery MasteryOf(const std::vector<LineKeyFigures>& lines) {
  KeyMastery mastery;
  for (const LineKeyFigures& line : lines) mastery.AddLine(line);
  return mastery;
}

std::string KeysFarFromMastery(const KeyMastery& mastery, const std::string& keys,
                               const MasteryGoals& goals) {
  std::string far;
  for (char key : keys) {
    const KeyState& state = mastery.Of(key);
    if (state.Judged() && state.ErrorPercent() + 1 >= 2 * (goals.errorPercent + 1)) far += key;
  }
  return far;
}
