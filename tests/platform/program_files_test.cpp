#include "platform/program_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

TEST(ProgramFiles, ShippedFilesAreFoundBesideTheProgramOrUnderItsPrefix) {
  TempDir dir;
  dir.Write("translations", "");
  EXPECT_EQ(ShippedPath(dir.path(), "translations", "share/t"), dir.File("translations"));
  EXPECT_EQ(ShippedPath(dir.path(), "libm.so", "lib/q/libm.so"), dir.path() + "/../lib/q/libm.so");
}
