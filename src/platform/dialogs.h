#pragma once
// Every message box, input box and chooser of the program goes through this interface.
// The program uses the Qt implementation; tests use a scripted one.
#include <QtGlobal>
#include <string>

#include "platform/colors.h"
#include "platform/font.h"

// The caption of the program's input boxes.
inline constexpr const char* kInputBoxCaption = QT_TRANSLATE_NOOP("Dialogs", "Input Box");

enum class MessageKind { Information, Warning, Confirmation, Error };
// Enter (and Space, the default button having the focus) answers with the default button:
// Yes for YesNo, No where Yes would lose data or take the learner elsewhere.
// RetryCancel: Enter retries, Esc gives up.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo, RetryCancel };
enum class MessageAnswer { Ok, Yes, No, Retry, Cancel };
// What a font chooser offers besides face and size.
enum class FontLooks { None, StyleAndColour };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MessageAnswer Message(MessageKind kind, MessageButtons buttons,
                                const std::string& text) = 0;
  // Cancel returns the default text.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText) = 0;
  // Opens with font, offering the sizes minSize..maxSize only, and with looks the style
  // (bold, italic, underline, strike-out) and the colour; on confirmation stores the choice in
  // font and returns true. What is not offered stays as it was.
  virtual bool ChooseFont(Font& font, int minSize, int maxSize, FontLooks looks) = 0;
  virtual bool ChooseColor(Color& color) = 0;
  // filter is "Description (*.ext)|*.ext". The chosen path goes into path.
  virtual bool ChooseOpenFile(const std::string& filter, std::string& path) = 0;
  virtual bool ChooseSaveFile(const std::string& filter, const std::string& defaultExtension,
                              std::string& path) = 0;

  void Inform(const std::string& text) {
    Message(MessageKind::Information, MessageButtons::Ok, text);
  }
  void Warn(const std::string& text) { Message(MessageKind::Warning, MessageButtons::Ok, text); }
  void ReportError(const std::string& text) {
    Message(MessageKind::Error, MessageButtons::Ok, text);
  }
};
