#pragma once
// Words and the statistics line shared by the line practices and the paragraph drills.
#include <QtGlobal>
#include <cstdint>
#include <string>

// Maximal runs of characters other than the space (code 32).
int CountWords(const std::string& text);

struct TypingRates {
  int64_t keysPerMinute = 0;
  int64_t accuracy = 0;
  int64_t wordsPerMinute = 0;
};

// Truncating integer arithmetic: k = n*60000/t, a = (n-e)*100/n, p = w*60000/t. n > 0, t > 0.
TypingRates ComputeRates(int64_t chars, int64_t errors, int64_t words, int64_t timeMs);
// "Keys/Min k   Accuracy: a%   WPM: p"
std::string StatisticsText(const TypingRates& rates);

inline constexpr const char* kTooFastWarning =
    QT_TRANSLATE_NOOP("Practice", "Can you really type so fast?  Do be patient.");
inline constexpr int64_t kTooFastKeysPerMinute = 500;
