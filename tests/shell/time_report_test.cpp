#include "shell/time_report.h"

#include <gtest/gtest.h>

TEST(PracticeTimeReport, SplitsHoursMinutesSeconds) {
  EXPECT_EQ(PracticeTimeReport(3725000, 5),
            "The practice time is 1 h 2 m 5 s, total practice time is 0 h 0 m 0 s.");
  EXPECT_EQ(PracticeTimeReport(3600000, 59999),
            "The practice time is 1 h 0 m 0 s, total practice time is 0 h 0 m 59 s.");
  EXPECT_EQ(PracticeTimeReport(2147483647, 90061000),
            "The practice time is 596 h 31 m 23 s, total practice time is 25 h 1 m 1 s.");
}
