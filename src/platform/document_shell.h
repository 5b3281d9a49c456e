#pragma once
// The shell "open" of a document (help files, the web page).
#include <QUrl>
#include <functional>
#include <string>

class DocumentShell {
 public:
  virtual ~DocumentShell() = default;
  // True when the document was handed to an application that can show it. A file that does
  // not exist, or that no application on the desktop takes, fails.
  virtual bool Open(const std::string& document) = 0;
};

// Opens files of the working folder (found without regard to case) and http(s) addresses
// through the desktop's opener.
class DesktopShell final : public DocumentShell {
 public:
  // launch hands a URL to the desktop's opener; the program uses the desktop's own.
  explicit DesktopShell(std::string workDir, std::function<bool(const QUrl&)> launch = {});
  bool Open(const std::string& document) override;

 private:
  std::string workDir_;
  std::function<bool(const QUrl&)> launch_;
};

// Whether an installed application takes the file's type (or another name of it): listed
// in its .desktop file or added in a mimeapps.list, and not removed there (the freedesktop.org
// rules, without the per-desktop lists). The folders are the XDG ones of the environment.
bool DesktopHasHandlerFor(const std::string& path);
