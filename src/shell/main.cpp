// Entry point: the program runs in the current working folder, which holds its INI files,
// texts and layouts. It reads no arguments or environment of its own.
#include <QApplication>
#include <filesystem>

#include "platform/guard.h"
#include "platform/qt_dialogs.h"
#include "shell/program.h"

namespace {
// The last resort of the general error report: handlers guard themselves, but anything that
// still escapes an event is shown here instead of ending the program.
class TutorApplication final : public QApplication {
 public:
  TutorApplication(int& argc, char** argv, Dialogs& dialogs)
      : QApplication(argc, argv), dialogs_(dialogs) {}

  bool notify(QObject* receiver, QEvent* event) override {
    bool handled = false;
    Guarded(dialogs_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
  }

 private:
  Dialogs& dialogs_;
};
}  // namespace

int main(int argc, char* argv[]) {
  QtDialogs dialogs;
  TutorApplication app(argc, argv, dialogs);
  app.setQuitOnLastWindowClosed(false);  // closing the main menu quits explicitly

  const std::string workDir = std::filesystem::current_path().string();
  SteadyClock clock;
  StdRandom random;
  DesktopShell shell(workDir);
  WindowContext context{dialogs, ExecModal(), clock, random, shell, workDir};

  TutorProgram program(context);
  program.StartUp();
  program.ButtonMenu->show();
  app.exec();
  program.ShutDown();
  return 0;
}
