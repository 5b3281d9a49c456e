#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/files.h"
#include "platform/translation.h"

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr const char* kLineBreak = "\r\n";

bool IsIniSpace(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x09 && byte <= 0x0D) || byte == 0x1A || byte == 0x20;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Bare: a line of a section without "=", such as a hand-edited entry that lost it.
enum class LineKind { Other, Header, Entry, Bare };

// One line of the file. Its content is bytes [begin, end); the next line starts at next
// (next == end only for a last line without a line break).
struct Line {
  size_t begin = 0;
  size_t end = 0;
  size_t next = 0;
  LineKind kind = LineKind::Other;
  std::string_view name;   // section name of a header, key of an entry
  std::string_view value;  // value of an entry
};

void Classify(std::string_view content, Line& line) {
  const std::string_view text = Trim(content);
  if (text.empty() || text.front() == ';') return;
  if (text.front() == '[') {
    const size_t close = text.rfind(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::Header;
      line.name = Trim(text.substr(1, close - 1));
      return;
    }
  }
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    line.kind = LineKind::Bare;
    line.name = line.value = text;
    return;
  }
  line.kind = LineKind::Entry;
  line.name = Trim(text.substr(0, equals));
  line.value = Trim(text.substr(equals + 1));
}

// Calls visit for every line in order until it returns false. Lines end at CR LF, LF or CR;
// a UTF-8 byte-order mark at the start is skipped.
void ForEachLine(const std::string& bytes, const std::function<bool(const Line&)>& visit) {
  size_t pos = std::string_view(bytes).starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
  const std::string_view all(bytes);
  while (pos < bytes.size()) {
    Line line;
    line.begin = pos;
    line.end = bytes.find_first_of("\r\n", pos);
    if (line.end == std::string::npos) {
      line.end = bytes.size();
      line.next = bytes.size();
    } else if (bytes[line.end] == '\r' && line.end + 1 < bytes.size() &&
               bytes[line.end + 1] == '\n') {
      line.next = line.end + 2;
    } else {
      line.next = line.end + 1;
    }
    Classify(all.substr(line.begin, line.end - line.begin), line);
    if (!visit(line)) return;
    pos = line.next;
  }
}

// Visits the entries of the first section named section, in order, until visit returns false.
// Returns whether the section exists; header (if given) receives its line.
bool ForEachEntryOfSection(const std::string& bytes, std::string_view section,
                           const std::function<bool(const Line&)>& visit, Line* header = nullptr) {
  bool found = false;
  bool inside = false;
  ForEachLine(bytes, [&](const Line& line) {
    if (line.kind == LineKind::Header) {
      if (inside) return false;  // only the first section of that name counts
      if (EqualsIgnoreCase(line.name, section)) {
        found = inside = true;
        if (header) *header = line;
      }
      return true;
    }
    if (inside && (line.kind == LineKind::Entry || line.kind == LineKind::Bare)) return visit(line);
    return true;
  });
  return found;
}

std::string Unquote(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kIniValueMaxLength));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != text.npos;
}

bool EndsWithLineBreak(const std::string& bytes) {
  return !bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n');
}

