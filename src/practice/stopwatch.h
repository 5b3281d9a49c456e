#pragma once
// A millisecond stopwatch whose reading never falls below 25 ms, so every rate computed from
// it has a positive divisor. The line practice windows and the paragraph drills share one
// instance (only one modal practice window takes keys at a time); the game makes its own.
#include <cstdint>

#include "platform/clock.h"

class stopwatch {
 public:
  explicit stopwatch(Clock& clock) : clock_(clock) {}

  void SetElapsed(int64_t ms) { ElapsedMs = ms; }
  // Stopped at 0 ms: the time of a dropped line is never read as part of the next one.
  void Reset() {
    ElapsedMs = 0;
    Stopped = true;
  }
  void Start();
  void Stop();
  int64_t ReadElapsed();
  bool IsStopped() const { return Stopped; }
  // The reading now, without the floor and without changing the watch.
  int64_t PeekElapsed() const;
  // The clock time from which a running watch reads more than ms.
  int64_t TimeWhenPast(int64_t ms) const { return StartMs + ms - ElapsedMs + 1; }

 private:
  int64_t ElapsedMs = 0;
  int64_t StartMs = 0;
  bool Stopped = true;
  Clock& clock_;
};

inline constexpr int64_t kStopwatchFloorMs = 25;
