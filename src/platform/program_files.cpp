#include "platform/program_files.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QtGlobal>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
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
// What was seeded into a working folder: a line of "<SHA-256> <name>" for each file as it was
// copied, so that a copy nobody changed since is brought up to date by a newer program.
constexpr const char* kSeededList = ".qz-seeded";
// In place of a hash: a file the learner made or changed, never to be read for this again.
constexpr const char* kLearnersOwn = "-";

std::string Sha256(const std::string& bytes) {
  return QCryptographicHash::hash(
             QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
             QCryptographicHash::Sha256)
      .toHex()
      .toStdString();
}

// The hash of a file's content, or "" when it cannot be read.
std::string HashOfFile(const fs::path& file) {
  try {
    return Sha256(ReadWholeFile(file.string()));
  } catch (const AppError&) {
    return "";
  }
}

// The list of a folder (empty when there is none, or it cannot be read), or nothing where it
// is no file of its own: a link to another file, or a list far longer than the shipped files
// could make, is neither read nor written.
std::optional<std::map<std::string, std::string>> ReadSeededList(const fs::path& folder) {
  constexpr uintmax_t kMaxListBytes = 1 << 20;
  const fs::path path = folder / kSeededList;
  std::map<std::string, std::string> seeded;
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) return seeded;
  if (!fs::is_regular_file(status) || fs::file_size(path, error) > kMaxListBytes) return {};
  try {
    std::istringstream lines(ReadWholeFile(path.string()));
    std::string hash;
    std::string name;
    while (lines >> hash && std::getline(lines >> std::ws, name)) seeded[name] = hash;
  } catch (const AppError&) {
    // An unreadable list refreshes nothing.
  }
  return seeded;
}

// Copies the regular files of from that folder lacks, and brings up to date the copies it
// seeded and nobody changed since (never the settings); the system's reason when one fails.
std::string Seed(const fs::path& from, const fs::path& folder) {
  std::error_code error;
  const bool made = fs::create_directories(folder, error);
  if (error) return error.message();
  // A learner's settings and results are theirs alone.
  if (made) fs::permissions(folder, fs::perms::owner_all, error);
  const std::optional<std::map<std::string, std::string>> list = ReadSeededList(folder);
  const bool listUsable = list.has_value();
  std::map<std::string, std::string> seeded = list.value_or(std::map<std::string, std::string>{});
  for (fs::directory_iterator file(from, error), end; !error && file != end;
       file.increment(error)) {
    const std::string name = file->path().filename().string();
    const fs::path to = folder / name;
    if (!file->is_regular_file(error)) continue;
    try {
      const std::string shipped = ReadWholeFile(file->path().string());
      const std::string hash = Sha256(shipped);
      const auto entry = seeded.find(name);
      const fs::file_status status = fs::symlink_status(to, error);
      const bool present = fs::exists(status);
      if (present) {
        if (!listUsable ||
            (entry != seeded.end() && (entry->second == hash || entry->second == kLearnersOwn)))
          continue;
        // Whatever stands there is the learner's, unless it is the copy seeded or the file as
        // shipped now; the settings always are the learner's.
        if (!fs::is_regular_file(status) || to.extension() == ".ini") continue;
        const std::string found = HashOfFile(to);
        if (found == hash || entry == seeded.end() || found != entry->second) {
          seeded[name] = found == hash ? hash : kLearnersOwn;
          continue;
        }
      }
      // Whole or not at all: a file cut short by a full disk would never be copied again.
      if (const int failed = ReplaceFile(to.string(), shipped)) {
        // A copy kept as it was (a read-only file or folder) is no fault, nor a missing file
        // that another instance starting at once copied.
        if (present || fs::exists(fs::symlink_status(to, error))) continue;
        return SystemReason(failed);
      }
      seeded[name] = hash;
    } catch (const AppError& unreadable) {
      return unreadable.what();
    }
  }
  if (listUsable && seeded != *list) {
    std::string lines;
    for (const auto& [name, hash] : seeded) lines += hash + " " + name + "\n";
    ReplaceFile((folder / kSeededList).string(), lines);  // without it, only no refresh
  }
  // A missing seed folder is no fault of a folder that has its files.
  return !error || error == std::errc::no_such_file_or_directory ? "" : error.message();
}

bool HoldsProgramFiles(const fs::path& folder) {
  std::error_code error;
  return fs::exists(folder / "qz.ini", error);  // even one it cannot read: that is reported there
}

// A learner's progress goes into qzc.ini: replaced in the folder, or written in place.
bool LearnerMaySave(const fs::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0 || ::access((folder / "qzc.ini").c_str(), W_OK) == 0;
}
}  // namespace

WorkFolder ChooseWorkFolder(const std::string& requested, const std::string& current,
                            const std::string& dataHome, const std::string& seedFrom) {
  WorkFolder chosen;
  std::error_code error;
  // The shipped files stay as shipped: they seed every new learner's folder. A folder the
  // learner could save nothing in (another's copy of them) is no working folder either.
  if (requested.empty() && HoldsProgramFiles(current) && LearnerMaySave(current) &&
      !fs::equivalent(current, seedFrom, error)) {
    chosen.path = current;
    return chosen;
  }
  chosen.path = requested.empty() ? dataHome + "/qz-typing-tutor" : requested;
  chosen.path = fs::absolute(chosen.path, error).lexically_normal().string();
  if (chosen.path.size() > 1 && chosen.path.back() == '/') chosen.path.pop_back();
  // A file that could not be copied into a folder that has the program's files is only missing
  // there (a read-only folder, a full disk): the learner works on.
  if (const std::string reason = Seed(seedFrom, chosen.path);
      !reason.empty() && !HoldsProgramFiles(chosen.path)) {
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
