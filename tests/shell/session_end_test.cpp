#include "shell/session_end.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <csignal>

#include "platform/qt_dialogs.h"

namespace {
// Ends the modal window on top after a while, so that a fault shows as a failure, not a hang.
struct ModalWatchdog {
  bool fired = false;
  QTimer timer;
  ModalWatchdog() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        fired = true;
        modal->done(QDialog::Rejected);
      }
    });
    timer.start(3000);
  }
};

// After QCoreApplication::exit every new event loop ends at once, until the application's
// own loop has run again.
void ResetEventLoops() {
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}
}  // namespace

TEST(SessionEndTest, EachTerminationSignalLeavesEveryModalLoopOnce) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    int endings = 0;
    SessionEnd session([] {}, [&] { ++endings; });
    ModalWatchdog watchdog;
    bool innerLeft = false;
    QDialog outer;
    QTimer::singleShot(0, &outer, [&] {
      QDialog inner;  // a box over a modal practice window
      QTimer::singleShot(0, &inner, [&] {
        std::raise(signal);
        std::raise(signal);
      });
      inner.exec();
      innerLeft = true;
    });
    outer.exec();
    EXPECT_TRUE(innerLeft) << signal;
    EXPECT_FALSE(watchdog.fired) << signal;
    EXPECT_EQ(endings, 1) << signal;
    EXPECT_TRUE(session.Ended());
    ResetEventLoops();
  }
}

TEST(SessionEndTest, OnceTheSessionEndsTheBoxesAnswerWithoutBeingShown) {
  QtDialogs dialogs;
  dialogs.StopAsking();
  ModalWatchdog watchdog;
  EXPECT_EQ(dialogs.Message(MessageKind::Confirmation, MessageButtons::YesNo, "Quit?"),
            MessageAnswer::No);
  EXPECT_EQ(dialogs.Message(MessageKind::Error, MessageButtons::Ok, "Unable to write"),
            MessageAnswer::Ok);
  EXPECT_EQ(dialogs.InputBox("Input Box", "Input the difficulty (1-10).", "3"), "3");
  EXPECT_FALSE(watchdog.fired);
}
