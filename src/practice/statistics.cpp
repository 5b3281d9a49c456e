#include "practice/statistics.h"

int CountWords(const std::string& text) {
  int words = 0;
  bool afterSpace = true;
  for (char c : text) {
    if (c == ' ') {
      afterSpace = true;
    } else if (afterSpace) {
      ++words;
      afterSpace = false;
    }
  }
  return words;
}

TypingRates ComputeRates(int64_t chars, int64_t errors, int64_t words, int64_t timeMs) {
  TypingRates rates;
  rates.keysPerMinute = chars * 60000 / timeMs;
  rates.accuracy = (chars - errors) * 100 / chars;
  rates.wordsPerMinute = words * 60000 / timeMs;
  return rates;
}

std::string StatisticsText(const TypingRates& rates) {
  return "Keys/Min " + std::to_string(rates.keysPerMinute) + "   Accuracy: " +
         std::to_string(rates.accuracy) + "%   WPM: " + std::to_string(rates.wordsPerMinute);
}
