#include "shell/time_report.h"

namespace {
std::string HoursMinutesSeconds(int64_t ms) {
  const int64_t hours = ms / 3600000;
  const int64_t minutes = ms / 60000 - hours * 60;
  const int64_t seconds = (ms / 1000) % 60;
  return std::to_string(hours) + " h " + std::to_string(minutes) + " m " +
         std::to_string(seconds) + " s";
}
}  // namespace

std::string PracticeTimeReport(int64_t runMs, int64_t totalMs) {
  return "The practice time is " + HoursMinutesSeconds(runMs) + ", total practice time is " +
         HoursMinutesSeconds(totalMs) + ".";
}
