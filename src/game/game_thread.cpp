#include "game/game_thread.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <system_error>

#include "game/game_rates.h"
#include "platform/codepage.h"
#include "platform/guard.h"

namespace {
// Passes due at once (a timer waiting for its restart, the next of several keys) run in the
// same call on the window thread: waking both threads for each would cost more than the pass.
// The bound keeps the window thread answering while keys pour in.
constexpr int kMaxPassesPerCall = 16;

// The clock time at which IntervalElapsed will first answer true. A reading is
// ElapsedMs + (t - StartMs), never below 25, and the timer fires once it exceeds the interval.
int64_t TimerDeadline(const stopwatch& watch, bool restart, int interval, int64_t now) {
  if (restart || watch.IsStopped() || interval < kStopwatchFloorMs) return now;
  return watch.TimeWhenPast(interval);
}
}  // namespace

std::string GameStatusText(int difficulty, int hits, int lost, int64_t seconds, int score) {
  return BytesOf(QCoreApplication::translate(
                     "Game", " Difficulty: %1    Hit: %2   Lost: %3  Time: %4s   Score: %5")
                     .arg(difficulty)
                     .arg(hits)
                     .arg(lost)
                     .arg(seconds)
                     .arg(score));
}

threadType::threadType(GameServices services, const std::string& gameFile,
                       StatusLine statusLabel, Canvas& surface)
    : Source(gameFile, services.random, services.dialogs),
      GameClock(services.clock),
      City(surface.Height(), services.random),
      LaunchWatch(services.clock),
      MoveWatch(services.clock),
      BulletWatch(services.clock),
      canvas(surface),
      StatusLabel(std::move(statusLabel)),
      clock_(services.clock),
      random_(services.random),
      dialogs_(services.dialogs),
      dispatcher_(services.dispatcher) {
  UpdateStatus();
  Source.Load();
}

threadType::~threadType() { Stop(); }

void threadType::SetDifficulty(int d) {
  Difficulty = d;
  ResetGame();
}

void threadType::ResetGame() {
  Score = kStartScore;
  Hits = 0;
  Lost = 0;
  LaunchInterval = 3500 - 250 * Difficulty;
  MoveInterval = 550 - 50 * Difficulty;
  BulletInterval = kBulletInterval;
  MaxWords = 25 * Difficulty + 40;
}

void threadType::PutKey(int ch) {
  PendingKeys.push_back(ch);
  {
    std::lock_guard lock(state_->mutex);
    state_->keyWaiting = true;
  }
  state_->alarm.WakeNow();
}

void threadType::Redraw() {
  City.Draw(canvas);
  for (const auto& word : Strikers) word->Draw(canvas);
}

void threadType::Suspend() {
  std::lock_guard lock(state_->mutex);
  ++state_->suspendCount;
}

void threadType::Resume() {
  {
    std::lock_guard lock(state_->mutex);
    if (state_->suspendCount > 0) --state_->suspendCount;
    if (state_->suspendCount == 0 && !state_->started && !state_->stopping) {
      state_->started = true;
      // Under the lock, which the worker takes before anything else: it sees worker_ set.
      worker_ = std::thread([this] { Execute(); });
    }
  }
  state_->alarm.WakeNow();
}

void threadType::Terminate() {
  std::lock_guard lock(state_->mutex);
  state_->terminated = true;
}

bool threadType::Terminated() const {
  std::lock_guard lock(state_->mutex);
  return state_->terminated;
}

bool threadType::Started() const {
  std::lock_guard lock(state_->mutex);
  return state_->started;
}

void threadType::Stop() {
  {
    std::lock_guard lock(state_->mutex);
    state_->stopping = true;
  }
  state_->alarm.WakeNow();
  if (!worker_.joinable()) return;
  try {
    // A worker cannot wait for itself; it ends on its own now that stopping is set.
    if (worker_.get_id() == std::this_thread::get_id()) {
      throw std::system_error(std::make_error_code(std::errc::resource_deadlock_would_occur));
    }
    worker_.join();
  } catch (const std::exception& error) {
    dialogs_.Inform(std::string(error.what()) + kTeardownErrorSuffix);
  }
}

void threadType::RunHere() {
  {
    std::lock_guard lock(state_->mutex);
    if (state_->started) return;
    state_->started = true;
    state_->suspendCount = 0;
  }
  Execute();
}

