// Entry point: the program runs in a working folder that holds its INI files, texts and
// layouts (see ChooseWorkFolder; "--folder <path>" names one). The locale chooses the language
// of its texts.
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "platform/guard.h"
#include "platform/platform_choice.h"
#include "platform/program_files.h"
#include "platform/qt_dialogs.h"
#include "platform/termination_signals.h"
#include "platform/translation.h"
#include "shell/program.h"
#include "shell/session_end.h"

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

  // A request to quit from outside (the session manager, when the session ends).
  std::function<void()> quitRequested;

 protected:
  bool event(QEvent* event) override {
    // Not the toolkit's way, which closes every window and so asks for the practice-time
    // report.
    if (event->type() == QEvent::Quit && quitRequested) {
      quitRequested();
      return true;
    }
    return QApplication::event(event);
  }

 private:
  Dialogs& dialogs_;
};

// The program alone, or with --folder <path>: argument count and first argument.
bool UsageFits(int count, std::string_view first) {
  return count == 1 || (count == 3 && first == "--folder");
}
}  // namespace

int main(int argc, char* argv[]) {
  // Answered before any window system is asked for: they need no display.
  const std::string usage =
      std::string("Usage: ") + argv[0] + " [--folder <path> | --help | --version]\n";
  const std::string_view only = argc == 2 ? argv[1] : "";
  if (only == "--help" || only == "-h") {
    std::cout << usage;
    return 0;
  }
  if (only == "--version") {
    std::cout << "qz-typing-tutor " << QZ_VERSION << "\n";
    return 0;
  }
  if (!DisplayNamed(getenv("QT_QPA_PLATFORM"), getenv("DISPLAY"), getenv("WAYLAND_DISPLAY"))) {
    // Wrong arguments are told as such with a display or without (the toolkit's own options,
    // taken out of the arguments below, need one).
    if (!UsageFits(argc, argc > 1 ? argv[1] : "")) {
      std::cerr << usage;
      return 2;
    }
    std::cerr << "qz-typing-tutor needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set. "
                 "Start it from a desktop session.\n";
    return 1;
  }
  HoldTerminationSignals();
  // The windows update a key, a finger or a word at a time. Through shared memory each such
  // update made the next paint wait for the X server's answer; a few hundred bytes sent
  // plainly cost far less (measured: a third of the idle practice window's CPU).
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  if (const auto platform = PlatformToChoose(getenv("QT_QPA_PLATFORM"), getenv("DISPLAY")))
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
  QtDialogs dialogs;
  TutorApplication app(argc, argv, dialogs);
  app.setQuitOnLastWindowClosed(false);  // closing the main menu quits explicitly
  InstallTranslations();
  // The small sizes only, each read when first drawn: every window carries its icon to the X
  // server, and the larger ones would cost a third of a megabyte a window.
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64})
    icon.addFile(QString(":/icons/qz-typing-tutor-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  QApplication::setDesktopFileName("qz-typing-tutor");
  QApplication::setApplicationName(kApplicationTitle);  // the title of a box before the menu

  const QStringList arguments = QApplication::arguments();
  if (!UsageFits(static_cast<int>(arguments.size()), arguments.value(1).toStdString())) {
    std::cerr << usage;
    return 2;
  }
  std::error_code noCurrent;  // a folder deleted under the program: the learner's folder is used
  const WorkFolder folder =
      ChooseWorkFolder(arguments.size() == 3 ? arguments[2].toStdString() : "",
                       std::filesystem::current_path(noCurrent).string(), DataHome(),
                       QApplication::applicationDirPath().toStdString() + "/../" + kInstalledSeed);
  if (!folder.error.empty()) {
    std::cerr << TerminalText(folder.error) << "\n";
    SessionEnd sessionEnd([] {}, [&] { dialogs.StopAsking(); });  // nothing to save yet
    dialogs.Warn(folder.error);
    return 1;
  }
  std::filesystem::current_path(folder.path);
  const std::string workDir = folder.path;
  SteadyClock clock;
  StdRandom random;
  DesktopShell shell(workDir);
  WindowContext context{dialogs, ExecModal(), clock, random, shell, workDir};

  TutorProgram program(context);
  SessionEnd sessionEnd([&] { program.CommitSettings(); }, [&] { dialogs.StopAsking(); });
  app.quitRequested = [&] { sessionEnd.End(); };
  program.StartUp();
  if (!sessionEnd.Ended()) {
    program.ButtonMenu->show();
    app.exec();
  }
  // A settings file left unsaved is a failure, also when the learner was told of it.
  const bool saved = program.ShutDown();
  return saved && !dialogs.ErrorsUnread() ? 0 : 1;
}
