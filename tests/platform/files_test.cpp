#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "support/temp_dir.h"

TEST(Files, BareNamesAreFoundWithoutRegardToCase) {
  TempDir dir;
  dir.Write("us.key", "x");
  EXPECT_EQ(ResolvePath(dir.path(), "US.KEY"), dir.File("us.key"));
  EXPECT_EQ(ResolvePath(dir.path(), "us.key"), dir.File("us.key"));
  EXPECT_EQ(ResolvePath(dir.path(), "none.key"), dir.File("none.key"));
  EXPECT_EQ(ResolvePath(dir.path(), "/abs/x.key"), "/abs/x.key");
}

TEST(Files, ListsMatchingFilesSortedWithoutRegardToCase) {
  TempDir dir;
  dir.Write("b.TXT", "");
  dir.Write("A.txt", "");
  dir.Write("c.key", "");
  std::filesystem::create_directory(dir.File("d.txt"));
  const std::vector<std::string> expected = {"A.txt", "b.TXT"};
  EXPECT_EQ(ListFilesWithExtension(dir.path(), "txt"), expected);
}

TEST(Files, ReadingReportsMissingAndUnreadableFiles) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder"));
  try {
    ReadWholeFile(dir.File("missing"));
    ADD_FAILURE();
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  try {
    ReadWholeFile(dir.File("folder"));
    ADD_FAILURE();
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
  dir.Write("f", std::string("a\0b", 3));
  EXPECT_EQ(ReadWholeFile(dir.File("f")), std::string("a\0b", 3));
  EXPECT_EQ(ReadFilePrefix(dir.File("f"), 2), std::string("a\0", 2));
}
