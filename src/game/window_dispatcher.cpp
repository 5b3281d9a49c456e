#include "game/window_dispatcher.h"

void WindowThreadDispatcher::Post(std::function<void()> call) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(call));
  }
  bell_.Ring();
}

void WindowThreadDispatcher::RunQueued() {
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
