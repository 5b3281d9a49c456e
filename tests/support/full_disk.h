#pragma once
// Makes writes past a few bytes fail as on a full disk, for the life of the object. Root
// ignores permission bits, but not the file size limit.
#include <sys/resource.h>

#include <csignal>

struct FullDisk {
  explicit FullDisk(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved); }
  rlimit saved{};
};
