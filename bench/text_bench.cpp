// Practice texts of a million lines: loading one, and setting up a line from it in the sentence
// drills, the course and the paragraph drills, which must cost the same for any text size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/document_shell.h"
#include "platform/line_text.h"
#include "support/no_guides.h"
#include "practice/course_prac.h"
#include "practice/sentence_prac.h"
#include "practice/text_prac.h"

namespace {
constexpr int kBigLines = 1'000'000;

// A practice text of about 50 MB in a folder of its own, removed at exit.
class BigText {
 public:
  BigText() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qz-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    dir_ = pattern;
    const char* words[] = {"the",   "quiet", "river", "runs",  "past",   "a",      "mill",
                           "where", "seven", "old",   "boats", "wait",   "for",    "spring",
                           "and",   "Anna",  "keeps", "bees",  "behind", "garden", "walls"};
    std::ofstream out(path(), std::ios::binary);
    uint32_t seed = 12345;
    std::string line;
    for (int i = 0; i < kBigLines; ++i) {
      line = "Line " + std::to_string(i) + ":";
      while (line.size() < 30 + seed % 38) {
        seed = seed * 1103515245 + 12345;
        line += ' ';
        line += words[(seed >> 16) % std::size(words)];
      }
      line += i % 2 ? ".\r\n" : ".\n";
      out << line;
    }
  }
  ~BigText() {
    std::error_code error;
    std::filesystem::remove_all(dir_, error);
  }
  std::string path() const { return dir_ + "/big.txt"; }
  const std::string& dir() const { return dir_; }
  double megabytes() const { return std::filesystem::file_size(path()) / 1e6; }

 private:
  std::string dir_;
};

BigText& Big() {
  static BigText text;
  return text;
}

double PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1e3;  // kilobytes on Linux
}

// Answers every input box with its own answer and shows nothing.
class AnsweringDialogs final : public Dialogs {
 public:
  explicit AnsweringDialogs(std::string answer) : answer_(std::move(answer)) {}
  MessageAnswer Message(MessageKind, MessageButtons, const std::string&) override {
    return MessageAnswer::Ok;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return answer_;
  }
  bool ChooseFont(Font&, int, int, FontLooks) override { return false; }
  bool ChooseColor(Color&) override { return false; }
  bool ChooseOpenFile(const std::string&, std::string&) override { return false; }
  bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override {
    return false;
  }

 private:
  std::string answer_;
};

struct Windows {
  explicit Windows(const std::string& answer = "25") : dialogs(answer) {}
  SteadyClock clock;
  StdRandom random;
  AnsweringDialogs dialogs;
  DesktopShell shell{"."};
  WindowContext context{dialogs, [](QDialog&) {}, clock, random, shell, Big().dir()};
  NoGuides guides;
  stopwatch watch{clock};
};

// The name of the big text, or of a small one of as many lines, in the texts' folder.
std::string TextOf(int lines) {
  if (lines == kBigLines) return "big.txt";
  const std::string name = "small-" + std::to_string(lines) + ".txt";
  std::ofstream out(Big().dir() + "/" + name, std::ios::binary);
  for (int i = 0; i < lines; ++i) out << "Line " << i << ": a short one.\n";
  return name;
}

void BM_LoadPracticeText(benchmark::State& state) {
  Windows w;
  TFmSentencePrac window(w.context, w.guides, w.watch);
  window.SetTextFile("big.txt");
  for (auto _ : state) {
    if (!window.LoadTextFile()) state.SkipWithError("no lines read");
  }
  if (window.Text().size() != kBigLines) state.SkipWithError("wrong line count");
  state.counters["file_MB"] = Big().megabytes();
  state.counters["peak_rss_MB"] = PeakRssMegabytes();
  state.counters["peak_per_file"] = PeakRssMegabytes() / Big().megabytes();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Big().megabytes() * 1e6));
}
BENCHMARK(BM_LoadPracticeText)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SentenceNextLine(benchmark::State& state) {
  Windows w;
  TFmSentencePrac window(w.context, w.guides, w.watch);
  window.SetTextFile(TextOf(static_cast<int>(state.range(0))));
  window.LoadTextFile();
  for (auto _ : state) window.NextLine();
}
BENCHMARK(BM_SentenceNextLine)->Arg(1000)->Arg(kBigLines)->Unit(benchmark::kMicrosecond);

void BM_CourseNextLine(benchmark::State& state) {
  Windows w;
  TFmCoursePrac window(w.context, w.guides, w.watch);
  window.SetTextFile(TextOf(static_cast<int>(state.range(0))));
  window.SetProgress(static_cast<int>(state.range(0)) / 2);
  window.LoadTextFile();
  for (auto _ : state) window.NextLine();
}
BENCHMARK(BM_CourseNextLine)->Arg(1000)->Arg(kBigLines)->Unit(benchmark::kMicrosecond);

void BM_ParagraphDrillFirstPage(benchmark::State& state) {
  Windows w("25");
  TFmTextPrac window(w.context, w.watch);
  window.SetTextFile(TextOf(static_cast<int>(state.range(0))));
  window.LoadTextFile();
  for (auto _ : state) {
    if (!window.StartDrill()) state.SkipWithError("no drill");
    window.NewPage();
    window.DrawSampleLines();
  }
}
BENCHMARK(BM_ParagraphDrillFirstPage)->Arg(1000)->Arg(kBigLines)->Unit(benchmark::kMicrosecond);
}  // namespace
