#pragma once
// Queues calls from a game's worker to the window thread's event loop. The calls and their
// hand-over go through a std::mutex; an eventfd watched by a QSocketNotifier only wakes the
// window thread. (Qt's own cross-thread posting synchronises inside Qt, where the thread
// checker cannot see it.) Create and destroy it on the window thread; the game using it must
// be stopped before it goes.
#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "game/game_dispatcher.h"

class QSocketNotifier;

class WindowThreadDispatcher final : public GameDispatcher {
 public:
  WindowThreadDispatcher();
  ~WindowThreadDispatcher() override;
  WindowThreadDispatcher(const WindowThreadDispatcher&) = delete;
  WindowThreadDispatcher& operator=(const WindowThreadDispatcher&) = delete;

  void Post(std::function<void()> call) override;
  // Runs on the window thread after each batch of calls (e.g. to show what they drew).
  std::function<void()> afterCalls;

 private:
  void RunQueued();

  int eventFd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
};
