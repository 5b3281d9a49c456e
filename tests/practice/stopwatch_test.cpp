#include "practice/stopwatch.h"

#include <gtest/gtest.h>

#include "practice/statistics.h"
#include "support/fakes.h"

TEST(Stopwatch, ReadsAtLeast25AndAccumulatesWhileRunning) {
  FakeClock clock;
  stopwatch watch(clock);
  EXPECT_EQ(watch.ReadElapsed(), 25);  // never below the floor, also never started
  watch.SetElapsed(0);
  watch.Start();
  clock.Advance(10);
  EXPECT_EQ(watch.ReadElapsed(), 25);
  clock.Advance(100);
  EXPECT_EQ(watch.ReadElapsed(), 125);  // the floor was stored, then the interval added
  clock.Advance(300);
  watch.Stop();  // the time since the last reading
  clock.Advance(500);
  EXPECT_EQ(watch.ReadElapsed(), 300);
  watch.Stop();
  EXPECT_EQ(watch.ReadElapsed(), 300);
}

TEST(Statistics, WordsAreRunsOfNonSpaces) {
  EXPECT_EQ(CountWords(""), 0);
  EXPECT_EQ(CountWords("   "), 0);
  EXPECT_EQ(CountWords(" a  bc\td "), 2);  // a tab is a word character
  EXPECT_EQ(CountWords("abcd efghij kijklmnopq rstuvw xyz ABCDEFG XYZ"), 7);
}

TEST(Statistics, RatesTruncate) {
  const TypingRates rates = ComputeRates(45, 3, 7, 5390);
  EXPECT_EQ(rates.keysPerMinute, 500);
  EXPECT_EQ(rates.accuracy, 93);
  EXPECT_EQ(rates.wordsPerMinute, 77);
  EXPECT_EQ(StatisticsText(rates), "Keys/Min 500   Accuracy: 93%   WPM: 77");
  EXPECT_EQ(ComputeRates(45, 3, 7, 5389).keysPerMinute, 501);
}
