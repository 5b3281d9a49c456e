// Entry point: the program runs in the current working folder, which holds its INI files,
// texts and layouts. It reads no arguments or environment of its own.
#include <QApplication>
#include <filesystem>

#include "platform/qt_dialogs.h"
#include "shell/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);  // closing the main menu quits explicitly

  const std::string workDir = std::filesystem::current_path().string();
  SteadyClock clock;
  StdRandom random;
  QtDialogs dialogs;
  DesktopShell shell(workDir);
  WindowContext context{dialogs, ExecModal(), clock, random, shell, workDir};

  TutorProgram program(context);
  program.StartUp();
  program.ButtonMenu->show();
  app.exec();
  program.ShutDown();
  return 0;
}
