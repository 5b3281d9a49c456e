#pragma once
// The process being told to terminate (SIGTERM, SIGHUP, SIGINT). Once watched, such a signal
// no longer ends the process at once: the window thread's event loop calls back instead, for
// as long as the owner lives. The signals stay caught for the rest of the process, so that one
// coming while the program already shuts down changes nothing.
#include <functional>

class QObject;

// Keeps the signals waiting until they are watched, so that one coming while the program
// starts is not lost to the default action. Called first thing, before any thread starts.
void HoldTerminationSignals();

// received runs on the window thread after one or more signals, those held since the start
// included. Where the system gives no means to watch them, the signals keep their default
// action.
void WatchTerminationSignals(QObject& owner, std::function<void()> received);
