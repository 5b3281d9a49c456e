#pragma once
// Queues calls from a game's worker to the window thread's event loop. The calls and their
// hand-over go through a std::mutex; a bell only wakes the window thread. Create and destroy
// it on the window thread; the game using it must be stopped before it goes.
#include <deque>
#include <functional>
#include <mutex>

#include "game/game_dispatcher.h"
#include "platform/window_thread_bell.h"

class WindowThreadDispatcher final : public GameDispatcher {
 public:
  WindowThreadDispatcher() = default;
  WindowThreadDispatcher(const WindowThreadDispatcher&) = delete;
  WindowThreadDispatcher& operator=(const WindowThreadDispatcher&) = delete;

  void Post(std::function<void()> call) override;
  // Runs on the window thread after each batch of calls (e.g. to show what they drew).
  std::function<void()> afterCalls;

 private:
  void RunQueued();

  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
  WindowThreadBell bell_{[this] { RunQueued(); }};
};