void threadType::Execute() {
  try {
    if (!RunOnWindowThread([this] { BeginLoop(); })) return;
    for (;;) {
      if (!RunOnWindowThread([this] { RunDuePasses(); })) return;
      if (!passGoesOn_) break;
      if (!SleepUntil(passWakeMs_)) return;
    }
    if (!RunOnWindowThread([this] { ShowResults(); })) return;
    Terminate();
  } catch (...) {
    // Only the standard library's own thread primitives can throw here; the worker ends.
  }
}

bool threadType::RunOnWindowThread(std::function<void()> call) {
  for (;;) {
    {
      std::unique_lock lock(state_->mutex);
      if (!state_->SleepUntil(lock, [&] { return state_->suspendCount == 0; })) return false;
      state_->callDone = false;
    }
    // A call that finds the game suspended (the Esc question is up) or stopped does nothing;
    // a suspended one is queued again after the resume. A call that ran a pass which goes on
    // sets the alarm for the pass's next deadline instead of waking the worker now.
    auto shared = state_;
    bool ran = false;
    dispatcher_.Post([shared, call, &ran, this] {
      bool run;
      {
        std::lock_guard lock(shared->mutex);
        run = !shared->stopping && shared->suspendCount == 0;
      }
      if (run) Guarded(dialogs_, call);
      bool stopping;
      {
        std::lock_guard lock(shared->mutex);
        stopping = shared->stopping;
        if (!stopping) ran = run;
        shared->callDone = true;
      }
      if (stopping) return;  // the game may be gone; Stop has woken the worker
      const int64_t wait = run && passGoesOn_ ? passWakeMs_ - clock_.NowMs() : 0;
      if (wait > 0) {
        shared->alarm.WakeIn(wait);
      } else {
        shared->alarm.WakeNow();
      }
    });
    std::unique_lock lock(state_->mutex);
    if (!state_->SleepUntil(lock, [&] { return state_->callDone; })) return false;
    if (ran) return true;
  }
}

bool threadType::SleepUntil(int64_t deadlineMs) {
  std::unique_lock lock(state_->mutex);
  for (;;) {
    if (state_->stopping) return false;
    if (state_->suspendCount == 0) {
      if (state_->keyWaiting) {
        state_->keyWaiting = false;
        return true;
      }
      const int64_t left = deadlineMs - clock_.NowMs();
      if (left <= 0) return true;
      // Usually the pass has set this alarm already; setting it again costs no wake.
      state_->alarm.WakeIn(left);
    }
    lock.unlock();
    state_->alarm.Sleep();
    lock.lock();
  }
}

void threadType::RunDuePasses() {
  for (int pass = 1;; ++pass) {
    passGoesOn_ = Pass();
    passWakeMs_ = NextWakeMs();
    if (!passGoesOn_ || passWakeMs_ > clock_.NowMs() || pass == kMaxPassesPerCall) return;
  }
}

void threadType::BeginLoop() {
  GameClock.Start();
  Launched = 0;
}

bool threadType::Pass() {
  if (IntervalElapsed(LaunchWatch, LaunchRestart, LaunchInterval) &&
      Chance(random_, 5 * Difficulty + 50) && Launched < MaxWords && Source.Pick()) {
    Strikers.push_back(Source.TakePicked());
    ++Launched;
    UpdateStatus();
  }
  if (Strikers.empty() && Launched < MaxWords && Source.Pick()) {
    Strikers.push_back(Source.TakePicked());
    ++Launched;
  }
  if (Strikers.empty()) return false;
  if (IntervalElapsed(MoveWatch, MoveRestart, MoveInterval)) {
    MoveStrikers();
    UpdateStatus();
  }
  if (IntervalElapsed(BulletWatch, BulletRestart, BulletInterval)) MoveBullets();
  if (!PendingKeys.empty()) {
    const int key = PendingKeys.front();
    PendingKeys.pop_front();
    if (key != kEscapeKey) HandleKey(key);
  }
  return Score > 0;
}

int64_t threadType::NextWakeMs() {
  const int64_t now = clock_.NowMs();
  if (!PendingKeys.empty()) return now;
  int64_t wake = std::min(TimerDeadline(LaunchWatch, LaunchRestart, LaunchInterval, now),
                          TimerDeadline(MoveWatch, MoveRestart, MoveInterval, now));
  if (!Bullets.empty()) {
    wake = std::min(wake, TimerDeadline(BulletWatch, BulletRestart, BulletInterval, now));
  }
  return wake;
}

