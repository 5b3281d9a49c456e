#pragma once
// Dialogs shown with Qt's message, input, font, colour and file dialogs.
#include <QWidget>

#include "platform/dialogs.h"

class QtDialogs final : public Dialogs {
 public:
  // From now on no box is shown: each gives its default answer (OK, No, the default text).
  // For the end of a session, when nobody is left to answer.
  void StopAsking() { asking_ = false; }

  MessageAnswer Message(MessageKind kind, MessageButtons buttons,
                        const std::string& text) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  bool ChooseFont(Font& font, int minSize, int maxSize, FontLooks looks) override;
  bool ChooseColor(Color& color) override;
  bool ChooseOpenFile(const std::string& filter, std::string& path) override;
  bool ChooseSaveFile(const std::string& filter, const std::string& defaultExtension,
                      std::string& path) override;

 private:
  bool asking_ = true;
};

// "Description (*.key)|*.key" -> "Description (*.key)".
QString QtFilterFromPipes(const std::string& filter);
