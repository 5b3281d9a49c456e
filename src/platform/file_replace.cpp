#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>

#include "platform/files.h"

namespace fs = std::filesystem;

namespace {
std::string FolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return folder.empty() ? "." : folder.string();
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

// A step that may fail: what this user may not give is left as it was.
void Tried(int) {}

// The replaced file's mode, group and access list go to its replacement.
void CopyAccess(const std::string& from, int to) {
  struct stat status {};
  if (::stat(from.c_str(), &status) != 0) return;
  Tried(::fchown(to, static_cast<uid_t>(-1), status.st_gid));
  if (::geteuid() == 0) Tried(::fchown(to, status.st_uid, static_cast<gid_t>(-1)));
  Tried(::fchmod(to, status.st_mode & 07777));
  char acl[4096];
  const ssize_t size = ::getxattr(from.c_str(), "system.posix_acl_access", acl, sizeof acl);
  if (size > 0)
    Tried(::fsetxattr(to, "system.posix_acl_access", acl, static_cast<size_t>(size), 0));
}

// An interrupted save leaves its temporary file; the next save removes it.
std::string TemporaryPrefix(const std::string& target) {
  return "." + fs::path(target).filename().string() + ".saving-";
}

// The temporary file beside target, opened for writing; its name goes to path. It is
// rw------- until it takes the replaced file's access; a new file is made as open() makes
// one, with what the umask leaves of rw-rw-rw- or the folder's default access list.
int CreateTemporary(const std::string& target, bool newFile, std::string& path) {
  static constexpr char kNameChars[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  for (int tries = 0; tries < 100; ++tries) {
    path = FolderOf(target) + "/" + TemporaryPrefix(target);
    for (int i = 0; i < 6; ++i) path += kNameChars[random() % (sizeof kNameChars - 1)];
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                          newFile ? 0666 : 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Temporaries a killed save left, not one another instance is writing at this moment (two
// starting at once seed the same folder): only those untouched for a minute.
void RemoveLeftoverTemporaries(const std::string& target) {
  const std::string prefix = TemporaryPrefix(target);
  const auto stale = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(FolderOf(target), error)) {
    if (entry.path().filename().string().starts_with(prefix) &&
        fs::last_write_time(entry.path(), error) < stale && !error) {
      fs::remove(entry.path(), error);
    }
  }
}

int WriteInPlace(const std::string& target, const std::string& bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return errno;
  // The room is taken before a byte changes, so a full disk leaves the old file whole.
  int error = ::posix_fallocate(fd, 0, static_cast<off_t>(std::max<size_t>(bytes.size(), 1)));
  if (error == EOPNOTSUPP || error == EINVAL) error = 0;
  if (error == 0 && (!WriteAll(fd, bytes) ||
                     ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0)) {
    error = errno;
  }
  ::close(fd);
  return error;
}
}  // namespace

std::string WrittenPath(const std::string& path) {
  std::error_code error;
  const fs::path target = fs::canonical(path, error);
  return error ? path : target.string();
}

int ReplaceFile(const std::string& path, const std::string& bytes) {
  const std::string target = WrittenPath(path);
  // A file made read-only stays as it is, as a direct write would leave it; replacing it
  // through the folder would not ask the file.
  struct stat status {};
  const bool newFile = ::stat(target.c_str(), &status) != 0;
  if (!newFile) {
    if ((status.st_mode & 0222) == 0) return EACCES;
    // The system's reason: a read-only file system is no matter of the file's mode.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  }
  RemoveLeftoverTemporaries(target);
  std::string temporary;
  const int fd = CreateTemporary(target, newFile, temporary);
  if (fd < 0) {
    const int error = errno;
    // A writable file in a folder that takes no new file is written where it is.
    if ((error == EACCES || error == EPERM) && FileExists(target))
      return WriteInPlace(target, bytes);
    return error;
  }
  if (!newFile) CopyAccess(target, fd);
  int error = 0;
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return error;
  }
  const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return 0;
  // Some file systems do not sync folders (EINVAL); the rename itself has happened then.
  error = ::fsync(folder) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
  ::close(folder);
  return error;
}
