#pragma once
// What a game reports when it ends: its figures as the results box showed them. The program
// records them in its statistics database; a game without a recorder reports nothing.
#include <cstdint>

struct GameResult {
  int difficulty = 0;
  int hits = 0;
  int lost = 0;
  int score = 0;
  int64_t timeMs = 0;
  // As shown in the results box.
  int64_t accuracy = 0;
  int64_t wordsPerMinute = 0;
  int64_t expectedWordsPerMinute = 0;
};

class GameRecorder {
 public:
  virtual ~GameRecorder() = default;
  // Called on the window thread.
  virtual void GameFinished(const GameResult& result) = 0;
};
