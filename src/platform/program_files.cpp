#include "platform/program_files.h"

#include <QtGlobal>
#include <filesystem>
#include <system_error>

#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/files.h"
#include "platform/translation.h"

namespace fs = std::filesystem;

std::string ShippedPath(const std::string& programDir, const std::string& name,
                        const std::string& installed) {
  std::error_code error;
  const std::string beside = programDir + "/" + name;
  return fs::exists(beside, error) ? beside : programDir + "/../" + installed;
}

namespace {
// Copies the regular files of from that folder lacks; the system's reason when one fails.
std::string Seed(const fs::path& from, const fs::path& folder) {
  std::error_code error;
  const bool made = fs::create_directories(folder, error);
  if (error) return error.message();
  // A learner's settings and results are theirs alone.
  if (made) fs::permissions(folder, fs::perms::owner_all, error);
  for (fs::directory_iterator file(from, error), end; !error && file != end;
       file.increment(error)) {
    const fs::path to = folder / file->path().filename();
    // Whatever stands there is the learner's, even something other than a file.
    if (!file->is_regular_file(error) || fs::exists(fs::symlink_status(to, error))) continue;
    // Whole or not at all: a file cut short by a full disk would never be copied again.
    try {
      if (const int failed = ReplaceFile(to.string(), ReadWholeFile(file->path().string())))
        return SystemReason(failed);
    } catch (const AppError& unreadable) {
      return unreadable.what();
    }
  }
  // A missing seed folder is no fault of a folder that has its files.
  return !error || error == std::errc::no_such_file_or_directory ? "" : error.message();
}

bool HoldsProgramFiles(const fs::path& folder) {
  std::error_code error;
  return fs::exists(folder / "qz.ini", error);  // even one it cannot read: that is reported there
}
}  // namespace

WorkFolder ChooseWorkFolder(const std::string& requested, const std::string& current,
                            const std::string& dataHome, const std::string& seedFrom) {
  WorkFolder chosen;
  std::error_code error;
  // The shipped files stay as shipped: they seed every new learner's folder.
  if (requested.empty() && HoldsProgramFiles(current) &&
      !fs::equivalent(current, seedFrom, error)) {
    chosen.path = current;
    return chosen;
  }
  chosen.path = requested.empty() ? dataHome + "/qz-typing-tutor" : requested;
  chosen.path = fs::absolute(chosen.path, error).lexically_normal().string();
  if (chosen.path.size() > 1 && chosen.path.back() == '/') chosen.path.pop_back();
  if (const std::string reason = Seed(seedFrom, chosen.path); !reason.empty()) {
    chosen.error =
        Translated("Errors",
                   QT_TRANSLATE_NOOP("Errors",
                                     "The working folder %1 cannot be prepared: %2. Another folder "
                                     "can be named with --folder <path>."),
                   {chosen.path, reason});
  } else if (!HoldsProgramFiles(chosen.path)) {
    chosen.error = Translated(
        "Errors",
        QT_TRANSLATE_NOOP("Errors",
                          "The working folder %1 lacks the program's files, and %2 has none "
                          "to copy into it."),
        {chosen.path, seedFrom});
  }
  return chosen;
}

std::string DataHome() {
  const QByteArray xdg = qgetenv("XDG_DATA_HOME");
  if (xdg.startsWith('/')) return xdg.toStdString();  // a relative one is to be ignored
  return qgetenv("HOME").toStdString() + "/.local/share";
}
