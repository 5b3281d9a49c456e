#pragma once
// Every window shown modally is shown through one ModalRunner: the program's runs the modal
// loop; tests replace it with one that only shows the window and returns.
#include <QDialog>
#include <functional>

using ModalRunner = std::function<void(QDialog&)>;

inline ModalRunner ExecModal() {
  return [](QDialog& dialog) { dialog.exec(); };
}
