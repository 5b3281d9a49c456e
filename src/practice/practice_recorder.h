#pragma once
// What the line practices and the paragraph drills report as the learner practises: every
// finished line or drill with the figures the learner was shown, and every character compared
// with the sample. The program records them in its statistics database; windows without a
// recorder report nothing.
#include <cstdint>
#include <vector>

#include "practice/statistics.h"

// Stored in the statistics database: the numbers never change.
enum class PracticeKind {
  Course = 1,
  Sentence = 2,
  Free = 3,
  Paragraph = 4,
  Game = 5,
  Adaptive = 6
};

// The first attempt at one place of a line: a place typed again after Backspace keeps its
// first attempt. intervalMs is the time since the previous key typed at any place, or -1 for
// the line's first key and after a pause of more than kLongPauseMs.
struct FirstAttempt {
  char expected = 0;
  char typed = 0;
  bool wrong = false;
  int64_t intervalMs = -1;
};
inline constexpr int64_t kLongPauseMs = 2000;

// A completed line of the course, sentence or free drills, or a finished paragraph drill.
struct TypingResult {
  PracticeKind kind = PracticeKind::Sentence;
  int64_t chars = 0;
  int64_t errors = 0;
  int64_t words = 0;
  int64_t timeMs = 0;
  TypingRates rates;   // as shown in the status bar or the results box
  int courseLine = 0;  // 1-based line of the course; 0 for the other practices
  // The line's places in order, for the lines of the course, sentence and free drills.
  std::vector<FirstAttempt> attempts;
};

class PracticeRecorder {
 public:
  virtual ~PracticeRecorder() = default;
  virtual void TypingFinished(const TypingResult& result) = 0;
  // A character of the sample was typed, rightly or wrongly.
  virtual void KeyTyped(char expected, bool wrong) = 0;
};