// An exclusive lock held while it lives on "<file>.lock", or on the file itself where the
// folder refuses the lock file. The system drops it with its holder, so a killed instance leaves
// none behind.
class FileLock {
 public:
  explicit FileLock(const std::string& path) {
    const std::string target = WrittenPath(path);
    const std::string lockPath = target + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ >= 0) ShareWithWriters(target);
    // Another learner's lock file is read-only to this one.
    if (fd_ < 0) fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    // A write takes milliseconds: a lock held far longer is another program's, which is not
    // waited for without end.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks here: written unlocked
      if (std::chrono::steady_clock::now() > until) {
        held_ = false;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool Held() const { return held_; }

 private:
  // Those who may write the file may take its lock, read-only, and nobody else: anyone who
  // could open it could hold it and stop every learner's saving.
  void ShareWithWriters(const std::string& target) {
    struct stat file {};
    if (::stat(target.c_str(), &file) != 0) return;
    [[maybe_unused]] const int regrouped = ::fchown(fd_, static_cast<uid_t>(-1), file.st_gid);
    const mode_t readers =
        (file.st_mode & S_IWGRP ? S_IRGRP : 0) | (file.st_mode & S_IWOTH ? S_IROTH : 0);
    ::fchmod(fd_, S_IRUSR | S_IWUSR | readers);
  }

  int fd_ = -1;
  bool held_ = true;
};

void PutValue(std::string& bytes, const std::string& section, const std::string& key,
              const std::string& value) {
  Line header;
  bool keyFound = false;
  Line target;  // the key's line when found, else the line to insert after
  std::string storedKey;
  const bool sectionFound = ForEachEntryOfSection(
      bytes, section,
      [&](const Line& line) {
        if (line.kind != LineKind::Entry) return true;
        target = line;
        if (!EqualsIgnoreCase(line.name, key)) return true;
        keyFound = true;
        storedKey = std::string(line.name);
        return false;
      },
      &header);

  if (keyFound) {
    bytes.replace(target.begin, target.end - target.begin, storedKey + "=" + value);
  } else if (sectionFound) {
    const Line& after = target.next > header.next ? target : header;
    std::string insertion = after.next == after.end ? kLineBreak : "";
    insertion += key + "=" + value + kLineBreak;
    bytes.insert(after.next, insertion);
  } else {
    const bool onlyBom = bytes == kUtf8Bom;
    if (!bytes.empty() && !onlyBom && !EndsWithLineBreak(bytes)) bytes += kLineBreak;
    bytes += "[" + section + "]" + kLineBreak + key + "=" + value + kLineBreak;
  }
}

// Every section of that name goes: one left behind would take the erased one's place.
void RemoveSection(std::string& bytes, const std::string& section) {
  std::string kept;
  size_t from = 0;
  bool removing = false;
  ForEachLine(bytes, [&](const Line& line) {
    if (line.kind != LineKind::Header) return true;
    const bool named = EqualsIgnoreCase(line.name, section);
    if (named && !removing) kept.append(bytes, from, line.begin - from);
    if (!named && removing) from = line.begin;
    removing = named;
    return true;
  });
  if (!removing) kept.append(bytes, from, std::string::npos);
  bytes = std::move(kept);
}
}  // namespace

std::string IniFile::Load() const {
  if (bytes_) return *bytes_;
  std::error_code error;
  if (!fs::exists(path_, error) && !error) return {};
  // Anything but a readable regular file (a folder, a device, a pipe) is refused: reading a
  // pipe could hang and writing over a folder would lose it.
  std::string bytes = ReadWholeFile(path_, kMaxIniBytes);
  // Read as single bytes, a UTF-16 file holds no line that names anything, and a write would
  // add lines of another encoding to it.
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    throw AppError(Translated(
        "Errors",
        QT_TRANSLATE_NOOP("Errors", "%1 is saved as UTF-16 (Unicode); save it as ANSI instead.\n"),
        {path_}));
  }
  return bytes;
}

std::string IniFile::LoadForWrite() const {
  try {
    return Load();
  } catch (const AppError& error) {
    ThrowWriteError(error.what());
  }
}

IniFile IniFile::Snapshot() const {
  return IniFile(path_, Load());
}

void IniFile::ThrowWriteError(const std::string& reason) const {
  throw AppError(
      Translated("Errors", QT_TRANSLATE_NOOP("Errors", "Unable to write to %1"), {path_}) + "\n" +
      reason);
}

void IniFile::ThrowWriteError(int error) const {
  ThrowWriteError(SystemReason(error));
}

