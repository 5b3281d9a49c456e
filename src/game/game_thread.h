#pragma once
// threadType runs one game: it owns the city, the words on the playfield, the bullets and the
// word source, keeps the score and writes the status line.
//
// Threads: the worker only keeps time. It sleeps until the next timer deadline, or until a
// key, a resume or a stop wakes it, and then has one pass of the game loop run on the window
// thread while it waits. The pass itself sets the worker's alarm for the next deadline, so the
// worker wakes once per pass rather than once for the pass's end and once for the deadline. Every
// step that draws, draws a random number, or touches Strikers, Bullets, the key mailbox or the
// status line therefore runs on the window thread, as do Redraw and PutKey; the worker and the
// window thread share only the small WorkerState behind a mutex. Stop never waits for the window
// thread, so it may be called while the worker waits for a queued pass; it must not be called from
// inside one of the game's own passes.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "game/game_dispatcher.h"
#include "game/game_recorder.h"
#include "game/striker_source.h"
#include "game/world.h"
#include "platform/clock.h"
#include "platform/worker_alarm.h"
#include "practice/stopwatch.h"

inline constexpr const char* kKeyErrorSuffix = " threadType  strikers_go2";
inline constexpr const char* kTeardownErrorSuffix = " thread Destroy";
inline constexpr int kEscapeKey = 27;
inline constexpr int kStartScore = 2000;
inline constexpr int kBulletInterval = 25;

struct GameServices {
  Clock& clock;
  Random& random;
  Dialogs& dialogs;
  GameDispatcher& dispatcher;
};

using StatusLine = std::function<void(const std::string&)>;

// " Difficulty: d    Hit: h   Lost: l  Time: ss   Score: n"
std::string GameStatusText(int difficulty, int hits, int lost, int64_t seconds, int score);

class threadType {
 public:
  // Builds the city, reads the game text (its I/O error reaches the caller) and writes the
  // first status line. The worker is created suspended.
  threadType(GameServices services, const std::string& gameFile, StatusLine statusLabel,
             Canvas& canvas);
  ~threadType();
  threadType(const threadType&) = delete;
  threadType& operator=(const threadType&) = delete;

  // Called on the window thread.
  void SetDifficulty(int d);
  void ResetGame();
  void PutKey(int ch);
  void Redraw();
  void Suspend();
  // The worker starts at the first resume that leaves no suspension.
  void Resume();
  // The terminated mark: set by the window when it leaves a game, and by the loop at its end.
  void Terminate();
  bool Terminated() const;
  // True once a resume has started the worker.
  bool Started() const;
  // Ends and joins the worker; the game never runs again. Safe to repeat.
  void Stop();
  // Runs the thread body on the calling thread instead of a worker (logic tests, with a
  // dispatcher that runs calls at once).
  void RunHere();
  // The results are reported to recorder when the game ends (on the window thread).
  void SetRecorder(GameRecorder& recorder) { recorder_ = &recorder; }

  // The loop's steps, each run on the window thread.
  void BeginLoop();
  // One pass of the loop; false when the loop is left (no word left, or the score is gone).
  bool Pass();
  // The clock time of the next pass: the earliest timer deadline, or now when a timer must
  // be restarted or a key waits. The bullet timer counts only while a bullet flies.
  int64_t NextWakeMs();
  bool IntervalElapsed(stopwatch& watch, bool& restart, int interval);
  void MoveStrikers();
  void MoveBullets();
  void HandleKey(int ch);
  void FireBullet(strikerType& word);
  void SpeedUp();
  void UpdateStatus();
  void ShowResults();

  std::vector<std::unique_ptr<strikerType>> Strikers;  // launch order, oldest first
  std::vector<std::unique_ptr<bulletType>> Bullets;    // firing order
  int Phase = 1;
  strikerSourceType Source;
  stopwatch GameClock;
  cityType City;
  int Difficulty = 0;
  int Hits = 0;
  int Lost = 0;
  int MaxWords = 0;
  int LaunchInterval = 0;
  int MoveInterval = 0;
  int BulletInterval = 0;
  int Score = 0;
  int Launched = 0;
  bool Selected = false;
  strikerType* Target = nullptr;
  // Keys typed and not yet taken by a pass, oldest first.
  std::deque<int> PendingKeys;

 private:
  stopwatch LaunchWatch, MoveWatch, BulletWatch;
  bool LaunchRestart = true;
  bool MoveRestart = true;
  bool BulletRestart = true;
  Canvas& canvas;
  StatusLine StatusLabel;
  // The figures StatusLabel last showed: a move step mostly repeats them.
  std::array<int64_t, 5> ShownFigures{-1, -1, -1, -1, -1};

  // What the worker and the window thread share; queued calls keep it alive after the game.
  // Either thread wakes the worker through the alarm, at once or at a deadline.
  struct WorkerState {
    // Looks at done under the lock, sleeping between looks, until it holds (true) or the game
    // stops (false).
    template <typename Done>
    bool SleepUntil(std::unique_lock<std::mutex>& lock, Done done) {
      for (;;) {
        if (stopping) return false;
        if (done()) return true;
        lock.unlock();
        alarm.Sleep();
        lock.lock();
      }
    }

    std::mutex mutex;
    int suspendCount = 1;
    bool started = false;
    bool stopping = false;
    bool keyWaiting = false;
    bool callDone = false;
    bool terminated = false;
    WorkerAlarm alarm;
  };

  void Execute();
  // Passes until one leaves the loop or the next is not due yet.
  void RunDuePasses();
  bool RunOnWindowThread(std::function<void()> call);
  bool SleepUntil(int64_t deadlineMs);
  void CompleteWord(strikerType& word, int points);
  void RemoveStriker(size_t index);

  Clock& clock_;
  Random& random_;
  Dialogs& dialogs_;
  GameDispatcher& dispatcher_;
  GameRecorder* recorder_ = nullptr;
  std::shared_ptr<WorkerState> state_ = std::make_shared<WorkerState>();
  std::thread worker_;
  // Handed from a pass to the worker through the call's completion.
  bool passGoesOn_ = false;
  int64_t passWakeMs_ = 0;
};
