#pragma once
// Test bodies run in a forked child, for what one process cannot show of itself: another
// user, or another instance at the same moment.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Starts body in a child process, which exits 0 when it returns true.
inline pid_t StartChild(const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body() ? 0 : 1);
  return child;
}

// The child's exit status, or -1 when a signal ended it.
inline int ExitStatusOf(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline int InChild(const std::function<bool()>& body) {
  return ExitStatusOf(StartChild(body));
}
