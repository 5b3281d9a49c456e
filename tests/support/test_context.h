#pragma once
// A WindowContext of fakes: scripted dialogs, a hand-moved clock, prepared random draws, a
// recording shell, a temporary working folder, and a modal runner that only shows windows.
#include <vector>

#include "platform/window_context.h"
#include "support/fakes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

struct TestContext {
  ScriptedDialogs dialogs;
  FakeClock clock;
  ScriptedRandom random;
  RecordingShell shell;
  TempDir dir;
  std::vector<QDialog*> modalShown;
  WindowContext context{dialogs,
                        [this](QDialog& dialog) {
                          modalShown.push_back(&dialog);
                          dialog.show();
                        },
                        clock, random, shell, dir.path()};
};
