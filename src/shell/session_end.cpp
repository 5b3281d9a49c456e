#include "shell/session_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QThread>

#include "platform/termination_signals.h"

SessionEnd::SessionEnd(std::function<void()> commit, std::function<void()> ending)
    : commit_(std::move(commit)), ending_(std::move(ending)) {
  WatchTerminationSignals(*this, [this] { End(); });
  connect(
      qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { commit_(); },
      Qt::DirectConnection);
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
