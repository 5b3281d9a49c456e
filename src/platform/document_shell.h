#pragma once
// The shell "open" of a document (help files, the web page).
#include <string>

class DocumentShell {
 public:
  virtual ~DocumentShell() = default;
  // True when the document was handed to the desktop. A file that does not exist fails.
  virtual bool Open(const std::string& document) = 0;
};

// Opens files of the working folder (found without regard to case) and http(s) addresses
// through the desktop's opener.
class DesktopShell final : public DocumentShell {
 public:
  explicit DesktopShell(std::string workDir) : workDir_(std::move(workDir)) {}
  bool Open(const std::string& document) override;

 private:
  std::string workDir_;
};
