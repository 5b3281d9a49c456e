#pragma once
// A monotonic millisecond clock. Stopwatches and game timers read time only through it,
// so tests drive time with a fake and never sleep.
#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowMs() = 0;
};

class SteadyClock final : public Clock {
 public:
  int64_t NowMs() override;
};
