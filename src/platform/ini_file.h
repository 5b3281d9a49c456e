#pragma once
// IniFile: one INI file read and written one value at a time, the way Windows'
// private-profile functions do it, so files written there or edited by hand read as intended.
//
// Nothing is cached: every read parses the file afresh, every write re-reads it, changes only
// the bytes it must and replaces the file (ReplaceFile: atomically, keeping its access). A
// missing file reads as empty and is created by the first write. A file that cannot be
// read (a folder, pipe or device in its place) raises "File access denied", one over
// kMaxIniBytes "File too large", one saved as UTF-16 a request to save it as ANSI, when
// reading, and "Unable to write to <path>" when writing, with the system's reason on a line
// of its own; a refused write leaves the file as it was.
//
// Several instances of the program may share a working folder: a write holds an exclusive
// lock on "<file>.lock" from its read to its replace, so no change is lost between two
// instances; only those who may write the file may open its lock, and one held 10 seconds by
// another program fails the write. A read needs none: it reads the whole file at once, and a replace is atomic.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct IniEntry {
  std::string key;
  std::string value;
};

// Changes to one file, made in the order given and stored by IniFile::Apply in one atomic
// replace: a refused write, a kill or a power cut leaves all of them or none.
class IniChanges {
 public:
  IniChanges& WriteString(const std::string& section, const std::string& key,
                          const std::string& value);
  IniChanges& WriteInteger(const std::string& section, const std::string& key, int value);
  IniChanges& WriteBool(const std::string& section, const std::string& key, bool value);
  IniChanges& EraseSection(const std::string& section);

 private:
  friend class IniFile;
  struct Change {
    bool erase;
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Change> changes_;
};

class IniFile {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // The value of the first key of the first section of that name, unquoted and cut to 2047
  // characters; defaultValue when there is none.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // A whole trimmed decimal (or "0x"/"$" hexadecimal) 32-bit value; anything else gives
  // defaultValue.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // 0 is false, any other integer true, no integer gives defaultValue.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // The entries of the first section of that name in file order; a repeated key gives one
  // entry at its first place with its last value. Quotes are kept. A line without "=" is an
  // entry whose key and value are the whole line, so that the entries after it keep their
  // places.
  std::vector<IniEntry> ReadSection(const std::string& section) const;
  // Every section name in file order, repeats included, nameless sections left out.
  std::vector<std::string> ReadSectionNames() const;
  // Lines, trimmed, that would name a section but for a lost "[" or "]" ("[LAYOUTNAMES").
  std::vector<std::string> ReadDamagedHeaders() const;

  // Every change in one replace, or none when one is refused. Names or values that would
  // break the file's lines (CR or LF anywhere, "=" in a key) are refused with an AppError
  // before the file is touched. A file the changes leave as it was is not rewritten.
  void Apply(const IniChanges& changes);
  // Apply with changes made from the file as it is under the lock: current reads that
  // version and no other instance writes before the changes are stored.
  void Update(const std::function<IniChanges(const IniFile& current)>& makeChanges);
  // The file as it is now, read once: every read of the copy sees this one version.
  IniFile Snapshot() const;
  // One change each: a key replaced or added, or a section removed.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // Removes every section of that name with all its lines; no section, no change.
  void EraseSection(const std::string& section);

 private:
  IniFile(std::string path, std::string bytes) : path_(std::move(path)), bytes_(std::move(bytes)) {}
  // The file's bytes (a snapshot's own bytes); empty for a missing file. Throws "File access
  // denied".
  std::string Load() const;
  // Load for a write: an unreadable file raises the write error instead.
  std::string LoadForWrite() const;
  void Store(const std::string& bytes) const;
  [[noreturn]] void ThrowWriteError(const std::string& reason) const;
  [[noreturn]] void ThrowWriteError(int error) const;

  std::string path_;
  std::optional<std::string> bytes_;
};

inline constexpr int kIniValueMaxLength = 2047;
// A settings file is a few kilobytes; one far larger is refused with "File too large" rather
// than read again at every value.
inline constexpr uint64_t kMaxIniBytes = uint64_t{16} << 20;
