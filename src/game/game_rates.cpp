#include "game/game_rates.h"

GameRates ComputeGameRates(int64_t hits, int64_t lost, int64_t elapsedMs) {
  const int64_t words = hits + lost;
  return {words > 0 ? hits * 100 / words : 0, hits * 60000 / elapsedMs, words * 60000 / elapsedMs};
}

std::string GameResultsText(int hits, int lost, int64_t elapsedMs) {
  const GameRates rates = ComputeGameRates(hits, lost, elapsedMs);
  return "   Accuracy: " + std::to_string(rates.accuracy) +
         "%   WPM: " + std::to_string(rates.wordsPerMinute) +
         "  Expected WPM: " + std::to_string(rates.expectedWordsPerMinute);
}
