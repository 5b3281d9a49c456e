#include "shell/time_report.h"

#include <QCoreApplication>

#include "platform/codepage.h"

namespace {
QString HoursMinutesSeconds(int64_t ms) {
  const int64_t hours = ms / 3600000;
  const int64_t minutes = ms / 60000 - hours * 60;
  const int64_t seconds = (ms / 1000) % 60;
  return QCoreApplication::translate("Shell", "%1 h %2 m %3 s")
      .arg(hours)
      .arg(minutes)
      .arg(seconds);
}
}  // namespace

std::string PracticeTimeReport(int64_t runMs, int64_t totalMs) {
  return BytesOf(
      QCoreApplication::translate("Shell", "The practice time is %1, total practice time is %2.")
          .arg(HoursMinutesSeconds(runMs), HoursMinutesSeconds(totalMs)));
}