bool threadType::IntervalElapsed(stopwatch& watch, bool& restart, int interval) {
  if (restart) {
    watch.SetElapsed(0);
    watch.Start();
  }
  const int64_t elapsed = watch.ReadElapsed();
  restart = interval < elapsed;
  return restart;
}

void threadType::MoveStrikers() {
  size_t i = 0;
  while (i < Strikers.size()) {
    strikerType& word = *Strikers[i];
    if (word.Speed >= Phase && word.State == strikerType::Falling) {
      word.MoveDown(canvas);
    } else if (word.State == strikerType::Destroyed) {
      word.Erase(canvas);
      RemoveStriker(i);
      continue;
    } else {
      word.Draw(canvas);
    }
    Phase = Phase % 3 + 1;
    switch (TestCrash(word, City, canvas)) {
      case CrashOutcome::Crashed:
        Score -= 3 * word.Len;
        ++Lost;
        word.Erase(canvas);
        RemoveStriker(i);
        UpdateStatus();
        continue;
      case CrashOutcome::Lost:
        if (Selected && Target == &word) Selected = false;
        Score -= 3 * word.Len;
        ++Lost;
        break;
      case CrashOutcome::None:
        break;
    }
    ++i;
  }
}

void threadType::RemoveStriker(size_t index) {
  strikerType* word = Strikers[index].get();
  if (Selected && Target == word) Selected = false;
  if (Target == word) Target = nullptr;
  // A bullet never outlives its word: shot words stand still and so neither crash nor fall out.
  std::erase_if(Bullets, [word](const auto& bullet) { return &bullet->Target == word; });
  Strikers.erase(Strikers.begin() + static_cast<std::ptrdiff_t>(index));
}

void threadType::MoveBullets() {
  size_t i = 0;
  while (i < Bullets.size()) {
    if (Bullets[i]->Done) {
      Bullets.erase(Bullets.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      Bullets[i]->Step();
      ++i;
    }
  }
}

void threadType::HandleKey(int ch) {
  try {
    if (!Selected) {
      for (const auto& word : Strikers) {
        if (word->State == strikerType::Falling && word->Len > 0 &&
            static_cast<unsigned char>(word->Text[0]) == ch) {
          Selected = true;
          Target = word.get();
          Target->Typed = 1;
          Target->Draw(canvas);
          if (Target->Len == 1) CompleteWord(*Target, 1);
          return;
        }
      }
      return;
    }
    strikerType& word = *Target;
    if (word.Typed < word.Len && static_cast<unsigned char>(word.Text[word.Typed]) == ch) {
      ++word.Typed;
      word.Draw(canvas);
      if (word.Typed == word.Len) CompleteWord(word, 5 * word.Len);
      return;
    }
    word.Typed = -1;
    word.Draw(canvas);
    word.State = strikerType::Falling;
    Selected = false;
  } catch (const std::exception& error) {
    dialogs_.Inform(std::string(error.what()) + kKeyErrorSuffix);
  }
}

void threadType::CompleteWord(strikerType& word, int points) {
  word.State = strikerType::Shot;
  FireBullet(word);
  Score += points;
  ++Hits;
  UpdateStatus();
  Selected = false;
  SpeedUp();
}

void threadType::FireBullet(strikerType& word) {
  Bullets.push_back(std::make_unique<bulletType>(canvas, word, City.BaseY + 1));
}

void threadType::SpeedUp() {
  LaunchInterval -= 4;
  if (LaunchInterval < 500) LaunchInterval = 550;
  MoveInterval -= 2;
  if (MoveInterval < 40) MoveInterval = 60;
}

void threadType::UpdateStatus() {
  const std::array<int64_t, 5> figures{Difficulty, Hits, Lost, GameClock.ReadElapsed() / 1000,
                                       Score};
  if (figures == ShownFigures) return;
  ShownFigures = figures;
  StatusLabel(GameStatusText(Difficulty, Hits, Lost, figures[3], Score));
}

void threadType::ShowResults() {
  const int64_t elapsed = GameClock.ReadElapsed();
  // A game without a word to strike (a text with no words) is no result.
  if (recorder_ && Hits + Lost > 0) {
    const GameRates rates = ComputeGameRates(Hits, Lost, elapsed);
    recorder_->GameFinished({Difficulty, Hits, Lost, Score, elapsed, rates.accuracy,
                             rates.wordsPerMinute, rates.expectedWordsPerMinute});
  }
  dialogs_.Inform(GameResultsText(Hits, Lost, elapsed));
}
