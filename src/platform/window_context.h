#pragma once
// The services every window gets at construction: dialogs, the modal runner, the clock, the
// random source, the desktop shell and the working folder. Tests hand in fakes.
#include <string>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/document_shell.h"
#include "platform/modal.h"
#include "platform/random.h"

struct WindowContext {
  Dialogs& dialogs;
  ModalRunner showModal;
  Clock& clock;
  Random& random;
  DocumentShell& shell;
  std::string workDir;
};
