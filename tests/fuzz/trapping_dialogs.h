#pragma once
// Dialogs for the fuzz targets: a message means the program reported a failure that no input
// may cause, so it stops the run where it happened. The choosers are never reached.
#include "platform/dialogs.h"

class TrappingDialogs final : public Dialogs {
 public:
  MessageAnswer Message(MessageKind, MessageButtons, const std::string&) override {
    __builtin_trap();
  }
  std::string InputBox(const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  bool ChooseFont(Font&, int, int, FontLooks) override { return false; }
  bool ChooseColor(Color&) override { return false; }
  bool ChooseOpenFile(const std::string&, std::string&) override { return false; }
  bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override {
    return false;
  }
};
