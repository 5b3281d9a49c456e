// The statistics database on a real file: recording a completed line (its characters and first
// attempts included), and opening the Progress window on a learner with 100 000 recorded lines.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QTemporaryDir>
#include <memory>

#include "keyboard/layout_file.h"
#include "platform/qt_dialogs.h"
#include "stats/progress_window.h"
#include "stats/stats_database.h"

namespace {
constexpr int64_t kDayMs = 86400000;
constexpr const char* kLine = "abcd efghij kijklmnopq rstuvw xyz ABCDEFG XYZ";

TypingResult CourseLine(int number) {
  TypingResult line;
  line.kind = PracticeKind::Course;
  line.chars = 45;
  line.errors = number % 4;
  line.words = 7;
  line.timeMs = 9000 + number % 3000;
  line.rates = ComputeRates(line.chars, line.errors, line.words, line.timeMs);
  line.courseLine = number % 500 + 1;
  for (const char* c = kLine; *c; ++c) {
    const bool wrong = number % 45 == c - kLine;
    line.attempts.push_back({*c, wrong ? 'x' : *c, wrong, c == kLine ? -1 : 150 + number % 90});
  }
  return line;
}

void BM_RecordCompletedLine(benchmark::State& state) {
  QTemporaryDir dir;
  QtDialogs dialogs;
  int64_t now = QDateTime::currentMSecsSinceEpoch();
  StatsDatabase stats((dir.path() + "/qzstats.db").toStdString(), dialogs,
                      [] { return std::string("Learner"); },
                      [&] {
                        return WallTime{now += 10000, 0};
                      });
  int number = 0;
  for (auto _ : state) {
    for (const char* c = kLine; *c; ++c) stats.KeyTyped(*c, *c == 'q');
    stats.TypingFinished(CourseLine(++number));
  }
  if (!stats.FailureReason().empty()) state.SkipWithError(stats.FailureReason().c_str());
}
BENCHMARK(BM_RecordCompletedLine)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// 100 000 lines over a year, each day's written the way the program writes them.
const std::string& RecordedYear(const QTemporaryDir& dir, Dialogs& dialogs) {
  static const std::string path = [&] {
    const std::string file = (dir.path() + "/qzstats.db").toStdString();
    int64_t now = QDateTime::currentMSecsSinceEpoch() - 365 * kDayMs;
    StatsDatabase stats(
        file, dialogs, [] { return std::string("Learner"); },
        [&] {
          return WallTime{now += 365 * kDayMs / 100000, 0};
        });
    for (int number = 1; number <= 100000; ++number) {
      for (const char* c = kLine; *c; ++c) stats.KeyTyped(*c, number % 45 == c - kLine);
      stats.TypingFinished(CourseLine(number));
    }
    return file;
  }();
  return path;
}

void BM_OpenProgressWith100000Lines(benchmark::State& state) {
  static QTemporaryDir dir;
  QtDialogs dialogs;
  const std::string& path = RecordedYear(dir, dialogs);
  LayoutRec layout;
  ReadLayoutFile(std::string(QZ_DATA_DIR) + "/us.key", layout);
  SteadyClock clock;
  StdRandom random;
  DesktopShell shell(".");
  WindowContext context{dialogs, [](QDialog&) {}, clock, random, shell, "."};
  for (auto _ : state) {
    // As at the first opening in a run: a new connection, a new window filled and painted.
    StatsDatabase stats(
        path, dialogs, [] { return std::string("Learner"); }, [] { return WallTime{}; });
    TFmProgress window(
        context, stats, layout, [] { return std::string("Learner"); },
        [] { return MasteryGoals{}; }, [](const std::string&) {});
    window.Open();
    window.show();
    QApplication::processEvents();
    window.hide();
  }
}
BENCHMARK(BM_OpenProgressWith100000Lines)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
}  // namespace
