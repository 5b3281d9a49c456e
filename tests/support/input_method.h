#pragma once
// What an input method sends when a composition ends (a dead key and a letter, a compose
// sequence), and while one is still open.
#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>

inline void CommitText(QWidget* target, const QString& committed, const QString& pending = {}) {
  QInputMethodEvent event(pending, {});
  event.setCommitString(committed);
  QApplication::sendEvent(target, &event);
}
