// Layout files: decoding any bytes either refuses them or gives a layout that the guide
// windows can show, that they draw (every key plain and lit, every finger) within the fuzzer's
// time and memory limits, and that codes back to a file decoding to the same layout.
#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <string>

#include "keyboard/layout_file.h"
#include "keyboard/palm.h"
#include "keyboard/vkeyboard.h"
#include "platform/errors.h"
#include "trapping_dialogs.h"

namespace {
// The keyboard and a hand window as the program has them, built once and fed each layout.
struct GuideDrawing {
  LayoutRec layout;
  FlashPhase handsPhase;
  TrappingDialogs dialogs;  // a drawing step that fails reports through them
  TVKeyboard keyboard{layout, dialogs};
  TPalmForm hand{layout, handsPhase, dialogs};

  GuideDrawing() {
    hand.SetHand(true);
    keyboard.LetKeysBlink();
  }

  void Draw(const LayoutRec& accepted) {
    layout = accepted;
    keyboard.BuildKeys(30, 30);
    keyboard.DrawAllKeys();
    for (int n = 1; n <= keyboard.KeyCount(); ++n) {
      keyboard.ShowNextKey(n == keyboard.KeyCount() ? ' ' : keyboard.Key(n).Chars[0]);
      keyboard.TimerofKBTimer();
    }
    hand.ApplyFingerLayout();
    hand.DrawFingers();
    for (int n = 1; n <= kHandFingers; ++n) {
      hand.LightFinger(n);
      hand.TimerOfPalmTimer();
    }
    hand.ClearFinger();
  }
};
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LayoutRec layout;
  try {
    DecodeLayout(bytes, layout);
  } catch (const AppError&) {
    if (!(layout == LayoutRec{})) __builtin_trap();  // a refused file changes nothing
    return 0;
  }
  if (!LayoutProblem(layout).empty()) __builtin_trap();
  const std::string again = EncodeLayout(layout);
  if (again.size() != kLayoutFileSize) __builtin_trap();
  LayoutRec reread;
  DecodeLayout(again, reread);
  if (!(reread == layout)) __builtin_trap();

  static GuideDrawing windows;
  windows.Draw(layout);
  return 0;
}
