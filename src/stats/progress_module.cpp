// The entry point of the Progress window's module. The module holds only the window: the
// statistics, the keyboard drawing and the rest come from the program that loads it.
#include "stats/progress_window.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) ProgressWindow* qz_make_progress_window(
    WindowContext& context, StatsDatabase& stats, const LayoutRec& layout,
    LearnerSource currentLearner, GoalsSource goals, PractiseKeys practise) {
  return new TFmProgress(context, stats, layout, std::move(currentLearner), std::move(goals),
                         std::move(practise));
}

static_assert(std::is_same_v<decltype(qz_make_progress_window), ProgressMaker>);
