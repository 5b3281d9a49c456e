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

// What adaptive practice learns from: the first attempt at each place, however often it was
// typed again, and the time since the key before, long pauses left out.
TEST(LineEngine, KeepsTheFirstAttemptAtEachPlaceWithItsInterval) {
  FakeClock clock;
  stopwatch watch(clock);
  ShownLine view;
  LineEngine line(watch, view);
  line.SetUpLine("abc");
  for (const auto& [key, wait] :
       {std::pair{int{'x'}, 300}, std::pair{VK_BACK, 200}, std::pair{int{'a'}, 150},
        std::pair{int{'b'}, 2500}, std::pair{int{'c'}, 0}}) {
    line.KeyPress(key);
    clock.Advance(wait);
  }
  const std::vector<FirstAttempt> attempts = line.FirstAttempts();
  ASSERT_EQ(attempts.size(), 3u);
  EXPECT_EQ(std::string({attempts[0].expected, attempts[0].typed}), "ax");
  EXPECT_TRUE(attempts[0].wrong);         // the place retyped right keeps its first attempt
  EXPECT_EQ(attempts[0].intervalMs, -1);  // the line's first key
  EXPECT_FALSE(attempts[1].wrong);
  EXPECT_EQ(attempts[1].intervalMs, 150);  // since the a typed again at the first place
  EXPECT_EQ(attempts[2].intervalMs, -1);   // after a pause of 2.5 s
  line.KeyPress(' ');
  EXPECT_EQ(line.PracticeTime(), 3150);  // the watch itself is untouched
  line.SetUpLine("d");
  EXPECT_TRUE(line.FirstAttempts().empty());

  line.SetUpLine("ab");  // a key held down types on, but where it repeats it made no attempt
  line.KeyPress('a');
  line.KeyPress('a', true);
  EXPECT_EQ(line.ErrorCount(), 1);
  EXPECT_EQ(line.FirstAttempts().size(), 1u);
}
