#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/translation.h"

namespace fs = std::filesystem;

std::string ResolvePath(const std::string& dir, const std::string& name) {
  if (!name.empty() && name.front() == '/') return name;
  const std::string direct = dir.empty() ? name : dir + "/" + name;
  std::error_code error;
  if (name.empty() || fs::exists(direct, error)) return direct;
  if (name.find('/') != std::string::npos) return direct;
  for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, error)) {
    const std::string candidate = entry.path().filename().string();
    if (EqualsIgnoreCase(candidate, name)) return dir.empty() ? candidate : dir + "/" + candidate;
  }
  return direct;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

std::vector<std::string> ListFilesWithExtension(const std::string& dir, const std::string& ext) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    const std::string suffix = "." + ext;
    if (name.size() > suffix.size() &&
        EqualsIgnoreCase(name.substr(name.size() - suffix.size()), suffix)) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return UpperBytes(a) < UpperBytes(b);
  });
  return names;
}

InputFile::InputFile(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe waits until something writes to it.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    throw AppError(errno == ENOENT || errno == ENOTDIR ? Translated("Errors", kFileNotFound)
                                                       : Translated("Errors", kFileAccessDenied));
  }
  // Checked on what was opened, not on the name, so nothing can be swapped in between.
  struct stat status {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd_);
    throw AppError(Translated("Errors", kFileAccessDenied));
  }
  size_ = static_cast<uint64_t>(status.st_size);
}

InputFile::~InputFile() {
  ::close(fd_);
}

size_t InputFile::Read(char* into, size_t n) {
  size_t got = 0;
  while (got < n) {
    const ssize_t count = ::read(fd_, into + got, n - got);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      throw AppError(Translated("Errors", kFileAccessDenied));
    }
    got += static_cast<size_t>(count);
  }
  return got;
}

namespace {
// Never more than maxBytes, even from a file that grows while it is read.
std::string ReadUpTo(InputFile& file, uint64_t maxBytes) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(std::min(file.Size(), maxBytes)));
  char chunk[1 << 16];
  while (bytes.size() < maxBytes) {
    const size_t got = file.Read(
        chunk, static_cast<size_t>(std::min<uint64_t>(sizeof chunk, maxBytes - bytes.size())));
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return bytes;
}
}  // namespace

std::string ReadFilePrefix(const std::string& path, size_t maxBytes) {
  InputFile file(path);
  return ReadUpTo(file, maxBytes);
}

std::string ReadWholeFile(const std::string& path, uint64_t maxBytes) {
  InputFile file(path);
  if (file.Size() > maxBytes) throw AppError(Translated("Errors", kFileTooLarge));
  return ReadUpTo(file, maxBytes);
}
