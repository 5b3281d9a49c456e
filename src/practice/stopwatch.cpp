#include "practice/stopwatch.h"

void stopwatch::Start() {
  Stopped = false;
  StartMs = clock_.NowMs();
}

void stopwatch::Stop() {
  if (Stopped) return;
  const int64_t now = clock_.NowMs();
  ElapsedMs = now - StartMs;
  StartMs = now;
  Stopped = true;
}

int64_t stopwatch::PeekElapsed() const {
  return Stopped ? ElapsedMs : ElapsedMs + clock_.NowMs() - StartMs;
}

int64_t stopwatch::ReadElapsed() {
  if (!Stopped) {
    const int64_t now = clock_.NowMs();
    ElapsedMs += now - StartMs;
    StartMs = now;
  }
  if (ElapsedMs < kStopwatchFloorMs) ElapsedMs = kStopwatchFloorMs;
  return ElapsedMs;
}
