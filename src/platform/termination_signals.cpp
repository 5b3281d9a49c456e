#include "platform/termination_signals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <QSocketNotifier>
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

void MaskTerminationSignals(int how) {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaddset(&set, signal);
  pthread_sigmask(how, &set, nullptr);
}
}  // namespace

void HoldTerminationSignals() {
  MaskTerminationSignals(SIG_BLOCK);
}

void WatchTerminationSignals(QObject& owner, std::function<void()> received) {
  const bool watched = InstallSignalHandlers();
  // Threads started since the hold keep the signals blocked: they reach this thread only.
  MaskTerminationSignals(SIG_UNBLOCK);
  if (!watched) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &owner);
  QObject::connect(notifier, &QSocketNotifier::activated, &owner,
                   [received = std::move(received)] {
                     char bytes[16];
                     while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
                     }
                     received();
                   });
}
