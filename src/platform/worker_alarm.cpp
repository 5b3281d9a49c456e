#include "platform/worker_alarm.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

WorkerAlarm::WorkerAlarm() {
  wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  alarmFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
  if (wakeFd_ < 0 || alarmFd_ < 0) {
    const int error = errno;
    if (wakeFd_ >= 0) close(wakeFd_);
    if (alarmFd_ >= 0) close(alarmFd_);
    throw std::system_error(error, std::generic_category(), "game timer");
  }
}

WorkerAlarm::~WorkerAlarm() {
  close(wakeFd_);
  close(alarmFd_);
}

void WorkerAlarm::WakeNow() {
  const uint64_t one = 1;
  // The counter cannot overflow here; a failed write leaves the alarm and the next wake.
  [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void WorkerAlarm::WakeIn(int64_t ms) {
  itimerspec alarm{};
  alarm.it_value.tv_sec = static_cast<time_t>(ms / 1000);
  alarm.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000;
  timerfd_settime(alarmFd_, 0, &alarm, nullptr);
}

void WorkerAlarm::Sleep() {
  pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {alarmFd_, POLLIN, 0}};
  if (poll(fds, 2, -1) <= 0) return;  // interrupted: the caller looks again
  uint64_t count = 0;
  for (const pollfd& fd : fds) {
    if (fd.revents & POLLIN) [[maybe_unused]] const ssize_t got = read(fd.fd, &count, sizeof count);
  }
}
