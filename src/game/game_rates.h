#pragma once
// The figures of a finished game, as its results box and the Progress window show them.
#include <cstdint>
#include <string>

struct GameRates {
  int64_t accuracy = 0;
  int64_t wordsPerMinute = 0;
  int64_t expectedWordsPerMinute = 0;
};
// Truncating: hits*100/(hits+lost), hits*60000/t, (hits+lost)*60000/t; the accuracy is 0 when
// no word was hit or lost. t > 0.
GameRates ComputeGameRates(int64_t hits, int64_t lost, int64_t elapsedMs);
// "   Accuracy: a%   WPM: w  Expected WPM: e"
std::string GameResultsText(int hits, int lost, int64_t elapsedMs);
