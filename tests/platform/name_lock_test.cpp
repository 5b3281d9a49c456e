#include "platform/name_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/child_process.h"
#include "support/temp_dir.h"

TEST(NameLock, ANameHeldByAnotherProcessIsRefusedUntilItEnds) {
  TempDir dir;
  const std::string path = dir.File("names.lock");
  int ready[2], done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t other = StartChild([&] {
    NameLock lock(path);
    const char held = lock.Hold("Anna") ? 'y' : 'n';
    (void)::write(ready[1], &held, 1);
    char end = 0;
    (void)::read(done[0], &end, 1);
    return true;
  });
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 'y');
  NameLock lock(path);
  EXPECT_TRUE(lock.HeldElsewhere("anna"));
  EXPECT_FALSE(lock.Hold("ANNA"));
  EXPECT_TRUE(lock.Hold("Ben"));
  EXPECT_FALSE(lock.HeldElsewhere("Ben"));  // held here
  EXPECT_TRUE(lock.Hold("Carl"));  // and Ben is let go
  NameLock third(path);
  EXPECT_TRUE(third.Hold("Ben"));
  (void)::write(done[1], "x", 1);
  EXPECT_EQ(ExitStatusOf(other), 0);
  EXPECT_TRUE(lock.Hold("Anna"));
}

TEST(NameLock, OnlyThoseAFolderIsSharedWithMayTakeItsLocks) {
  TempDir dir;
  namespace fs = std::filesystem;
  fs::permissions(dir.path(),
                  fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  { NameLock own(dir.File("own.lock")); }
  EXPECT_EQ(fs::status(dir.File("own.lock")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_all);
  { NameLock group(dir.File("group.lock")); }
  EXPECT_EQ(fs::status(dir.File("group.lock")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::group_write);
  fs::permissions(dir.path(), fs::perms::all);
  { NameLock shared(dir.File("shared.lock")); }
  EXPECT_EQ(fs::status(dir.File("shared.lock")).permissions() & fs::perms::others_write,
            fs::perms::others_write);
}
