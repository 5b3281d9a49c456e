#pragma once
// Reading the files a person can put in the working folder. File names from INI files were
// written on a case-insensitive system: a bare name that does not exist as written is looked
// up in its folder without regard to case. Every reader opens through InputFile, so a pipe or
// device in place of a file is refused at once, and each reader caps how much it reads.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A regular file opened for reading. Opening never waits: a pipe (which would wait for a
// writer), a device (which may never end), a folder or a socket is refused before a byte is
// read.
class InputFile {
 public:
  // Throws AppError "File not found" or "File access denied".
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  // The size when opened.
  uint64_t Size() const { return size_; }
  // Up to n bytes; fewer only at the end of the file. Throws AppError "File access denied".
  size_t Read(char* into, size_t n);

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

// No file the program reads is anywhere near this large.
inline constexpr uint64_t kMaxReadBytes = uint64_t{1} << 30;

// dir + "/" + name, with name matched without regard to case when it does not exist as
// written; an absolute name is kept. The path is returned even when nothing matches.
std::string ResolvePath(const std::string& dir, const std::string& name);
bool FileExists(const std::string& path);
// Names (without folder) of the regular files in dir whose extension is ext ("txt"), compared
// without regard to case, sorted by name without regard to case.
std::vector<std::string> ListFilesWithExtension(const std::string& dir, const std::string& ext);
// The whole file; throws AppError "File not found", "File access denied" or, when it holds more
// than maxBytes, "File too large".
std::string ReadWholeFile(const std::string& path, uint64_t maxBytes = kMaxReadBytes);
// The first maxBytes of a file (or less when shorter); "File not found" or "File access denied".
std::string ReadFilePrefix(const std::string& path, size_t maxBytes);
