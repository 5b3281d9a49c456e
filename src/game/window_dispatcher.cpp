#include "game/window_dispatcher.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdint>
#include <system_error>

WindowThreadDispatcher::WindowThreadDispatcher() {
  eventFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (eventFd_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  notifier_ = std::make_unique<QSocketNotifier>(eventFd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { RunQueued(); });
}

WindowThreadDispatcher::~WindowThreadDispatcher() {
  notifier_.reset();
  close(eventFd_);
}

void WindowThreadDispatcher::Post(std::function<void()> call) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(call));
  }
  const uint64_t one = 1;
  // The counter cannot overflow at these rates; a failed write would only leave the call
  // queued until the next one wakes the window thread.
  [[maybe_unused]] const ssize_t written = write(eventFd_, &one, sizeof one);
}

void WindowThreadDispatcher::RunQueued() {
  uint64_t count = 0;
  [[maybe_unused]] const ssize_t got = read(eventFd_, &count, sizeof count);
  for (;;) {
    std::function<void()> call;
    {
      std::lock_guard lock(mutex_);
      if (queue_.empty()) break;
      call = std::move(queue_.front());
      queue_.pop_front();
    }
    call();
  }
  if (afterCalls) afterCalls();
}
