// The game's worker with real threads: hand-over to the window thread, waking, suspending,
// stopping. Built into its own program so that it also runs under ThreadSanitizer.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

#include "game/game_frame.h"
#include "game/window_dispatcher.h"
#include "game_fixture.h"
#include "platform/guard.h"

namespace {
// A clock the worker may read while the test moves it.
class SharedClock final : public Clock {
 public:
  int64_t NowMs() override { return now.load(); }
  std::atomic<int64_t> now{5000};
};

// Holds the worker's calls until the test runs them on its own thread.
class HeldDispatcher final : public GameDispatcher {
 public:
  void Post(std::function<void()> call) override {
    {
      std::lock_guard lock(mutex_);
      calls_.push_back(std::move(call));
    }
    posted_.notify_all();
  }
  // Waits for the next call; the worker must be about to post one.
  std::function<void()> Next() {
    std::unique_lock lock(mutex_);
    posted_.wait(lock, [&] { return !calls_.empty(); });
    auto call = std::move(calls_.front());
    calls_.pop_front();
    return call;
  }
  void RunNext() { Next()(); }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> calls_;
};

// Runs the window thread's event loop until done() holds, waking at once for each queued
// call (unlike QTest::qWaitFor, which naps between rounds). False on timeout.
template <typename Done>
bool RunEventsUntil(Done done, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  QTimer tick;  // bounds each wait, so that the deadline is seen
  tick.start(20);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

struct Game {
  TestContext t;
  SharedClock clock;
  ImageCanvas picture{600, 384};
  std::string status;
  std::thread::id statusThread;
  std::unique_ptr<threadType> game;

  Game() { t.random.thenAlways = 0; }  // which words fall where does not matter here

  threadType& Make(GameDispatcher& dispatcher, const std::string& text, int difficulty) {
    t.dir.Write("game.txt", text);
    game = std::make_unique<threadType>(
        GameServices{clock, t.random, t.dialogs, dispatcher}, t.dir.File("game.txt"),
        [this](const std::string& line) {
          status = line;
          statusThread = std::this_thread::get_id();
        },
        picture);
    for (auto& row : game->City.Cells) row.fill(0);
    game->SetDifficulty(difficulty);
    return *game;
  }
};
}  // namespace

TEST(GameWorker, PlaysAWholeGameThroughTheWindowThread) {
  Game g;
  SteadyClock steady;
  WindowThreadDispatcher dispatcher;
  g.t.dir.Write("game.txt", "ab c\r\n");
  threadType game(GameServices{steady, g.t.random, g.t.dialogs, dispatcher},
                  g.t.dir.File("game.txt"),
                  [&](const std::string& line) {
                    g.status = line;
                    g.statusThread = std::this_thread::get_id();
                  },
                  g.picture);
  for (auto& row : game.City.Cells) row.fill(0);
  game.SetDifficulty(10);
  game.Resume();
  std::set<std::string> typed;
  // The learner types each word once it is on the playfield.
  EXPECT_TRUE(RunEventsUntil(
      [&] {
        for (const auto& word : game.Strikers) {
          if (typed.insert(word->Text).second) {
            for (char c : word->Text) game.PutKey(c);
          }
        }
        return game.Terminated();
      },
      20000));
  EXPECT_EQ(game.Hits, 2);
  EXPECT_EQ(g.statusThread, std::this_thread::get_id());
  ASSERT_EQ(g.t.dialogs.Texts().size(), 1u);
  EXPECT_EQ(g.t.dialogs.Texts()[0].substr(0, 17), "   Accuracy: 100%");
  game.Stop();
}

TEST(GameWorker, StopDoesNotWaitForAQueuedCallWhichThenDoesNothing) {
  HeldDispatcher dispatcher;
  std::function<void()> stale;
  {
    Game g;
    threadType& game = g.Make(dispatcher, "word\r\n", 3);
    game.Resume();
    stale = dispatcher.Next();  // the worker now waits for the window thread
    game.Stop();
  }
  stale();  // the game is gone: the call must not reach it
}

TEST(GameWorker, AQueuedPassFindingTheGameSuspendedWaitsForTheResume) {
  HeldDispatcher dispatcher;
  Game g;
  threadType& game = g.Make(dispatcher, "word\r\n", 3);
  game.Resume();
  dispatcher.RunNext();  // start of the loop
  auto pass = dispatcher.Next();
  game.Suspend();
  pass();
  EXPECT_TRUE(game.Strikers.empty());
  game.Resume();
  dispatcher.RunNext();
  EXPECT_EQ(game.Strikers.size(), 1u);
  game.Stop();
}

TEST(GameWorker, AKeyWakesTheSleepingWorker) {
  HeldDispatcher dispatcher;
  Game g;
  threadType& game = g.Make(dispatcher, "word\r\n", 1);
  game.Resume();
  dispatcher.RunNext();
  dispatcher.RunNext();  // first pass; the clock stands still, so no timer will fire
  ASSERT_EQ(game.Strikers.size(), 1u);
  game.PutKey('w');
  dispatcher.RunNext();
  EXPECT_TRUE(game.Selected);
  game.Stop();
}

TEST(GameWorker, StoppingFromTheWorkerItselfIsReported) {
  // Every call runs on the worker here, so the status line is written there too.
  class OnWorker final : public GameDispatcher {
   public:
    void Post(std::function<void()> call) override { call(); }
  } dispatcher;
  Game g;
  SteadyClock steady;
  std::atomic<bool> tried{false};
  g.t.dir.Write("game.txt", "word\r\n");
  threadType* self = nullptr;
  threadType game(GameServices{steady, g.t.random, g.t.dialogs, dispatcher},
                  g.t.dir.File("game.txt"),
                  [&](const std::string&) {
                    if (self && !tried.exchange(true)) self->Stop();
                  },
                  g.picture);
  self = &game;
  game.SetDifficulty(10);  // the first move tick, 25 ms on, writes the status line
  game.Resume();
  while (!tried.load()) std::this_thread::yield();
  game.Stop();
  ASSERT_EQ(g.t.dialogs.messages.size(), 1u);
  const std::string text = g.t.dialogs.messages[0].text;
  EXPECT_EQ(text.substr(text.size() - 15), " thread Destroy");
}

namespace {
struct GameWindowThreads : ::testing::Test {
  TestContext t;
  std::unique_ptr<TgameFrame> frame = std::make_unique<TgameFrame>(t.context);

