#include "platform/window_thread_bell.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <system_error>

WindowThreadBell::WindowThreadBell(std::function<void()> rung) {
  eventFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (eventFd_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  notifier_ = std::make_unique<QSocketNotifier>(eventFd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this, rung = std::move(rung)] {
                     // Read before rung runs: a ring during the call wakes the loop again.
                     uint64_t count = 0;
                     [[maybe_unused]] const ssize_t got = read(eventFd_, &count, sizeof count);
                     rung();
                   });
}

WindowThreadBell::~WindowThreadBell() {
  notifier_.reset();
  close(eventFd_);
}

void WindowThreadBell::Ring() {
  const uint64_t one = 1;
  // The counter cannot overflow at these rates; a failed write would only leave the window
  // thread asleep until the next ring.
  [[maybe_unused]] const ssize_t written = write(eventFd_, &one, sizeof one);
}
