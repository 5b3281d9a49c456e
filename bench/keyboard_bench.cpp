// Cost of guiding one keystroke on the on-screen keyboard, headless: ShowNextKey (the lit key
// drawn back in its own colour, the next one looked up among 60 keys) plus one blink tick that
// draws the new key lit. The characters alternate between keys far apart in the layout.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "keyboard/vkeyboard.h"
#include "platform/qt_dialogs.h"

namespace {
// 59 keys of three characters each on four lines, and the space bar.
LayoutRec SixtyKeys() {
  LayoutRec layout;
  layout.KeyCount = kMaxKeys;
  layout.Offset = {0, 51, 60, 77};
  const std::string shown = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!\"#$%&'()*+,-./:;<=>?@[\\]^_";
  for (int n = 1; n <= kMaxKeys; ++n) {
    KeyRec& key = layout.KeyAt(n);
    key.Color = 0xC0E0F0;
    key.Line = 1 + (n - 1) / 15;
    key.Column = 1 + (n - 1) % 15;
    key.Finger = (n - 1) % 10;
    key.Chars = {shown[static_cast<size_t>(n - 1)], shown[static_cast<size_t>(n)], ' ',
                 shown[static_cast<size_t>(n + 1)]};
    for (int c = 0; c < kKeyChars; ++c) {
      key.Fonts[c].face = "Arial";
      key.Fonts[c].SetSize(c == 0 ? 9 : 7);
    }
  }
  layout.KeyAt(kMaxKeys).Chars = {' ', ' ', ' ', ' '};
  return layout;
}

void BM_ShowNextKeyAndTick(benchmark::State& state) {
  QtDialogs dialogs;
  LayoutRec layout = SixtyKeys();
  TVKeyboard keyboard(layout, dialogs);
  keyboard.SetBlinkingColor(clRed);
  keyboard.BuildKeys(10, 10);
  keyboard.DrawAllKeys();
  keyboard.LetKeysBlink();
  const std::string typed = "a?q:z ";  // first key, late keys, the space bar
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(keyboard.ShowNextKey(typed[next]));
    keyboard.TimerofKBTimer();
    next = (next + 1) % typed.size();
  }
  if (keyboard.ShowNextKey('?') < 0) state.SkipWithError("no key for '?'");
}
BENCHMARK(BM_ShowNextKeyAndTick)->Unit(benchmark::kMicrosecond);
}  // namespace
