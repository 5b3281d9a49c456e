#include "practice/line_engine.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/fakes.h"

namespace {
// What a window would show, as one string: "+a" right, "-x" wrong, "<" removed, "@n" next
// place, "(" and ")" the clock shown and hidden.
struct ShownLine final : LineView {
  std::string shown;
  void ShowSample(const std::string& line) override { shown += "[" + line + "]"; }
  void ShowTyped(int key, bool right) override {
    shown += (right ? "+" : "-") + std::string(1, static_cast<char>(key));
  }
  void RemoveLastTyped() override { shown += "<"; }
  void ShowNextAt(int position) override { shown += "@" + std::to_string(position); }
  void ShowClockRunning(bool running) override { shown += running ? "(" : ")"; }
};
}  // namespace

// The engine drives any view, no window needed: the next practices build on this.
TEST(LineEngine, TypesALineWithoutAWindow) {
  FakeClock clock;
  stopwatch watch(clock);
  ShownLine view;
  LineEngine line(watch, view);
  line.SetUpLine("ab");
  EXPECT_EQ(view.shown, "[ab])@1");
  view.shown.clear();
  for (int key : {int{'x'}, VK_BACK, int{'a'}, int{'b'}}) {
    EXPECT_FALSE(line.KeyPress(key));
    clock.Advance(1000);
  }
  EXPECT_EQ(view.shown, "-x@2(@1<+a@2+b@3");
  EXPECT_TRUE(line.KeyPress(' '));
  EXPECT_EQ(line.LineOutcome(), LineOutcomeKind::Completed);
  EXPECT_EQ(line.ErrorCount(), 0);
  EXPECT_EQ(line.PracticeTime(), 4000);
}
