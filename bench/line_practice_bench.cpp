// Cost of one keystroke in a line practice window, headless: from the Qt key event to the
// character in the typing box with its colour, at several fill levels of a 100-character line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt_dialogs.h"
#include "practice/line_box.h"
#include "practice/line_practice.h"
#include "support/no_guides.h"

namespace {
class LongLine final : public TFmLinePractice {
 public:
  using TFmLinePractice::TFmLinePractice;
  void NextLine() override {
    ClearTyping();
    engine_.SetUpLine(std::string(kMaxSampleLength, 'f'));
  }
  QWidget* TypingBox() { return RichEdit1; }
};

void SendKey(QWidget* target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
}

void BM_Keystroke(benchmark::State& state) {
  SteadyClock clock;
  StdRandom random;
  QtDialogs dialogs;
  DesktopShell shell(".");
  WindowContext context{dialogs, ExecModal(), clock, random, shell, "."};
  NoGuides guides;
  stopwatch watch(clock);
  LongLine window(context, guides, watch);
  window.NextLine();
  const int filled = static_cast<int>(state.range(0));
  for (int i = 0; i < filled; ++i) SendKey(window.TypingBox(), Qt::Key_F, "f");
  for (auto _ : state) {
    SendKey(window.TypingBox(), Qt::Key_F, "f");
    state.PauseTiming();
    SendKey(window.TypingBox(), Qt::Key_Backspace, "\b");
    state.ResumeTiming();
  }
  if (window.Line().Position() != filled + 1) state.SkipWithError("the line did not keep its fill");
}
BENCHMARK(BM_Keystroke)->Arg(0)->Arg(50)->Arg(98)->Unit(benchmark::kMicrosecond);
}  // namespace
