// The fakes fail a test that forgets to prepare them, rather than answering silently.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/scripted_dialogs.h"

TEST(StrictFakes, AnUnpreparedQuestionInputOrDrawAndAnUnusedAnswerFail) {
  ScriptedDialogs dialogs;
  EXPECT_NONFATAL_FAILURE(dialogs.Message(MessageKind::Information, MessageButtons::YesNo, "Go on?"),
                          "a question without a prepared answer: Go on?");
  EXPECT_NONFATAL_FAILURE(dialogs.InputBox("Input Box", "Which?", "x"),
                          "an input box without a prepared answer: Which?");
  ScriptedRandom random;
  EXPECT_NONFATAL_FAILURE(random.Below(3), "a random draw below 3 with none prepared");
  EXPECT_EQ(random.Below(1), 0);  // one possible answer: nothing to prepare
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs unused;
        unused.answers = {MessageAnswer::Yes};
      },
      "prepared answers left unused: 1 questions");
}
