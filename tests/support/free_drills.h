#pragma once
// Practice time gained as a learner gains it: a free drill line typed from its first key to
// the key that ends it, over ms on the test clock.
#include <cstdint>

#include "practice/letter_prac.h"
#include "support/test_context.h"

inline void PractiseFreeDrills(TFmLetterPrac& drills, TestContext& t, int64_t ms) {
  t.dialogs.inputs.push_back("fj");
  drills.NextLine();
  drills.RichEdit1KeyPress('f');
  t.clock.Advance(ms);
  for (char c : drills.Line().SampleLine().substr(1)) drills.RichEdit1KeyPress(c);
  drills.RichEdit1KeyPress(' ');
}
