#pragma once
// How a game's worker gets its steps run on the window thread. Post queues a call and returns
// at once; the worker waits for the call itself. The program queues calls to the window
// thread's event loop; logic tests run them on the spot.
#include <functional>

class GameDispatcher {
 public:
  virtual ~GameDispatcher() = default;
  // May be called from any thread. The call runs later on the window thread (or at once).
  virtual void Post(std::function<void()> call) = 0;
};
