#include "platform/document_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/files.h"

bool DesktopShell::Open(const std::string& document) {
  if (document.rfind("http://", 0) == 0 || document.rfind("https://", 0) == 0) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(document)));
  }
  // The desktop's opener reports success as soon as it starts, so a missing file is
  // checked here first.
  const std::string path = ResolvePath(workDir_, document);
  if (!FileExists(path)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
