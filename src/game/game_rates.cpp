#include "game/game_rates.h"

#include <QCoreApplication>

#include "platform/codepage.h"

GameRates ComputeGameRates(int64_t hits, int64_t lost, int64_t elapsedMs) {
  const int64_t words = hits + lost;
  return {words > 0 ? hits * 100 / words : 0, hits * 60000 / elapsedMs, words * 60000 / elapsedMs};
}

std::string GameResultsText(int hits, int lost, int64_t elapsedMs) {
  const GameRates rates = ComputeGameRates(hits, lost, elapsedMs);
  return BytesOf(QCoreApplication::translate("Game", "   Accuracy: %1%   WPM: %2  Expected WPM: %3")
                     .arg(rates.accuracy)
                     .arg(rates.wordsPerMinute)
                     .arg(rates.expectedWordsPerMinute));
}
