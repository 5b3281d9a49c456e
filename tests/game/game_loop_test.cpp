#include <gtest/gtest.h>

#include <map>

#include "game/game_thread.h"
#include "game_fixture.h"

namespace {
struct GameLoopTest : ::testing::Test, GameFixture {};

// Runs the thread body on the test thread. After every call the fake clock jumps to the
// game's next wake time, stopping at scripted moments to type keys; nothing sleeps.
struct TimeWarp {
  GameFixture& f;
  std::multimap<int64_t, std::function<void()>> events;  // at clock time, do
  int calls = 0;

  explicit TimeWarp(GameFixture& fixture) : f(fixture) {
    f.dispatcher.afterCall = [this] { Advance(); };
  }
  void Advance() {
    threadType& game = *f.game;
    if (++calls > 100000) {
      ADD_FAILURE() << "the loop does not end";
      game.Stop();
      return;
    }
    if (game.Terminated()) return;
    const int64_t wake = game.NextWakeMs();
    if (!events.empty() && events.begin()->first <= wake) {
      auto first = events.begin();
      f.t.clock.now = std::max(f.t.clock.now, first->first);
      auto action = std::move(first->second);
      events.erase(first);
      action();
      return;
    }
    f.t.clock.now = std::max(f.t.clock.now, wake);
  }
};
}  // namespace

TEST_F(GameLoopTest, NewGameShowsDifficultyZeroUntilItsFirstTick) {
  Make("word\r\n", 0);
  EXPECT_EQ(status, " Difficulty: 0    Hit: 0   Lost: 0  Time: 0s   Score: 0");
  EXPECT_EQ(game->City.BaseY, 384);
  EXPECT_EQ(game->Source.Groups[1], (std::vector<std::string>{"word"}));
  EXPECT_FALSE(game->Started());
  game->SetDifficulty(3);
  EXPECT_EQ(status, " Difficulty: 0    Hit: 0   Lost: 0  Time: 0s   Score: 0");
}

TEST_F(GameLoopTest, DifficultySetsIntervalsLimitsAndScore) {
  Make("word\r\n", 3);
  EXPECT_EQ(game->LaunchInterval, 2750);
  EXPECT_EQ(game->MoveInterval, 400);
  EXPECT_EQ(game->MaxWords, 115);
  EXPECT_EQ(game->BulletInterval, 25);
  EXPECT_EQ(game->Score, 2000);
  game->SetDifficulty(10);
  EXPECT_EQ(game->LaunchInterval, 1000);
  EXPECT_EQ(game->MoveInterval, 50);
  EXPECT_EQ(game->MaxWords, 290);
}

TEST_F(GameLoopTest, MissingGameTextLeavesCreationWithItsError) {
  t.dir.Write("other.txt", "x");
  t.random.thenAlways = 0;
  try {
    threadType broken(GameServices{t.clock, t.random, t.dialogs, dispatcher},
                      t.dir.File("missing.txt"), [this](const std::string& s) { status = s; },
                      canvas);
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), kFileNotFound);
  }
  EXPECT_EQ(status, " Difficulty: 0    Hit: 0   Lost: 0  Time: 0s   Score: 0");
}

TEST_F(GameLoopTest, TimersFireAsTheirStopwatchesSay) {
  Make("w\r\n");
  stopwatch watch(t.clock);
  bool restart = true;
  // The first check restarts and reads 25 ms: a 25 ms timer does not fire, but does 1 ms on.
  EXPECT_FALSE(game->IntervalElapsed(watch, restart, 25));
  EXPECT_EQ(game->IntervalElapsed(watch, restart, 25), false);
  t.clock.Advance(1);
  EXPECT_TRUE(game->IntervalElapsed(watch, restart, 25));
  EXPECT_TRUE(restart);
  // A 400 ms timer fires once more than 375 ms have passed since its restart.
  restart = true;
  EXPECT_FALSE(game->IntervalElapsed(watch, restart, 400));
  t.clock.Advance(375);
  EXPECT_FALSE(game->IntervalElapsed(watch, restart, 400));
  t.clock.Advance(1);
  EXPECT_TRUE(game->IntervalElapsed(watch, restart, 400));
}

