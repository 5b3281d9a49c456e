#include "platform/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/child_process.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

TEST(ProgramFiles, ShippedFilesAreFoundBesideTheProgramOrUnderItsPrefix) {
  TempDir dir;
  dir.Write("translations", "");
  EXPECT_EQ(ShippedPath(dir.path(), "translations", "share/t"), dir.File("translations"));
  EXPECT_EQ(ShippedPath(dir.path(), "libm.so", "lib/q/libm.so"), dir.path() + "/../lib/q/libm.so");
}

TEST(ProgramFiles, AFolderWithTheProgramsFilesIsKeptAsItIs) {
  TempDir current, seed, home;
  current.Write("qz.ini", "mine");
  seed.Write("qz.ini", "shipped");
  seed.Write("qz.txt", "text");
  const WorkFolder chosen = ChooseWorkFolder("", current.path(), home.path(), seed.path());
  EXPECT_EQ(chosen.path, current.path());
  EXPECT_EQ(chosen.error, "");
  EXPECT_FALSE(std::filesystem::exists(current.File("qz.txt")));
  // Not so the folder of the shipped files, started from as root in the installation.
  EXPECT_NE(ChooseWorkFolder("", seed.path(), home.path(), seed.path()).path, seed.path());
  // Nor one where the learner could save nothing.
  for (const TempDir* dir : {&current, &home}) ::chmod(dir->path().c_str(), 0755);
  ::chmod(home.path().c_str(), 0777);
  EXPECT_EQ(InChild([&] {
              return ::setuid(65534) == 0 &&
                     ChooseWorkFolder("", current.path(), home.path(), seed.path()).path ==
                         home.File("qz-typing-tutor");
            }),
            0);
}

TEST(ProgramFiles, TheLearnersFolderIsCreatedAndSeededWithoutOverwriting) {
  TempDir current, seed, home;
  seed.Write("qz.ini", "shipped");
  seed.Write("qzc.ini", "shipped");
  std::filesystem::create_directory(seed.File("translations"));
  const std::string folder = home.File("qz-typing-tutor");
  std::filesystem::create_directory(folder);
  home.Write("qz-typing-tutor/qzc.ini", "progress");  // the learner's own

  const WorkFolder chosen = ChooseWorkFolder("", current.path(), home.path(), seed.path());
  EXPECT_EQ(chosen.path, folder);
  EXPECT_EQ(chosen.error, "");
  EXPECT_EQ(home.Read("qz-typing-tutor/qz.ini"), "shipped");
  EXPECT_EQ(home.Read("qz-typing-tutor/qzc.ini"), "progress");
  EXPECT_FALSE(std::filesystem::exists(folder + "/translations"));

  // --folder names another one, seeded alike.
  EXPECT_EQ(ChooseWorkFolder(current.File("other/"), current.path(), home.path(), seed.path()).path,
            current.File("other"));
  EXPECT_EQ(current.Read("other/qz.ini"), "shipped");
  EXPECT_EQ(std::filesystem::status(current.File("other")).permissions(),
            std::filesystem::perms::owner_all);  // a folder made for a learner is theirs alone
}

TEST(ProgramFiles, ANewerProgramRefreshesTheCopiesNobodyChangedButNotTheSettings) {
  TempDir current, seed, home;
  for (const char* name : {"qz.ini", "qzhelp.rtf", "qz.txt"}) seed.Write(name, "old");
  ChooseWorkFolder("", current.path(), home.path(), seed.path());
  home.Write("qz-typing-tutor/qz.txt", "the teacher's");
  for (const char* name : {"qz.ini", "qzhelp.rtf", "qz.txt"}) seed.Write(name, "new");
  EXPECT_EQ(ChooseWorkFolder("", current.path(), home.path(), seed.path()).error, "");
  EXPECT_EQ(home.Read("qz-typing-tutor/qzhelp.rtf"), "new");
  EXPECT_EQ(home.Read("qz-typing-tutor/qz.txt"), "the teacher's");
  EXPECT_EQ(home.Read("qz-typing-tutor/qz.ini"), "old");

  // A copy that cannot be replaced stays, and the program starts.
  seed.Write("qzhelp.rtf", "newer");
  FullDisk full(2);
  EXPECT_EQ(ChooseWorkFolder("", current.path(), home.path(), seed.path()).error, "");
  EXPECT_EQ(home.Read("qz-typing-tutor/qzhelp.rtf"), "new");
}

TEST(ProgramFiles, AFileThatCannotBeCopiedWholeIsNotLeftCutShort) {
  TempDir current, seed, home;
  seed.Write("qz.ini", std::string(64, 'x'));
  {
    FullDisk full(16);
    EXPECT_NE(ChooseWorkFolder("", current.path(), home.path(), seed.path()).error, "");
  }
  EXPECT_FALSE(std::filesystem::exists(home.File("qz-typing-tutor/qz.ini")));
  EXPECT_EQ(ChooseWorkFolder("", current.path(), home.path(), seed.path()).error, "");
  EXPECT_EQ(home.Read("qz-typing-tutor/qz.ini"), std::string(64, 'x'));
  // A folder with the program's files is worked in, though a new file could not be copied.
  seed.Write("qz-new.txt", std::string(64, 'y'));
  FullDisk full(16);
  EXPECT_EQ(ChooseWorkFolder("", current.path(), home.path(), seed.path()).error, "");
}

TEST(ProgramFiles, AFolderThatCannotBePreparedIsNamed) {
  TempDir current, home;
  home.Write("file", "");
  EXPECT_EQ(ChooseWorkFolder(home.File("file/sub"), current.path(), home.path(), "/nowhere").error,
            "The working folder " + home.File("file/sub") +
                " cannot be prepared: Not a directory. Another folder can be named with "
                "--folder <path>.");
  EXPECT_EQ(ChooseWorkFolder("", current.path(), home.path(), "/nowhere").error,
            "The working folder " + home.File("qz-typing-tutor") +
                " lacks the program's files, and /nowhere has none to copy into it.");
}
