#pragma once
// Dialogs shown with Qt's message, input, font, colour and file dialogs.
#include <QWidget>

#include "platform/dialogs.h"

class QtDialogs final : public Dialogs {
 public:
  MessageAnswer Message(MessageKind kind, MessageButtons buttons,
                        const std::string& text) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  bool ChooseFont(Font& font, int minSize, int maxSize) override;
  bool ChooseColor(Color& color) override;
  bool ChooseOpenFile(const std::string& filter, std::string& path) override;
  bool ChooseSaveFile(const std::string& filter, const std::string& defaultExtension,
                      std::string& path) override;
};

// "Description (*.key)|*.key" -> "Description (*.key)".
QString QtFilterFromPipes(const std::string& filter);