void IniFile::Store(const std::string& bytes) const {
  if (const int error = ReplaceFile(path_, bytes)) ThrowWriteError(error);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  const std::string bytes = Load();
  std::string result = defaultValue;
  ForEachEntryOfSection(bytes, section, [&](const Line& line) {
    if (line.kind != LineKind::Entry || !EqualsIgnoreCase(line.name, key)) return true;
    result = Unquote(line.value);
    return false;
  });
  return result;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key,
                         int defaultValue) const {
  int value = 0;
  return TryStrToInt(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<IniEntry> IniFile::ReadSection(const std::string& section) const {
  const std::string bytes = Load();
  std::vector<IniEntry> entries;
  std::unordered_map<std::string, size_t> placeOfKey;
  ForEachEntryOfSection(bytes, section, [&](const Line& line) {
    const auto [place, isNew] = placeOfKey.try_emplace(UpperBytes(line.name), entries.size());
    if (isNew) {
      entries.push_back({std::string(line.name), std::string(line.value)});
    } else {
      entries[place->second].value = std::string(line.value);
    }
    return true;
  });
  return entries;
}

std::vector<std::string> IniFile::ReadSectionNames() const {
  const std::string bytes = Load();
  std::vector<std::string> names;
  ForEachLine(bytes, [&](const Line& line) {
    if (line.kind == LineKind::Header && !line.name.empty()) names.emplace_back(line.name);
    return true;
  });
  return names;
}

std::vector<std::string> IniFile::ReadDamagedHeaders() const {
  const std::string bytes = Load();
  std::vector<std::string> lines;
  ForEachLine(bytes, [&](const Line& line) {
    const std::string_view text =
        Trim(std::string_view(bytes).substr(line.begin, line.end - line.begin));
    const bool opened = text.starts_with('[');
    const bool closed = text.ends_with(']');
    if (line.kind != LineKind::Header && text.size() > 1 && opened != closed &&
        (opened || text.find('=') == text.npos)) {
      lines.emplace_back(text);
    }
    return true;
  });
  return lines;
}

IniChanges& IniChanges::WriteString(const std::string& section, const std::string& key,
                                    const std::string& value) {
  changes_.push_back({false, section, key, value});
  return *this;
}

IniChanges& IniChanges::WriteInteger(const std::string& section, const std::string& key,
                                     int value) {
  return WriteString(section, key, std::to_string(value));
}

IniChanges& IniChanges::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

IniChanges& IniChanges::EraseSection(const std::string& section) {
  changes_.push_back({true, section, {}, {}});
  return *this;
}

void IniFile::Apply(const IniChanges& changes) {
  Update([&](const IniFile&) { return changes; });
}

void IniFile::Update(const std::function<IniChanges(const IniFile& current)>& makeChanges) {
  const FileLock lock(path_);
  if (!lock.Held()) {
    ThrowWriteError(Translated(
        "Errors", QT_TRANSLATE_NOOP("Errors", "Another program has held %1 for 10 seconds."),
        {WrittenPath(path_) + ".lock"}));
  }
  const std::string original = LoadForWrite();
  const IniChanges changes = makeChanges(IniFile(path_, original));
  for (const IniChanges::Change& change : changes.changes_) {
    if (HasLineBreak(change.section) || HasLineBreak(change.key) || HasLineBreak(change.value) ||
        change.key.find('=') != std::string::npos) {
      throw AppError(Translated(
          "Errors",
          QT_TRANSLATE_NOOP("Errors", "Cannot write a line break or a \"=\" in a key to %1"),
          {path_}));
    }
  }
  std::string bytes = original;
  for (const IniChanges::Change& change : changes.changes_) {
    if (change.erase) {
      RemoveSection(bytes, change.section);
    } else {
      PutValue(bytes, change.section, change.key, change.value);
    }
  }
  if (bytes != original) Store(bytes);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  Apply(IniChanges().WriteString(section, key, value));
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  Apply(IniChanges().WriteInteger(section, key, value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  Apply(IniChanges().WriteBool(section, key, value));
}

void IniFile::EraseSection(const std::string& section) {
  Apply(IniChanges().EraseSection(section));
}
