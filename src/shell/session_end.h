#pragma once
// The end of a run that nobody asked for at the main menu: the desktop session ends (logout,
// shutdown) or the process is told to terminate (SIGTERM, SIGHUP, SIGINT). Every event loop,
// modal ones included, is left so that the program shuts down and saves as after closing the
// main menu, but without the practice-time report, which nobody could answer.
#include <QObject>
#include <functional>

class SessionEnd final : public QObject {
 public:
  // commit saves the settings when a session manager asks for it (at logout, before it ends
  // the program, or at a checkpoint of the session, which goes on); ending runs once when the
  // run ends this way, just before the event loops are left.
  SessionEnd(std::function<void()> commit, std::function<void()> ending);
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  // A termination signal, or the session manager's order to quit.
  void End();
  bool Ended() const { return ended_; }

 private:
  std::function<void()> commit_;
  std::function<void()> ending_;
  bool ended_ = false;
};

// Leaves every running event loop, modal ones too. Without a running loop it does nothing, as
// QCoreApplication::quit does, so that no later loop ends before it starts.
void LeaveEventLoops();
