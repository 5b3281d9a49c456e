#pragma once
// Dialogs shown with Qt's message, input, font, colour and file dialogs.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

class QtDialogs final : public Dialogs {
 public:
  // From now on no box is shown: each gives its default answer (OK, No, Cancel, the default
  // text), and an error's text goes to standard error. For the end of a session, when nobody
  // is left to answer.
  void StopAsking() { asking_ = false; }
  // An error was written to standard error in place of a box: the run must not end as if
  // all went well.
  bool ErrorsUnread() const { return errorsUnread_; }

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
  bool errorsUnread_ = false;
};

// While one lives, the boxes belong to window (stand above it) rather than to the active window:
// a window shown a moment ago is not active before the window manager has made it so, and a
// box of the window behind it would bring that window up over it.
class DialogOwner {
 public:
  explicit DialogOwner(QWidget* window);
  ~DialogOwner();
  DialogOwner(const DialogOwner&) = delete;
  DialogOwner& operator=(const DialogOwner&) = delete;

 private:
  QPointer<QWidget> before_;
};

// "Description (*.key)|*.key" -> "Description (*.key)".
QString QtFilterFromPipes(const std::string& filter);
