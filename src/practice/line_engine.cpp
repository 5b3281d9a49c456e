#include "practice/line_engine.h"

#include "platform/key_codes.h"

LineEngine::LineEngine(stopwatch& practiceStopwatch, LineView& view)
    : stopwatch_(practiceStopwatch), view_(view) {}

void LineEngine::SetUpLine(const std::string& line) {
  sample_ = line.substr(0, kMaxSampleLength);
  view_.ShowSample(sample_);
  length_ = static_cast<int>(sample_.size());
  words_ = CountWords(sample_);
  position_ = 1;
  attempts_ = {};
  ResetLineClock();
  view_.ShowNextAt(1);
}

void LineEngine::Restart() {
  position_ = 1;
  attempts_ = {};
  ResetLineClock();
  finished_ = false;
}

void LineEngine::ResetLineClock() {
  stopwatch_.Reset();
  started_ = false;
  view_.ShowClockRunning(false);
}

bool LineEngine::KeyPress(int key, bool repeated) {
  if (length_ < position_ || length_ <= 0) {
    finished_ = true;
    key = 0;  // swallowed: no longer counts as Esc
  } else {
    const char expected = sample_[static_cast<size_t>(position_ - 1)];
    const bool right = key < 256 && static_cast<char>(key) == expected;
    if (right || (key != VK_BACK && key != VK_RETURN && key != VK_ESCAPE && key != 0)) {
      view_.ShowTyped(key, right);
      if (recorder_ && !repeated) recorder_->KeyTyped(expected, !right);
      marks_[static_cast<size_t>(position_)] = right;
      if (!repeated) NoteAttempt(expected, key, right);
      ++position_;
      view_.ShowNextAt(position_);
      if (!started_) {
        view_.ShowClockRunning(true);
        stopwatch_.Start();
        started_ = true;
      }
    } else if (key == VK_BACK) {
      if (position_ >= 2) {
        --position_;
        view_.ShowNextAt(position_);
      }
      view_.RemoveLastTyped();
    } else if (key == VK_RETURN || key == VK_ESCAPE) {
      finished_ = true;
    }
  }
  if (finished_) EndLine(key);
  return finished_;
}

void LineEngine::NoteAttempt(char expected, int key, bool right) {
  // The line's first key starts its watch at 0.
  const int64_t now = started_ ? stopwatch_.PeekElapsed() : 0;
  const int64_t interval = started_ && now - lastKeyMs_ <= kLongPauseMs ? now - lastKeyMs_ : -1;
  lastKeyMs_ = now;
  std::optional<FirstAttempt>& attempt = attempts_[static_cast<size_t>(position_)];
  if (!attempt)
    attempt = FirstAttempt{expected, key < 256 ? static_cast<char>(key) : '\0', !right, interval};
}

std::vector<FirstAttempt> LineEngine::FirstAttempts() const {
  std::vector<FirstAttempt> attempts;
  for (const std::optional<FirstAttempt>& attempt : attempts_) {
    if (attempt) attempts.push_back(*attempt);
  }
  return attempts;
}

void LineEngine::EndLine(int key) {
  stopwatch_.Stop();
  lineTime_ = stopwatch_.ReadElapsed();
  view_.ShowClockRunning(false);
  if (key != VK_ESCAPE) {
    errors_ = 0;
    for (int i = 1; i <= length_; ++i) {
      if (!marks_[static_cast<size_t>(i)]) ++errors_;
    }
  }
  if (position_ > length_) {
    outcome_ = LineOutcomeKind::Completed;
  } else if (key == VK_ESCAPE) {
    outcome_ = LineOutcomeKind::Escaped;
  } else if (key == VK_RETURN) {
    outcome_ = LineOutcomeKind::Skipped;
  } else {
    outcome_ = LineOutcomeKind::Open;
  }
  // A skipped or abandoned line was practised too; one not begun adds the watch's 25 ms floor.
  practiceTime_ += lineTime_;
}

void LineEngine::LineEndHandled() {
  started_ = false;
  finished_ = false;
}

void LineEngine::SetRecorder(PracticeRecorder& recorder, PracticeKind kind) {
  recorder_ = &recorder;
  recordedKind_ = kind;
}

TypingRates LineEngine::RecordLine(int courseLine) const {
  const TypingRates rates = ComputeRates(length_, errors_, words_, lineTime_);
  if (recorder_) {
    recorder_->TypingFinished(
        {recordedKind_, length_, errors_, words_, lineTime_, rates, courseLine, FirstAttempts()});
  }
  return rates;
}
