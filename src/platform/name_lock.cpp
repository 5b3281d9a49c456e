#include "platform/name_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>

#include "platform/codepage.h"

namespace {
// A byte of the lock file per name: FNV-1a of its capitals, the same in every instance.
long long PlaceOf(const std::string& name) {
  uint64_t hash = 14695981039346656037u;
  for (const char c : UpperBytes(name)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  return static_cast<long long>(hash >> 2);  // a positive offset
}

// The byte at place, for a lock of type.
struct flock Range(short type, long long place) {
  struct flock range {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  range.l_start = place;
  range.l_len = 1;
  return range;
}

bool Lock(int fd, short type, long long place) {
  struct flock range = Range(type, place);
  // An open file's own lock, unlike a process's, is not dropped when another descriptor of
  // the file closes.
  return ::fcntl(fd, F_OFD_SETLK, &range) == 0;
}
}  // namespace

NameLock::NameLock(const std::string& lockPath) {
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  // Every learner of a shared folder must be able to take its locks, and nobody the folder
  // is not shared with: a folder only its group may write to gives the lock to that group.
  struct stat folder {};
  const std::string folderPath = std::filesystem::path(lockPath).parent_path().string();
  if (fd_ < 0 || ::stat(folderPath.empty() ? "." : folderPath.c_str(), &folder) != 0) return;
  if (folder.st_mode & S_IWOTH) {
    (void)::fchmod(fd_, 0666);
  } else if (folder.st_mode & S_IWGRP) {
    // Refused, the lock keeps its maker's group, as a file the group may not take.
    [[maybe_unused]] const int regrouped = ::fchown(fd_, static_cast<uid_t>(-1), folder.st_gid);
    (void)::fchmod(fd_, 0660);
  } else {
    (void)::fchmod(fd_, 0600);
  }
}

NameLock::~NameLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool NameLock::HeldElsewhere(const std::string& name) const {
  if (fd_ < 0) return false;
  struct flock range = Range(F_WRLCK, PlaceOf(name));
  return ::fcntl(fd_, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
}

bool NameLock::Hold(const std::string& name) {
  if (fd_ < 0) return true;
  if (held_ >= 0) Lock(fd_, F_UNLCK, held_);
  held_ = PlaceOf(name);
  if (Lock(fd_, F_WRLCK, held_)) return true;
  held_ = -1;
  return false;
}
