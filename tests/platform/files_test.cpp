#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/line_text.h"
#include "support/temp_dir.h"

namespace {
std::string ErrorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const AppError& error) {
    return error.what();
  }
  return "no error";
}
}  // namespace

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

TEST(Files, NoReaderWaitsOnAPipeOrReadsADeviceWithoutEnd) {
  TempDir dir;
  dir.MakePipe("pipe");
  std::filesystem::create_symlink("/dev/zero", dir.File("zero"));
  for (const std::string name : {"pipe", "zero"}) {
    const std::string path = dir.File(name);
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(path); }), "File access denied") << name;
    EXPECT_EQ(ErrorOf([&] { ReadFilePrefix(path, 10); }), "File access denied") << name;
    EXPECT_EQ(ErrorOf([&] { ReadLineText(path); }), "File access denied") << name;
    IniFile ini(path);
    EXPECT_EQ(ErrorOf([&] { ini.ReadSectionNames(); }), "File access denied") << name;
    EXPECT_EQ(ErrorOf([&] { ini.WriteString("s", "k", "v"); }), "Unable to write to " + path + "\nFile access denied");
  }
  EXPECT_EQ(std::filesystem::status(dir.File("pipe")).type(), std::filesystem::file_type::fifo);
}

TEST(Files, AFileLargerThanTheReaderTakesIsRefusedUnread) {
  TempDir dir;
  dir.Write("big", "");
  std::filesystem::resize_file(dir.File("big"), kMaxIniBytes + 1);  // sparse: costs no disk
  EXPECT_EQ(ErrorOf([&] { ReadWholeFile(dir.File("big"), kMaxIniBytes); }), "File too large");
  IniFile ini(dir.File("big"));
  EXPECT_EQ(ErrorOf([&] { ini.ReadString("s", "k", ""); }), "File too large");
  EXPECT_EQ(ErrorOf([&] { ini.WriteString("s", "k", "v"); }), "Unable to write to " + ini.Path() + "\nFile too large");
  EXPECT_EQ(std::filesystem::file_size(dir.File("big")), kMaxIniBytes + 1);
  dir.Write("fits", "12345");
  EXPECT_EQ(ReadWholeFile(dir.File("fits"), 5), "12345");
}