  GameWindowThreads() { t.random.thenAlways = 0; }
  void Start() {
    t.dialogs.inputs = {"3"};
    frame->show();
    Guarded(t.dialogs, [&] { frame->StartGame(); });
  }
};
}  // namespace

TEST_F(GameWindowThreads, LeavingReplacingAndClosingRunningGames) {
  t.dir.Write("qzgame.txt", "one two three four five\r\n");
  Start();
  EXPECT_TRUE(RunEventsUntil([&] { return !frame->CurrentGame()->Strikers.empty(); }, 5000));
  Start();  // the first game is stopped, the second takes over
  EXPECT_TRUE(RunEventsUntil([&] { return !frame->CurrentGame()->Strikers.empty(); }, 5000));
  t.dialogs.answers = {MessageAnswer::Yes};
  QTest::keyClick(frame.get(), Qt::Key_Escape);
  EXPECT_FALSE(frame->isVisible());
  Start();
  frame.reset();  // the program ends with a game running
  QCoreApplication::processEvents();
}

TEST_F(GameWindowThreads, EscAfterTheResultsClosesWithoutAsking) {
  t.dir.Write("qzgame.txt", "\r\n");
  Start();
  EXPECT_TRUE(RunEventsUntil([&] { return frame->CurrentGame()->Terminated(); }, 5000));
  EXPECT_EQ(t.dialogs.Texts(),
            (std::vector<std::string>{"   Accuracy: 0%   WPM: 0  Expected WPM: 0"}));
  QTest::keyClick(frame.get(), Qt::Key_Escape);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(t.dialogs.Texts().size(), 1u);
}
