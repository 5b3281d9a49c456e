#pragma once
// The general error report: every event handler, slot and start-up or shutdown step runs
// inside Guarded, so an exception never crosses Qt code. What escapes is shown with its text
// and the program goes on.
#include <exception>
#include <utility>

#include "platform/dialogs.h"
#include "platform/translation.h"

template <typename Action>
void Guarded(Dialogs& dialogs, Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (const std::exception& error) {
    dialogs.ReportError(error.what());
  } catch (...) {
    dialogs.ReportError(Translated("Errors", QT_TRANSLATE_NOOP("Errors", "Unknown error")));
  }
}
