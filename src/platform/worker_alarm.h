#pragma once
// A worker thread's sleep that other threads cut short. WakeNow, from any thread, ends the
// current Sleep or the next one; WakeIn ends it that many milliseconds from now, replacing an
// alarm set before. Wakes do not add up: several before a Sleep end that one only. Sleep may
// also return for no reason, so callers look at what they wait for again.
#include <cstdint>

class WorkerAlarm {
 public:
  // Throws std::system_error when the system has no alarm to give.
  WorkerAlarm();
  ~WorkerAlarm();
  WorkerAlarm(const WorkerAlarm&) = delete;
  WorkerAlarm& operator=(const WorkerAlarm&) = delete;

  void WakeNow();
  void WakeIn(int64_t ms);
  void Sleep();

 private:
  // An eventfd that WakeNow signals and a timerfd that WakeIn sets.
  int wakeFd_ = -1;
  int alarmFd_ = -1;
};
