#pragma once
// Dialogs for tests: records every text shown and answers from prepared queues. A question
// or input box with no prepared answer fails the test, and so does an answer still unused
// when the dialogs go at the end of the test. A chooser with no prepared answer is cancelled.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

class ScriptedDialogs final : public Dialogs {
 public:
  ~ScriptedDialogs() override;

  struct Shown {
    MessageKind kind;
    MessageButtons buttons;
    std::string text;
  };

  MessageAnswer Message(MessageKind kind, MessageButtons buttons, const std::string& text) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  bool ChooseFont(Font& font, int minSize, int maxSize, FontLooks looks) override;
  bool ChooseColor(Color& color) override;
  bool ChooseOpenFile(const std::string& filter, std::string& path) override;
  bool ChooseSaveFile(const std::string& filter, const std::string& defaultExtension,
                      std::string& path) override;

  // Texts of all messages, in order.
  std::vector<std::string> Texts() const;

  std::vector<Shown> messages;
  std::vector<std::string> prompts;              // "caption|prompt|default" of every input box
  std::deque<MessageAnswer> answers;             // for Yes/No questions
  std::deque<std::optional<std::string>> inputs;  // nullopt: cancelled (the default returns)
  std::deque<std::optional<Font>> fonts;         // nullopt: cancelled
  std::deque<std::optional<Color>> colors;       // nullopt: cancelled
  std::deque<std::optional<std::string>> files;  // nullopt: cancelled
  std::vector<std::string> fileFilters;
  std::vector<std::string> defaultExtensions;  // of every save dialog
  std::vector<Font> fontsOffered;
  std::vector<std::pair<int, int>> fontSizesOffered;  // the sizes each font chooser offered
  std::vector<FontLooks> fontLooksOffered;
  std::vector<Color> colorsOffered;
};