TEST_F(GameLoopTest, TheWorkerWakesAtTheNextDeadline) {
  Make("one two\r\n");
  t.random.thenAlways = 0;
  game->BeginLoop();
  const int64_t start = t.clock.now;
  EXPECT_EQ(game->NextWakeMs(), start);  // every timer waits for its restart
  ASSERT_TRUE(game->Pass());
  // Restarted: move fires past 400 - 25 ms, launch past 2750 - 25; no bullet flies.
  EXPECT_EQ(game->NextWakeMs(), start + 376);
  game->PutKey('q');
  EXPECT_EQ(game->NextWakeMs(), start);
  game->Pass();
  game->FireBullet(*game->Strikers[0]);
  EXPECT_EQ(game->NextWakeMs(), start + 1);
}

TEST_F(GameLoopTest, FirstPassLaunchesOneWordAndEachPassTestsTheTimersInOrder) {
  Make("one\r\n");
  t.random.thenAlways = 0;
  game->BeginLoop();
  ASSERT_TRUE(game->Pass());
  ASSERT_EQ(game->Strikers.size(), 1u);
  EXPECT_EQ(game->Launched, 1);
  EXPECT_GT(game->NextWakeMs(), t.clock.now);  // every timer tested, and restarted
  EXPECT_EQ(game->Strikers[0]->Y, 0);  // not moved before its first move tick
}

TEST_F(GameLoopTest, TimedLaunchDrawsItsChanceAndRefreshesTheStatus) {
  Make("one two\r\n");
  t.random.thenAlways = 0;
  game->BeginLoop();
  game->Pass();
  t.random.draws.clear();
  status.clear();
  t.clock.Advance(2726);
  t.random.values = {64, 0, 0, 0, 0, 99, 99};  // chance 65 % accepted; pick; move phase
  game->Pass();
  EXPECT_EQ(game->Strikers.size(), 2u);
  EXPECT_EQ(game->Launched, 2);
  EXPECT_EQ(t.random.draws.front(), 100);
  EXPECT_EQ(status.substr(0, 14), " Difficulty: 3");

  game->Pass();  // the fired timers restart
  t.clock.Advance(2726);
  t.random.values = {65};  // refused
  t.random.draws.clear();
  game->Pass();
  EXPECT_EQ(game->Strikers.size(), 2u);
  EXPECT_EQ(t.random.draws, (std::vector<int>{100}));
}

TEST_F(GameLoopTest, CompletingAFiveLetterWordShootsIt) {
  Make("x\r\n");
  strikerType& word = AddWord("shoot", 11, 100);
  Type("sho");
  EXPECT_TRUE(game->Selected);
  EXPECT_EQ(word.Typed, 3);
  Type("ot");
  EXPECT_FALSE(game->Selected);
  EXPECT_EQ(word.State, strikerType::Shot);
  EXPECT_EQ(game->Score, 2025);
  EXPECT_EQ(game->Hits, 1);
  EXPECT_EQ(game->LaunchInterval, 2746);
  EXPECT_EQ(game->MoveInterval, 398);
  ASSERT_EQ(game->Bullets.size(), 1u);
  EXPECT_EQ(game->Bullets[0]->X, 150);
  EXPECT_EQ(game->Bullets[0]->Y, 385);
  EXPECT_EQ(status, " Difficulty: 3    Hit: 1   Lost: 0  Time: 0s   Score: 2025");
  EXPECT_GT(CountPixels(picture, clRed, 120, 100, 180, 118), 0);
  EXPECT_EQ(CountPixels(picture, clYellow, 120, 100, 180, 118), 0);

  MoveTicks(3);
  EXPECT_EQ(word.Y, 100);  // a shot word stands still
  for (int i = 0; i < 46; ++i) game->MoveBullets();
  EXPECT_EQ(word.State, strikerType::Shot);
  game->MoveBullets();
  EXPECT_EQ(word.State, strikerType::Destroyed);
  EXPECT_EQ(game->Bullets.size(), 1u);
  game->MoveBullets();
  EXPECT_TRUE(game->Bullets.empty());
  MoveTicks(1);
  EXPECT_TRUE(game->Strikers.empty());
  EXPECT_EQ(CountPixels(picture, clRed, 0, 0, 600, 384), 0);
}

