#pragma once
// LineEngine: the typing of one sample line, without a window. Every typed character is
// compared with the sample and marked right or wrong, Backspace takes the last one back, and
// the key after the last character (or Enter, or Esc) ends the line, which is timed on the
// shared practice stopwatch. A completed line adds its time to the run's practice time. What
// the learner is to see is told to a LineView.
//
// Positions count from 1: Position is the place typed next, LineLength + 1 once all is typed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "practice/practice_recorder.h"
#include "practice/statistics.h"
#include "practice/stopwatch.h"

enum class LineOutcomeKind { Completed = 0, Escaped = 1, Skipped = 2, Open = 3 };

inline constexpr int kMaxSampleLength = 100;

class LineView {
 public:
  virtual void ShowSample(const std::string& line) = 0;
  // key as typed: a byte 0..255, or kUnmappableChar.
  virtual void ShowTyped(int key, bool right) = 0;
  virtual void RemoveLastTyped() = 0;
  virtual void ShowNextAt(int position) = 0;
  // The line's clock runs from its first typed character to its end.
  virtual void ShowClockRunning(bool running) = 0;

 protected:
  ~LineView() = default;
};

class LineEngine {
 public:
  LineEngine(stopwatch& practiceStopwatch, LineView& view);

  // line, cut to kMaxSampleLength, to be typed from its start on a fresh clock.
  void SetUpLine(const std::string& line);
  // The line in hand to be typed again from its start, on a fresh clock.
  void Restart();
  // The line in hand is dropped: its time is never counted and the next character typed
  // starts a fresh watch.
  void ResetLineClock();
  // A key-press (a byte 0..255, kUnmappableChar, or VK_BACK, VK_RETURN, VK_ESCAPE); true when
  // it ended the line. Finished() then holds until LineEndHandled. A repeated key (held down)
  // types as any other but is recorded as no attempt.
  bool KeyPress(int key, bool repeated = false);
  void LineEndHandled();

  // Completed lines and typed characters are reported to recorder from now on, as kind.
  void SetRecorder(PracticeRecorder& recorder, PracticeKind kind);
  // The rates of the line just ended, reported to the recorder with the course line it was
  // (0 outside the course).
  TypingRates RecordLine(int courseLine) const;

  const std::string& SampleLine() const { return sample_; }
  int LineLength() const { return length_; }
  int WordCount() const { return words_; }
  int Position() const { return position_; }
  // Marks()[i]: the character typed at place i was right.
  const std::array<bool, kMaxSampleLength + 1>& Marks() const { return marks_; }
  int ErrorCount() const { return errors_; }
  // The first attempts at the places typed so far, in place order.
  std::vector<FirstAttempt> FirstAttempts() const;
  int64_t LineTime() const { return lineTime_; }
  int64_t PracticeTime() const { return practiceTime_; }
  LineOutcomeKind LineOutcome() const { return outcome_; }
  bool Started() const { return started_; }
  bool Finished() const { return finished_; }

 private:
  void EndLine(int key);
  void NoteAttempt(char expected, int key, bool right);

  stopwatch& stopwatch_;
  LineView& view_;
  PracticeRecorder* recorder_ = nullptr;
  PracticeKind recordedKind_ = PracticeKind::Sentence;

  std::string sample_;
  int length_ = 0;
  int words_ = 0;
  int position_ = 0;
  std::array<bool, kMaxSampleLength + 1> marks_{};
  std::array<std::optional<FirstAttempt>, kMaxSampleLength + 1> attempts_{};
  int64_t lastKeyMs_ = 0;  // on the line's watch
  int errors_ = 0;
  int64_t lineTime_ = 0;
  int64_t practiceTime_ = 0;
  LineOutcomeKind outcome_ = LineOutcomeKind::Open;
  bool started_ = false;
  bool finished_ = false;
};
