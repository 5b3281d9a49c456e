#include "platform/ini_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>

#include "platform/errors.h"
#include "support/child_process.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

using namespace std::string_literals;

namespace {
struct IniFileTest : ::testing::Test {
  TempDir dir;
  IniFile ini{dir.File("t.ini")};

  void Put(const std::string& bytes) { dir.Write("t.ini", bytes); }
  std::string Bytes() { return dir.Read("t.ini"); }
  std::string Get(const std::string& section, const std::string& key) {
    return ini.ReadString(section, key, "<none>");
  }
  std::string WriteErrorText(const std::function<void()>& action) {
    try {
      action();
    } catch (const AppError& error) {
      return error.what();
    }
    return "no error";
  }
};
}  // namespace

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndIsNotCreated) {
  EXPECT_EQ(Get("s", "k"), "<none>");
  EXPECT_TRUE(ini.ReadSection("s").empty());
  EXPECT_TRUE(ini.ReadSectionNames().empty());
  EXPECT_EQ(ini.ReadInteger("s", "k", 7), 7);
  EXPECT_FALSE(std::filesystem::exists(ini.Path()));
  ini.EraseSection("s");
  EXPECT_FALSE(std::filesystem::exists(ini.Path()));
}

TEST_F(IniFileTest, LinesAreTrimmedAndSplitAtAnyLineBreak) {
  Put("\xEF\xBB\xBF[a]\r\n \t k1 = v 1 \t\rk2=x\n\n[ b c ]junk\r\r\nk1=y\x1A\r\n");
  EXPECT_EQ(Get("a", "k1"), "v 1");
  EXPECT_EQ(Get("a", "k2"), "x");
  EXPECT_EQ(Get("b c", "k1"), "y");
  EXPECT_EQ(ini.ReadSectionNames(), (std::vector<std::string>{"a", "b c"}));
}

TEST_F(IniFileTest, CommentsHeadersAndKeysFollowTheOldRules) {
  Put("k=outside\n[s]\n;k=comment\n #x=1\nnoequals\nk2=\na=b ;c\n[t]x]\n"
      "[broken\nz=in t]x\n[]\nq=1\n");
  EXPECT_EQ(Get("s", "k"), "<none>");  // before any section, and the commented one
  EXPECT_EQ(Get("s", "#x"), "1");
  EXPECT_EQ(Get("s", "noequals"), "<none>");
  EXPECT_EQ(Get("s", "k2"), "");
  EXPECT_EQ(Get("s", "a"), "b ;c");
  EXPECT_EQ(Get("t]x", "z"), "in t]x");  // header up to the last "]", "[broken" is a line
  EXPECT_EQ(ini.ReadSectionNames(), (std::vector<std::string>{"s", "t]x"}));
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCaseAndFirstMatchWins) {
  Put("[Learner]\nKey=1\nkey=2\n[LEARNER]\nKey=3\nother=4\n[\xC4rger]\nk=5\n");
  EXPECT_EQ(Get("learner", "KEY"), "1");
  EXPECT_EQ(Get("Learner", "other"), "<none>");  // only the first section counts
  EXPECT_EQ(Get("\xE4RGER", "K"), "5");          // code page letters too
  EXPECT_EQ(ini.ReadSectionNames(), (std::vector<std::string>{"Learner", "LEARNER", "\xC4rger"}));
}

TEST_F(IniFileTest, OnePairOfQuotesIsRemovedAndLongValuesAreCut) {
  Put("[s]\nd=\"a b\"\ns='x'\nm=\"a'\none=\"\nin=a\"b\"\nlong=" + std::string(3000, 'v') + "\n");
  EXPECT_EQ(Get("s", "d"), "a b");
  EXPECT_EQ(Get("s", "s"), "x");
  EXPECT_EQ(Get("s", "m"), "\"a'");
  EXPECT_EQ(Get("s", "one"), "\"");
  EXPECT_EQ(Get("s", "in"), "a\"b\"");
  EXPECT_EQ(Get("s", "long"), std::string(2047, 'v'));
}

TEST_F(IniFileTest, SectionReadsKeepOrderAndMergeRepeatedKeys) {
  Put("[L]\nS1=us\nS2=\"uk\"\ns1=de\nS3=\nS4 fr.key\n[l]\nS9=no\n");
  const auto entries = ini.ReadSection("l");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[3].value, "S4 fr.key");  // the "=" lost: the line keeps its place
  EXPECT_EQ(entries[0].key, "S1");
  EXPECT_EQ(entries[0].value, "de");
  EXPECT_EQ(entries[1].value, "\"uk\"");
  EXPECT_EQ(entries[2].key, "S3");
  EXPECT_EQ(entries[2].value, "");
}

