#pragma once
// A window's control found by its designed name (its objectName), as accessibility tools and
// scripts find it. A missing control ends the test with that name.
#include <QObject>
#include <stdexcept>
#include <string>

template <typename T>
T* Control(const QObject& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromLatin1(name));
  if (!control) throw std::logic_error(std::string("no control named ") + name);
  return control;
}
