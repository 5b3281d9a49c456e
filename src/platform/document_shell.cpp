#include "platform/document_shell.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ini_file.h"

namespace fs = std::filesystem;

namespace {
std::vector<std::string> Folders(QStandardPaths::StandardLocation location) {
  std::vector<std::string> folders;
  for (const QString& folder : QStandardPaths::standardLocations(location)) {
    folders.push_back(folder.toStdString());
  }
  return folders;
}

// "a.desktop;b.desktop;" as its entries.
std::vector<std::string> Entries(const std::string& list) {
  std::vector<std::string> entries;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(';', start), list.size());
    if (end > start) entries.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

// A value of a desktop file or list; one that cannot be read lists nothing.
std::string ReadEntry(const std::string& path, const std::string& section, const std::string& key) {
  try {
    return IniFile(path).ReadString(section, key, "");
  } catch (const AppError&) {
    return "";
  }
}

// The MIME types each installed application takes, by desktop file id ("sub/a.desktop" is
// "sub-a.desktop"); the first folder that holds an id decides for it.
std::map<std::string, std::vector<std::string>> InstalledApplications() {
  std::map<std::string, std::vector<std::string>> applications;
  for (const std::string& folder : Folders(QStandardPaths::ApplicationsLocation)) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->path().extension() != ".desktop" || !it->is_regular_file(error)) continue;
      std::string id = it->path().lexically_relative(folder).string();
      std::replace(id.begin(), id.end(), '/', '-');
      if (applications.contains(id)) continue;
      applications[id] = Entries(ReadEntry(it->path().string(), "Desktop Entry", "MimeType"));
    }
  }
  return applications;
}

std::vector<std::string> MimeAppsLists() {
  std::vector<std::string> lists;
  for (const std::string& folder : Folders(QStandardPaths::GenericConfigLocation)) {
    lists.push_back(folder + "/mimeapps.list");
  }
  for (const std::string& folder : Folders(QStandardPaths::ApplicationsLocation)) {
    lists.push_back(folder + "/mimeapps.list");
  }
  return lists;
}

// The file's type and its other names. The types it derives from are left out: an editor of
// plain text would show rich text as its markup, and taking any file does not make an
// application able to show this one.
std::set<std::string> TypeNamesOf(const std::string& path) {
  const QMimeDatabase database;
  const QMimeType type = database.mimeTypeForFile(QString::fromStdString(path));
  std::set<std::string> all{type.name().toStdString()};
  for (const QString& alias : type.aliases()) all.insert(alias.toStdString());
  return all;
}
}  // namespace

bool DesktopHasHandlerFor(const std::string& path) {
  const auto applications = InstalledApplications();
  const auto lists = MimeAppsLists();
  for (const std::string& type : TypeNamesOf(path)) {
    std::set<std::string> offered;
    std::set<std::string> removed;
    for (const auto& [id, types] : applications) {
      if (std::find(types.begin(), types.end(), type) != types.end()) offered.insert(id);
    }
    for (const std::string& list : lists) {
      for (const char* section : {"Default Applications", "Added Associations"}) {
        for (const std::string& id : Entries(ReadEntry(list, section, type))) offered.insert(id);
      }
      for (const std::string& id : Entries(ReadEntry(list, "Removed Associations", type))) {
        removed.insert(id);
      }
    }
    for (const std::string& id : offered) {
      if (applications.contains(id) && !removed.contains(id)) return true;
    }
  }
  return false;
}

DesktopShell::DesktopShell(std::string workDir, std::function<bool(const QUrl&)> launch)
    : workDir_(std::move(workDir)), launch_(std::move(launch)) {
  if (!launch_) launch_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool DesktopShell::Open(const std::string& document) {
  if (document.rfind("http://", 0) == 0 || document.rfind("https://", 0) == 0) {
    return launch_(QUrl(QString::fromStdString(document)));
  }
  // The desktop's opener reports success as soon as it starts, whether or not anything can
  // show the file, so both are checked here first.
  const std::string path = ResolvePath(workDir_, document);
  if (!FileExists(path) || !DesktopHasHandlerFor(path)) return false;
  return launch_(QUrl::fromLocalFile(QString::fromStdString(path)));
}
