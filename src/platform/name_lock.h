#pragma once
// NameLock: a name held by one running instance of the program among those sharing a lock
// file, such as the learner it runs for: another instance cannot hold the same name until the
// first lets it go or ends, killed or not. Names are compared without regard to case. Where
// the lock file cannot be opened for writing, every name is free.
#include <string>

class NameLock {
 public:
  explicit NameLock(const std::string& lockPath);
  ~NameLock();
  NameLock(const NameLock&) = delete;
  NameLock& operator=(const NameLock&) = delete;

  // Holds name in place of the name held before; false, holding nothing, when another
  // instance holds it.
  bool Hold(const std::string& name);
  // Whether another instance holds name.
  bool HeldElsewhere(const std::string& name) const;

 private:
  int fd_ = -1;
  long long held_ = -1;  // the byte of the lock file that stands for the held name
};