TEST_F(GameLoopTest, AOneLetterWordIsShotAtItsFirstKey) {
  Make("x\r\n");
  strikerType& word = AddWord("a", 5, 30);
  Type("a");
  EXPECT_EQ(word.State, strikerType::Shot);
  EXPECT_EQ(game->Score, 2001);
  EXPECT_EQ(game->Hits, 1);
  EXPECT_EQ(game->Bullets.size(), 1u);
  EXPECT_FALSE(game->Selected);
}

TEST_F(GameLoopTest, KeysSelectTheOldestFallingWordAndMatchCase) {
  Make("x\r\n");
  strikerType& shot = AddWord("tip", 1, 50);
  shot.State = strikerType::Shot;
  strikerType& older = AddWord("tap", 10);
  strikerType& newer = AddWord("top", 20);
  Type("T");
  EXPECT_FALSE(game->Selected);
  Type("t");
  EXPECT_EQ(game->Target, &older);
  EXPECT_EQ(older.Typed, 1);
  EXPECT_EQ(newer.Typed, -1);
  Type("z");  // no word starts with it: nothing else changes
  EXPECT_EQ(game->Score, 2000);
}

TEST_F(GameLoopTest, AWrongLetterMidWordStartsItAfresh) {
  Make("x\r\n");
  strikerType& word = AddWord("mango", 10, 60);
  AddWord("apple", 30, 60);
  Type("man");
  Type("a");  // wrong; the key is spent and selects no other word
  EXPECT_FALSE(game->Selected);
  EXPECT_EQ(word.Typed, -1);
  EXPECT_EQ(word.State, strikerType::Falling);
  EXPECT_EQ(CountPixels(picture, clRed, 108, 60, 168, 78), 0);
  Type("mango");
  EXPECT_EQ(word.State, strikerType::Shot);
  EXPECT_EQ(game->Score, 2025);
}

TEST_F(GameLoopTest, CrashingWordCostsThreeAPointAndTakesItsBlocks) {
  Make("x\r\n");
  for (int c = 20; c <= 23; ++c) game->City.Cells[3][c] = 1;
  game->City.Cells[3][24] = 1;
  strikerType& word = AddWord("wall", 20, 330);
  Type("wa");
  MoveTicks(1);
  EXPECT_TRUE(game->Strikers.empty());
  EXPECT_FALSE(game->Selected);
  EXPECT_EQ(game->Score, 1988);
  EXPECT_EQ(game->Lost, 1);
  for (int c = 20; c <= 23; ++c) EXPECT_EQ(game->City.Cells[3][c], 0);
  EXPECT_EQ(game->City.Cells[3][24], 1);
  EXPECT_EQ(status, " Difficulty: 3    Hit: 0   Lost: 1  Time: 0s   Score: 1988");
  (void)word;
}

TEST_F(GameLoopTest, AWordFallingOutIsLostAndGoesAtTheNextTick) {
  Make("x\r\n");
  strikerType& word = AddWord("deep", 7, 378);
  AddWord("other", 30, 0);
  MoveTicks(1);
  EXPECT_EQ(word.State, strikerType::Destroyed);
  EXPECT_EQ(game->Score, 1988);
  EXPECT_EQ(game->Lost, 1);
  EXPECT_EQ(game->Strikers.size(), 2u);
  MoveTicks(1);
  ASSERT_EQ(game->Strikers.size(), 1u);
  EXPECT_EQ(game->Strikers[0]->Text, "other");
}

