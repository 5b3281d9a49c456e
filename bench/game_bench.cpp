// The game's costs: one move tick with 100 words on the playfield, and the share of one core
// that a whole game at difficulty 10 takes over 20 seconds, played headless in its window by
// a simulated learner typing about five letters a second.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <fstream>

#include "game/game_frame.h"
#include "game/game_thread.h"
#include "platform/image_canvas.h"

namespace {
class QuietDialogs final : public Dialogs {
 public:
  MessageAnswer Message(MessageKind, MessageButtons, const std::string&) override {
    return MessageAnswer::No;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return "10";
  }
  bool ChooseFont(Font&, int, int, FontLooks) override { return false; }
  bool ChooseColor(Color&) override { return false; }
  bool ChooseOpenFile(const std::string&, std::string&) override { return false; }
  bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override {
    return false;
  }
};

class NoShell final : public DocumentShell {
 public:
  bool Open(const std::string&) override { return false; }
};

class AtOnce final : public GameDispatcher {
 public:
  void Post(std::function<void()> call) override { call(); }
};

const char* const kWords[] = {"garden", "river", "stone", "castle", "yellow", "planet",
                              "jacket", "honey",  "quiet", "thunder", "apple", "marble"};

std::string WriteGameText(const QTemporaryDir& dir, int words) {
  const std::string path = dir.filePath("qzgame.txt").toStdString();
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < words; ++i) {
    out << kWords[i % std::size(kWords)] << (i % 8 == 7 ? "\r\n" : " ");
    if (i % 80 == 79) out << "\r\n";
  }
  return path;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_MoveTickWith100Words(benchmark::State& state) {
  QTemporaryDir dir;
  SteadyClock clock;
  StdRandom random;
  QuietDialogs dialogs;
  AtOnce dispatcher;
  ImageCanvas canvas(600, 384);
  threadType game(GameServices{clock, random, dialogs, dispatcher}, WriteGameText(dir, 10),
                  [](const std::string&) {}, canvas);
  for (auto& row : game.City.Cells) row.fill(0);
  game.SetDifficulty(10);
  for (int i = 0; i < 100; ++i) {
    auto word = std::make_unique<strikerType>();
    word->Text = kWords[i % std::size(kWords)];
    word->Len = static_cast<int>(word->Text.size());
    word->Column = 1 + (i * 7) % (kColumns - word->Len);
    word->X = ColumnX(word->Column);
    word->Speed = 1 + i % 3;
    game.Strikers.push_back(std::move(word));
  }
  for (auto _ : state) {
    state.PauseTiming();
    for (size_t i = 0; i < game.Strikers.size(); ++i) game.Strikers[i]->Y = 6 * (i % 50);
    state.ResumeTiming();
    game.MoveStrikers();
  }
  state.counters["words"] = static_cast<double>(game.Strikers.size());
}
BENCHMARK(BM_MoveTickWith100Words)->Unit(benchmark::kMillisecond);

// Types the next letter of the word in progress, or starts the oldest falling word.
void TypeOneLetter(TgameFrame& frame) {
  threadType* game = frame.CurrentGame();
  if (!game) return;
  if (game->Selected && game->Target) {
    frame.FormKeyPress(static_cast<unsigned char>(game->Target->Text[game->Target->Typed]));
    return;
  }
  for (const auto& word : game->Strikers) {
    if (word->State == strikerType::Falling) {
      frame.FormKeyPress(static_cast<unsigned char>(word->Text[0]));
      return;
    }
  }
}

void BM_GameAtDifficulty10For20Seconds(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    WriteGameText(dir, 2000);
    SteadyClock clock;
    StdRandom random;
    QuietDialogs dialogs;
    NoShell shell;
    WindowContext context{dialogs, [](QDialog&) {}, clock, random, shell,
                          dir.path().toStdString()};
    TgameFrame frame(context);
    frame.show();
    frame.StartGame();

    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] { TypeOneLetter(frame); });
    typist.start(200);
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    loop.exec();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = CpuSeconds() - cpuBefore;
    typist.stop();

    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
    state.counters["hits"] = frame.CurrentGame()->Hits;
    state.counters["lost"] = frame.CurrentGame()->Lost;
    state.counters["score"] = frame.CurrentGame()->Score;
    frame.StopGame();
  }
}
BENCHMARK(BM_GameAtDifficulty10For20Seconds)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
}  // namespace