TEST_F(IniFileTest, IntegersAndBooleans) {
  Put("[s]\ndec=-42\nhex=0x1F\ndollar=$ff\nquoted=\"12\"\nplus=+7\nbad=12a\nempty=\n"
      "big=2147483648\nmin=-2147483648\nspace=1 2\nzero=0\nyes=5\n");
  EXPECT_EQ(ini.ReadInteger("s", "dec", 0), -42);
  EXPECT_EQ(ini.ReadInteger("s", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("s", "dollar", 0), 255);
  EXPECT_EQ(ini.ReadInteger("s", "quoted", 0), 12);
  EXPECT_EQ(ini.ReadInteger("s", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("s", "bad", 9), 9);
  EXPECT_EQ(ini.ReadInteger("s", "empty", 9), 9);
  EXPECT_EQ(ini.ReadInteger("s", "big", 9), 9);
  EXPECT_EQ(ini.ReadInteger("s", "min", 9), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("s", "space", 9), 9);
  EXPECT_FALSE(ini.ReadBool("s", "zero", true));
  EXPECT_TRUE(ini.ReadBool("s", "yes", false));
  EXPECT_TRUE(ini.ReadBool("s", "bad", true));
  EXPECT_FALSE(ini.ReadBool("s", "missing", false));
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileWithCrLf) {
  ini.WriteString("Learner", "Progress", "0");
  ini.WriteInteger("Learner", "TimeTotal", 5);
  ini.WriteBool("Other", "enablegame", true);
  EXPECT_EQ(Bytes(), "[Learner]\r\nProgress=0\r\nTimeTotal=5\r\n[Other]\r\nenablegame=1\r\n");
}

TEST_F(IniFileTest, WritingTouchesOnlyTheBytesItMust) {
  Put("; top\n\n[A]\n  Key = old ;x\n\x01junk\x00line\n\n[B]\nz=1\n\n\n[a]\nKey=second"s);
  const std::string before = Bytes();
  ini.WriteString("a", "KEY", "new");
  std::string expected = before;
  expected.replace(expected.find("  Key = old ;x"), 14, "Key=new");
  EXPECT_EQ(Bytes(), expected);

  ini.WriteString("A", "added", "v");  // after the last entry, before the blank line
  expected.insert(expected.find("Key=new\n") + 8, "added=v\r\n");
  EXPECT_EQ(Bytes(), expected);

  ini.WriteString("B", "y", "2");
  expected.insert(expected.find("z=1\n") + 4, "y=2\r\n");
  EXPECT_EQ(Bytes(), expected);

  ini.WriteString("C", "k", "v");  // new section: CR LF first, as the file has no final break
  expected += "\r\n[C]\r\nk=v\r\n";
  EXPECT_EQ(Bytes(), expected);
}

TEST_F(IniFileTest, NewKeysGoAfterTheHeaderOfAnEmptySection) {
  Put("[E]\r\n[F]\r\nx=1\r\n");
  ini.WriteString("e", "k", "v");
  EXPECT_EQ(Bytes(), "[E]\r\nk=v\r\n[F]\r\nx=1\r\n");
  Put("[E]");
  ini.WriteString("E", "k", "v");
  EXPECT_EQ(Bytes(), "[E]\r\nk=v\r\n");
}

TEST_F(IniFileTest, ErasingRemovesEverySectionOfThatNameUpToTheNextHeader) {
  // A repeat left behind would come back in the erased section's place.
  Put("[a]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n[b]\r\nz=3\r\n[c]\r\n[b]\r\nw=4");
  ini.EraseSection("b");
  EXPECT_EQ(Bytes(), "[a]\r\nx=1\r\n; note\r\n\r\n[c]\r\n");
  ini.EraseSection("c");
  EXPECT_EQ(Bytes(), "[a]\r\nx=1\r\n; note\r\n\r\n");
  ini.EraseSection("nothing");
  EXPECT_EQ(Bytes(), "[a]\r\nx=1\r\n; note\r\n\r\n");
}

TEST_F(IniFileTest, ValuesThatWouldInjectLinesAreRefused) {
  Put("[s]\r\nk=v\r\n");
  for (const auto& [section, key, value] : std::vector<std::array<std::string, 3>>{
           {"s", "k", "a\r\n[t]"}, {"s", "k\n", "v"}, {"s", "a=b", "v"}, {"s\r", "k", "v"}}) {
    EXPECT_NE(WriteErrorText([&] { ini.WriteString(section, key, value); }), "no error");
  }
  EXPECT_EQ(Bytes(), "[s]\r\nk=v\r\n");
  ini.WriteString("Tom]my", "k", "v");  // a header is read up to its last "]"
  EXPECT_EQ(Get("Tom]my", "k"), "v");
}

TEST_F(IniFileTest, AUtf16FileIsNeitherReadNorWrittenTo) {
  const std::string utf16("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0v\0"s);
  Put(utf16);
  EXPECT_EQ(WriteErrorText([&] { ini.ReadSectionNames(); }),
            ini.Path() + " is saved as UTF-16 (Unicode); save it as ANSI instead.\n");
  EXPECT_NE(WriteErrorText([&] { ini.WriteString("s", "k", "w"); }), "no error");
  EXPECT_EQ(Bytes(), utf16);
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsNeitherReadNorOverwritten) {
  std::filesystem::create_directory(ini.Path());
  std::filesystem::create_directory(ini.Path() + "/inside");
  EXPECT_EQ(WriteErrorText([&] { ini.ReadString("s", "k", ""); }), "File access denied");
  EXPECT_EQ(WriteErrorText([&] { ini.ReadSectionNames(); }), "File access denied");
  EXPECT_EQ(WriteErrorText([&] { ini.WriteString("s", "k", "v"); }),
            "Unable to write to " + ini.Path() + "\nFile access denied");
  EXPECT_EQ(WriteErrorText([&] { ini.EraseSection("s"); }),
            "Unable to write to " + ini.Path() + "\nFile access denied");
  EXPECT_TRUE(std::filesystem::is_directory(ini.Path() + "/inside"));
}

TEST_F(IniFileTest, AMissingFolderIsAWriteError) {
  IniFile nowhere(dir.File("t.ini") + "/under/a/file.ini");
  Put("x");
  EXPECT_EQ(nowhere.ReadString("s", "k", "d"), "d");
  EXPECT_EQ(WriteErrorText([&] { nowhere.WriteString("s", "k", "v"); }),
            "Unable to write to " + nowhere.Path() + "\nNot a directory");
}

TEST_F(IniFileTest, ARefusedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const std::string original = "[s]\r\nk=old\r\nbig=" + std::string(4000, 'o') + "\r\n";
  Put(original);
  {
    FullDisk full(100);  // the new file would be about 4000 bytes
    EXPECT_EQ(WriteErrorText([&] { ini.WriteString("s", "k", "new"); }),
              "Unable to write to " + ini.Path() + "\nFile too large");
  }
  EXPECT_EQ(Bytes(), original);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            2);                      // the file and its lock
  ini.WriteString("s", "k", "new");  // and writing works again afterwards
  EXPECT_EQ(Bytes(), "[s]\r\nk=new\r\nbig=" + std::string(4000, 'o') + "\r\n");
  std::filesystem::permissions(ini.Path(), std::filesystem::perms::owner_read);  // read-only
  EXPECT_THROW(ini.WriteString("s", "k", "newer"), AppError);
  EXPECT_EQ(Bytes(), "[s]\r\nk=new\r\nbig=" + std::string(4000, 'o') + "\r\n");
}

TEST_F(IniFileTest, ChangesAppliedTogetherAreAllOrNothing) {
  Put("; kept\r\n[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
  // The same bytes as the changes one by one, in one replace.
  ini.Apply(IniChanges().EraseSection("a").WriteString("c", "k", "v").WriteInteger("b", "y", 3));
  EXPECT_EQ(Bytes(), "; kept\r\n[b]\r\ny=3\r\n[c]\r\nk=v\r\n");
  const std::string before = Bytes();
  EXPECT_NE(WriteErrorText([&] {
              ini.Apply(IniChanges().EraseSection("b").WriteString("c", "k", "line\nbreak"));
            }),
            "no error");
  {
    FullDisk full(before.size() + 5);  // the erase alone would fit, the whole change not
    EXPECT_EQ(WriteErrorText([&] {
                ini.Apply(IniChanges().EraseSection("b").WriteString("c", "long", "0123456789"));
              }),
              "Unable to write to " + ini.Path() + "\nFile too large");
  }
  EXPECT_EQ(Bytes(), before);
}

TEST_F(IniFileTest, BinaryHugeAndBrokenFilesAreSurvivedAndKept) {
  std::string binary;
  for (int i = 0; i < 256 * 64; ++i) {
    const char byte = static_cast<char>(i * 7 % 256);
    if (byte != '\r' && byte != '\n') binary.push_back(byte);
  }
  const std::string longLine(1 << 20, 'x');
  std::string file = "[keep]\r\nbin=" + binary + "\r\n" + longLine + "\r\n[abc\r\n[a]junk\r\n";
  for (int i = 0; i < 2000; ++i) file += "[rep]\r\nk=" + std::to_string(i) + "\r\n";
  file += std::string(3 << 20, '\0') + "\x7f\x01";
  Put(file);

  EXPECT_EQ(Get("rep", "k"), "0");
  EXPECT_EQ(Get("a", "k"), "<none>");
  EXPECT_EQ(ini.ReadSectionNames().size(), 2002u);
  ini.WriteString("new", "k", "v");
  EXPECT_EQ(Bytes(), file + "\r\n[new]\r\nk=v\r\n");
  ini.EraseSection("new");
  EXPECT_EQ(Bytes(), file + "\r\n");
}

TEST_F(IniFileTest, TwoProcessesChangingTheFileLoseNothingOfEachOther) {
  const auto count = [this](const std::string& who) {
    for (int i = 0; i < 150; ++i) {
      ini.Update([&](const IniFile& current) {
        return IniChanges()
            .WriteInteger("s", "count", current.ReadInteger("s", "count", 0) + 1)
            .WriteInteger(who, std::to_string(i), i);
      });
    }
    return true;
  };
  const pid_t other = StartChild([&] { return count("b"); });
  count("a");
  EXPECT_EQ(ExitStatusOf(other), 0);
  EXPECT_EQ(ini.ReadInteger("s", "count", 0), 300);
  EXPECT_EQ(ini.ReadSection("a").size() + ini.ReadSection("b").size(), 300u);
}

TEST_F(IniFileTest, OnlyThoseWhoMayWriteTheFileMayHoldItsLockAndNoneForLong) {
  Put("[s]\r\nk=1\r\n");
  ASSERT_EQ(::chmod(ini.Path().c_str(), 0664), 0);
  ini.WriteString("s", "k", "2");
  const std::string lock = ini.Path() + ".lock";
  EXPECT_EQ(std::filesystem::status(lock).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
  const int holder = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);  // as one who may read it could
  EXPECT_EQ(WriteErrorText([&] { ini.WriteString("s", "k", "3"); }),
            "Unable to write to " + ini.Path() + "\nAnother program has held " + lock +
                " for 10 seconds.");
  ::close(holder);
  EXPECT_EQ(Get("s", "k"), "2");
}

TEST_F(IniFileTest, ANewFileTakesTheFoldersDefaultAccessListOverTheUmask) {
  // user::rwx group::rwx other::r-x, as "setfacl -d -m g::rwx" leaves a group's folder
  const char acl[] =
      "\2\0\0\0\1\0\7\0\377\377\377\377\4\0\7\0\377\377\377\377\40\0\5\0\377\377\377\377";
  if (::setxattr(dir.path().c_str(), "system.posix_acl_default", acl, sizeof acl - 1, 0) != 0)
    GTEST_SKIP() << "no access lists on this file system";
  const mode_t umask = ::umask(022);
  ini.WriteString("s", "k", "v");
  ::umask(umask);
  struct stat status {};
  ASSERT_EQ(::stat(ini.Path().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0664u);  // the group may write, as its learners must
}

TEST_F(IniFileTest, AReplacedFileKeepsItsAccessAndAFolderThatTakesNoFileIsWrittenInPlace) {
  Put("[s]\r\nk=1\r\n");
  ASSERT_EQ(::chown(ini.Path().c_str(), 65534, 100), 0);
  ASSERT_EQ(::chmod(ini.Path().c_str(), 0664), 0);
  dir.Write(".t.ini.saving-Ab12Cd", "left by a killed save");
  dir.Write(".t.ini.saving-Ef34Gh", "another instance's, being written");
  std::filesystem::last_write_time(
      dir.File(".t.ini.saving-Ab12Cd"),
      std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  ini.WriteString("s", "k", "2");
  struct stat status {};
  ASSERT_EQ(::stat(ini.Path().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0664u);
  EXPECT_EQ(std::make_pair(status.st_uid, status.st_gid), std::make_pair(65534u, 100u));
  EXPECT_FALSE(std::filesystem::exists(dir.File(".t.ini.saving-Ab12Cd")));
  EXPECT_TRUE(std::filesystem::exists(dir.File(".t.ini.saving-Ef34Gh")));

  // Another user (the file's owner) may write the file but not the folder.
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  EXPECT_EQ(InChild([this] {
              if (::setgid(100) != 0 || ::setuid(65534) != 0) return false;
              ini.WriteString("s", "k", "in place");
              return true;
            }),
            0);
  EXPECT_EQ(Bytes(), "[s]\r\nk=in place\r\n");
}