TEST_F(GameLoopTest, LosingAnotherWordKeepsTheTypingInProgress) {
  Make("x\r\n");
  AddWord("deep", 7, 378);
  strikerType& typed = AddWord("kept", 30, 0);
  Type("ke");
  MoveTicks(1);
  EXPECT_TRUE(game->Selected);
  EXPECT_EQ(game->Target, &typed);
}

TEST_F(GameLoopTest, SpeedClassesMoveWithThePhase) {
  Make("x\r\n");
  strikerType& slow = AddWord("a", 1, 0, 1);
  strikerType& middle = AddWord("b", 10, 0, 2);
  strikerType& fast = AddWord("c", 20, 0, 3);
  // Phase runs 1, 2, 3 over the three words, then goes on with the next tick.
  MoveTicks(1);
  EXPECT_EQ(slow.Y, 6);
  EXPECT_EQ(middle.Y, 6);
  EXPECT_EQ(fast.Y, 6);
  MoveTicks(1);
  EXPECT_EQ(slow.Y, 12);
  EXPECT_EQ(middle.Y, 12);
  EXPECT_EQ(fast.Y, 12);
  fast.State = strikerType::Destroyed;
  MoveTicks(1);  // the removed word does not advance the phase
  EXPECT_EQ(slow.Y, 18);
  EXPECT_EQ(middle.Y, 18);
  EXPECT_EQ(game->Phase, 3);
  MoveTicks(1);  // phase 3 passes the slow word by, phase 1 moves the middle one
  EXPECT_EQ(slow.Y, 18);
  EXPECT_EQ(middle.Y, 24);
  EXPECT_EQ(game->Phase, 2);
}

TEST_F(GameLoopTest, SpeedUpJumpsBackAtItsFloors) {
  Make("x\r\n");
  game->LaunchInterval = 502;
  game->MoveInterval = 40;
  game->SpeedUp();
  EXPECT_EQ(game->LaunchInterval, 550);
  EXPECT_EQ(game->MoveInterval, 60);
  game->SpeedUp();
  EXPECT_EQ(game->LaunchInterval, 546);
  EXPECT_EQ(game->MoveInterval, 58);
}

TEST_F(GameLoopTest, ScoreGoneMidPassFinishesThePassFirst) {
  Make("x\r\n");
  t.random.thenAlways = 0;
  game->BeginLoop();
  game->Pass();  // restarts the timers
  game->Score = 6;
  for (int c = 1; c <= 50; ++c) game->City.Cells[3][c] = 1;
  AddWord("ab", 1, 330);
  strikerType& aimed = AddWord("q", 40, 100);
  aimed.State = strikerType::Shot;
  game->FireBullet(aimed);
  AddWord("zz", 20, 50);
  game->PutKey('z');
  t.clock.Advance(400);
  EXPECT_FALSE(game->Pass());
  EXPECT_EQ(game->Score, 0);
  EXPECT_EQ(game->Bullets[0]->Y, 379);  // the bullet still stepped
  EXPECT_TRUE(game->Selected);          // and the key was still handled
}

TEST_F(GameLoopTest, KeysWaitInTurnAndEscIsNeverTyped) {
  Make("x\r\n");
  t.random.thenAlways = 0;
  game->BeginLoop();
  game->Pass();
  strikerType& word = AddWord("go", 5, 50);
  game->PutKey('g');
  game->PutKey(kEscapeKey);
  game->PutKey('o');
  game->Pass();
  game->Pass();
  game->Pass();
  EXPECT_EQ(word.State, strikerType::Shot);
  EXPECT_TRUE(game->PendingKeys.empty());
}

TEST_F(GameLoopTest, AnUnmappableKeyIsAWrongLetter) {
  Make("x\r\n");
  strikerType& word = AddWord("go", 5, 50);
  Type("g");
  game->HandleKey(256);
  EXPECT_EQ(word.Typed, -1);
}

