#include "practice/statistics.h"

#include <QCoreApplication>

#include "platform/codepage.h"

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
  return BytesOf(QCoreApplication::translate("Practice", "Keys/Min %1   Accuracy: %2%   WPM: %3")
                     .arg(rates.keysPerMinute)
                     .arg(rates.accuracy)
                     .arg(rates.wordsPerMinute));
}
