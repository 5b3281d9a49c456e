#pragma once
// Wakes the window thread from any thread. Ring may be called from any thread; the window
// thread's event loop then calls rung once for one or more rings since the last call. It
// does not post through Qt, whose cross-thread synchronisation happens inside Qt where the
// thread checker cannot see it. Create and destroy it on the window thread.
#include <functional>
#include <memory>

class QSocketNotifier;

class WindowThreadBell {
 public:
  // Throws std::system_error when the system has no bell to give.
  explicit WindowThreadBell(std::function<void()> rung);
  ~WindowThreadBell();
  WindowThreadBell(const WindowThreadBell&) = delete;
  WindowThreadBell& operator=(const WindowThreadBell&) = delete;

  void Ring();

 private:
  int eventFd_ = -1;  // an eventfd that the window thread's event loop watches
  std::unique_ptr<QSocketNotifier> notifier_;
};