TEST_F(GameLoopTest, DrawingFailureWhileTypingIsReported) {
  Make("x\r\n");
  AddWord("go", 5, 50);
  canvas.failText = true;
  Type("g");
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(t.dialogs.messages[0].text, "Canvas does not allow drawing threadType  strikers_go2");
}

TEST_F(GameLoopTest, ResultsForThirtyHitsTenLostInTwoMinutes) {
  Make("x\r\n");
  RecordingRecorder recorder;
  game->SetRecorder(recorder);
  game->GameClock.SetElapsed(0);
  game->BeginLoop();
  game->Hits = 30;
  game->Lost = 10;
  t.clock.Advance(120000);
  game->ShowResults();
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(t.dialogs.messages[0].text, "   Accuracy: 75%   WPM: 15  Expected WPM: 20");
  ASSERT_EQ(recorder.games.size(), 1u);
  const GameResult& result = recorder.games[0];
  EXPECT_EQ(result.hits, 30);
  EXPECT_EQ(result.lost, 10);
  EXPECT_EQ(result.timeMs, 120000);
  EXPECT_EQ(result.accuracy, 75);
  EXPECT_EQ(result.wordsPerMinute, 15);
  EXPECT_EQ(result.expectedWordsPerMinute, 20);
}

TEST_F(GameLoopTest, RedrawPaintsTheCityAndTheWordsButNoBullets) {
  Make("x\r\n");
  game->City.Cells[3][1] = 1;
  strikerType& word = AddWord("hi", 10, 200);
  word.State = strikerType::Shot;
  game->FireBullet(word);
  game->Redraw();
  EXPECT_TRUE(AllPixels(picture, clOlive, 0, 372, 12, 384));
  EXPECT_GT(CountPixels(picture, clYellow, 108, 200, 132, 218), 0);
  EXPECT_EQ(CountPixels(picture, clRed, 0, 218, 600, 384), 0);
}

TEST_F(GameLoopTest, AWholeGameRunsToItsResults) {
  Make("ab c\r\n", 10);
  t.random.values = {0, 0, 0, 0, 0};  // first word: group 1, "ab", column 1, speed 1
  t.random.thenAlways = 0;
  TimeWarp warp(*this);
  const int64_t start = t.clock.now;
  warp.events.emplace(start + 100, [this] {
    game->PutKey('a');
    game->PutKey('b');
  });
  warp.events.emplace(start + 1100, [this] { game->PutKey('c'); });
  game->RunHere();
  EXPECT_TRUE(game->Terminated());
  EXPECT_EQ(game->Hits, 2);
  EXPECT_EQ(game->Lost, 0);
  EXPECT_EQ(game->Score, 2011);
  EXPECT_TRUE(game->Strikers.empty());
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text.substr(0, 16), "   Accuracy: 100");
}

TEST_F(GameLoopTest, AGameWithoutWordsEndsAtOnce) {
  Make("\r\n\r\n", 3);
  RecordingRecorder recorder;
  game->SetRecorder(recorder);
  t.random.thenAlways = 0;
  TimeWarp warp(*this);
  game->RunHere();
  EXPECT_TRUE(game->Terminated());
  ASSERT_EQ(t.dialogs.Texts().size(), 1u);
  EXPECT_EQ(t.dialogs.Texts()[0], "   Accuracy: 0%   WPM: 0  Expected WPM: 0");
  EXPECT_TRUE(recorder.games.empty());  // no result for the learner's progress
}

TEST_F(GameLoopTest, UntypedWordsAreLostUntilTheScoreIsGone) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "word ";
  Make(text, 10);
  t.random.thenAlways = 0;
  game->Score = 30;
  TimeWarp warp(*this);
  game->RunHere();
  EXPECT_TRUE(game->Terminated());
  EXPECT_LE(game->Score, 0);
  EXPECT_GE(game->Lost, 3);
  EXPECT_EQ(t.dialogs.Texts().size(), 1u);
}
