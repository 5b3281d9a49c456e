#include "shell/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <csignal>

namespace {
// The self-pipe: the handler only writes a byte; the window thread reads it.
int signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}

// False when no pipe can be had: the signals then keep their default action.
bool InstallSignalHandlers() {
  if (signalPipe[0] < 0 && pipe2(signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
  return true;
}
}  // namespace

SessionEnd::SessionEnd(std::function<void()> commit, std::function<void()> ending)
    : commit_(std::move(commit)), ending_(std::move(ending)) {
  // The pipe stays open and the handlers installed for the rest of the process: a signal
  // that comes while the program is already shutting down changes nothing.
  if (InstallSignalHandlers()) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { ReadSignals(); });
  }
  connect(
      qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { commit_(); },
      Qt::DirectConnection);
}

void SessionEnd::ReadSignals() {
  char bytes[16];
  while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
  }
  End();
}

void SessionEnd::End() {
  if (ended_) return;
  ended_ = true;
  ending_();
  LeaveEventLoops();
}

void LeaveEventLoops() {
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}
