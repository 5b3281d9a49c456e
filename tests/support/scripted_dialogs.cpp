#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::~ScriptedDialogs() {
  EXPECT_TRUE(answers.empty() && inputs.empty() && fonts.empty() && colors.empty() && files.empty())
      << "prepared answers left unused: " << answers.size() << " questions, " << inputs.size()
      << " input boxes, " << fonts.size() << " fonts, " << colors.size() << " colours, "
      << files.size() << " files";
}

MessageAnswer ScriptedDialogs::Message(MessageKind kind, MessageButtons buttons,
                                       const std::string& text) {
  messages.push_back({kind, buttons, text});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) {
    ADD_FAILURE() << "a question without a prepared answer: " << text;
    return MessageAnswer::No;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& defaultText) {
  prompts.push_back(caption + "|" + prompt + "|" + defaultText);
  if (inputs.empty()) {
    ADD_FAILURE() << "an input box without a prepared answer: " << prompt;
    return defaultText;
  }
  const std::optional<std::string> answer = inputs.front();
  inputs.pop_front();
  return answer.value_or(defaultText);
}

bool ScriptedDialogs::ChooseFont(Font& font, int minSize, int maxSize, FontLooks looks) {
  fontsOffered.push_back(font);
  fontSizesOffered.push_back({minSize, maxSize});
  fontLooksOffered.push_back(looks);
  if (fonts.empty() || !fonts.front()) {
    if (!fonts.empty()) fonts.pop_front();
    return false;
  }
  const Font chosen = *fonts.front();
  fonts.pop_front();
  // The chooser offers no other size: a test preparing one has a mistake.
  EXPECT_TRUE(chosen.size >= minSize && chosen.size <= maxSize) << chosen.size;
  const Font before = font;
  font = chosen;
  if (looks == FontLooks::None) {  // not offered: kept
    font.style = before.style;
    font.color = before.color;
  }
  return true;
}

bool ScriptedDialogs::ChooseColor(Color& color) {
  colorsOffered.push_back(color);
  if (colors.empty() || !colors.front()) {
    if (!colors.empty()) colors.pop_front();
    return false;
  }
  color = *colors.front();
  colors.pop_front();
  return true;
}

bool ScriptedDialogs::ChooseOpenFile(const std::string& filter, std::string& path) {
  fileFilters.push_back(filter);
  if (files.empty() || !files.front()) {
    if (!files.empty()) files.pop_front();
    return false;
  }
  path = *files.front();
  files.pop_front();
  return true;
}

bool ScriptedDialogs::ChooseSaveFile(const std::string& filter, const std::string& defaultExtension,
                                     std::string& path) {
  defaultExtensions.push_back(defaultExtension);
  return ChooseOpenFile(filter, path);
}

std::vector<std::string> ScriptedDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const auto& shown : messages) texts.push_back(shown.text);
  return texts;
}
