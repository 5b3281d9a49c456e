#include "stats/stats_database.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <filesystem>
#include <memory>

#include "support/child_process.h"
#include "support/full_disk.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace {
using namespace std::string_literals;
constexpr int64_t kDay = 86400000;
constexpr int64_t kNoonOfDay100 = 100 * kDay + kDay / 2;

TypingResult Line(PracticeKind kind, int64_t chars, int64_t errors, int64_t timeMs,
                  int courseLine = 0) {
  TypingResult line;
  line.kind = kind;
  line.chars = chars;
  line.errors = errors;
  line.words = chars / 5;
  line.timeMs = timeMs;
  line.rates = ComputeRates(chars, errors, line.words, timeMs);
  line.courseLine = courseLine;
  return line;
}

// First attempts at expected, typed as typed; every fourth after a long pause.
std::vector<FirstAttempt> Attempts(const std::string& expected, const std::string& typed) {
  std::vector<FirstAttempt> attempts;
  for (size_t i = 0; i < expected.size(); ++i) {
    attempts.push_back({expected[i], typed[i], expected[i] != typed[i], i % 4 ? 100 : -1});
  }
  return attempts;
}

// A second connection of the test's own, to look into the file or to lock it.
class RawFile {
 public:
  explicit RawFile(const std::string& path) {
    db_ = QSqlDatabase::addDatabase("QSQLITE", "raw");
    db_.setDatabaseName(QString::fromStdString(path));
    db_.open();
  }
  ~RawFile() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase("raw");
  }
  QVariant Value(const QString& sql) {
    QSqlQuery query(db_);
    query.exec(sql);
    return query.next() ? query.value(0) : QVariant();
  }
  void Exec(const QString& sql) { QSqlQuery(db_).exec(sql); }

 private:
  QSqlDatabase db_;
};

struct StatsDatabaseTest : ::testing::Test {
  TempDir dir;
  ScriptedDialogs dialogs;
  std::string learner = "Anna";
  int64_t now = kNoonOfDay100;
  int64_t offset = 0;
  std::string path = dir.File(kStatsFileName);
  std::unique_ptr<StatsDatabase> db = Open();

  std::unique_ptr<StatsDatabase> Open() {
    return std::make_unique<StatsDatabase>(
        path, dialogs, [this] { return learner; },
        [this] {
          return WallTime{now, offset};
        });
  }
  bool FileExists() const { return std::filesystem::exists(path); }
  // The file as an older version left it.
  void MakeOlder(int version) {
    db.reset();
    RawFile raw(path);
    for (const char* table : {"attempt_keys", "attempt_pairs", "confusions"}) {
      raw.Exec(QString("DROP TABLE %1").arg(table));
    }
    raw.Exec(QString("PRAGMA user_version = %1").arg(version));
  }
};

TEST_F(StatsDatabaseTest, RecordsResultsNewestFirstUnderTheLearnersName) {
  EXPECT_TRUE(db->Learners().empty());
  EXPECT_FALSE(FileExists()) << "looking must not create the file";

  const TypingResult line = Line(PracticeKind::Course, 45, 3, 5390, 7);
  db->TypingFinished(line);
  EXPECT_TRUE(FileExists());
  now += 1000;
  GameResult game{3, 30, 10, 1234, 120000, 75, 15, 20};
  db->GameFinished(game);

  const auto results = db->LastResults("ANNA", 0, 10);  // any letter case finds her
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].kind, PracticeKind::Game);
  EXPECT_EQ(results[0].finishedUtcMs, kNoonOfDay100 + 1000);
  EXPECT_EQ(results[0].game.score, 1234);
  EXPECT_EQ(results[0].game.expectedWordsPerMinute, 20);
  EXPECT_EQ(results[1].kind, PracticeKind::Course);
  EXPECT_EQ(results[1].typing.rates.keysPerMinute, 500);
  EXPECT_EQ(results[1].typing.rates.accuracy, 93);
  EXPECT_EQ(results[1].typing.courseLine, 7);
  EXPECT_EQ(results[1].typing.timeMs, 5390);
  EXPECT_EQ(db->LastResults("Anna", static_cast<int>(PracticeKind::Game), 10).size(), 1u);
  EXPECT_EQ(db->LastResults("Anna", 0, 1).size(), 1u);
  EXPECT_EQ(db->Learners(), std::vector<std::string>{"Anna"});
  EXPECT_TRUE(dialogs.messages.empty());

  db.reset();
  RawFile raw(path);
  EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), kStatsSchemaVersion);
  EXPECT_EQ(raw.Value("PRAGMA journal_mode").toString(), "wal");
}

TEST_F(StatsDatabaseTest, DaysSumTheirResultsAndKeepTheFurthestCourseLine) {
  db->TypingFinished(Line(PracticeKind::Course, 40, 4, 6000, 3));
  db->TypingFinished(Line(PracticeKind::Course, 60, 0, 6000, 4));
  db->TypingFinished(Line(PracticeKind::Sentence, 50, 5, 10000));
  now += kDay;
  db->GameFinished(GameResult{5, 12, 4, 900, 60000, 75, 12, 16});
  db->TypingFinished(Line(PracticeKind::Paragraph, 100, 10, 20000));

  const auto all = db->Days("Anna", 0);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].day, 100);
  EXPECT_EQ(all[0].chars, 150);
  EXPECT_EQ(all[0].errors, 9);
  EXPECT_EQ(all[0].typingMs, 22000);
  EXPECT_EQ(all[0].courseLine, 4);
  EXPECT_EQ(all[1].day, 101);
  EXPECT_EQ(all[1].chars, 100);
  EXPECT_EQ(all[1].typingMs, 20000);
  EXPECT_EQ(all[1].hits, 12);
  EXPECT_EQ(all[1].lost, 4);
  EXPECT_EQ(all[1].gameMs, 60000);
  EXPECT_EQ(all[1].courseLine, 0);

  const auto course = db->Days("Anna", static_cast<int>(PracticeKind::Course));
  ASSERT_EQ(course.size(), 1u);
  EXPECT_EQ(course[0].chars, 100);
  // Noon UTC is already the next day thirteen hours east: the learner's day counts.
  offset = 13 * 3600000;
  now += kDay;
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 1000));
  EXPECT_EQ(db->Days("Anna", 0).back().day, 103);
  EXPECT_TRUE(db->Days("Bert", 0).empty());
}

TEST_F(StatsDatabaseTest, CharactersAreCountedWithTheNextRecordOrAFlush) {
  db->KeyTyped('a', false);
  db->KeyTyped('a', true);
  db->KeyTyped(' ', false);
  EXPECT_FALSE(FileExists());
  db->Flush();
  db->KeyTyped('a', true);
  db->TypingFinished(Line(PracticeKind::Free, 10, 1, 3000));
  db->Flush();  // nothing left: no write
  RawFile(path).Exec("INSERT INTO key_counts VALUES(1, 122, 0, 3)");  // damaged: left out

  const auto keys = db->Keys("Anna");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].ch, ' ');
  EXPECT_EQ(keys[0].expected, 1);
  EXPECT_EQ(keys[0].wrong, 0);
  EXPECT_EQ(keys[1].ch, 'a');
  EXPECT_EQ(keys[1].expected, 3);
  EXPECT_EQ(keys[1].wrong, 2);
}

TEST_F(StatsDatabaseTest, AttemptLinesGiveBackEachLinesFiguresOldestFirst) {
  TypingResult first = Line(PracticeKind::Course, 8, 1, 3000, 1);
  first.attempts = Attempts("the tea\xe9", "thr tea\xe9");
  TypingResult second = Line(PracticeKind::Adaptive, 2, 0, 1000);
  second.attempts = Attempts("ok", "ok");
  db->TypingFinished(first);
  db->TypingFinished(Line(PracticeKind::Paragraph, 10, 0, 3000));  // no attempts, no line
  db->TypingFinished(second);

  LineKeyFigures drilled = SumAttempts(second.attempts);
  drilled.drilled = true;
  EXPECT_EQ(db->AttemptLines("Anna"),
            (std::vector<LineKeyFigures>{SumAttempts(first.attempts), drilled}));
  EXPECT_EQ(RawFile(path).Value("SELECT max(ch) FROM attempt_keys").toInt(), 0xe9);
}

TEST_F(StatsDatabaseTest, AttemptsOlderThanTheLinesReadAreDroppedForThatLearnerOnly) {
  TypingResult line = Line(PracticeKind::Course, 2, 1, 1000, 1);
  line.attempts = Attempts("ab", "xb");
  learner = "Bert";
  db->TypingFinished(line);
  learner = "Anna";
  const int recorded = kRebuiltLines + 200;
  for (int i = 0; i < recorded; ++i) {
    line.attempts[1].typed = i % 2 ? 'b' : 'n';
    ++now;
    db->TypingFinished(line);
  }

  const std::vector<LineKeyFigures> read = db->AttemptLines("Anna");
  ASSERT_EQ(read.size(), static_cast<size_t>(kRebuiltLines));
  EXPECT_EQ(read.back(), SumAttempts(line.attempts));
  RawFile file(path);
  const int kept = file.Value("SELECT count(DISTINCT result_id) FROM attempt_keys").toInt();
  EXPECT_GT(kept, kRebuiltLines);
  EXPECT_LT(kept, recorded);
  for (const char* table : {"attempt_pairs", "confusions"}) {
    EXPECT_EQ(file.Value(QString("SELECT count(*) FROM %1 WHERE result_id NOT IN"
                                 " (SELECT result_id FROM attempt_keys)")
                             .arg(table))
                  .toInt(),
              0)
        << table;
  }
  EXPECT_EQ(db->AttemptLines("Bert").size(), 1u);
  EXPECT_EQ(db->LastResults("Anna", 0, recorded + 1).size(), static_cast<size_t>(recorded));
}

TEST_F(StatsDatabaseTest, DeletingALearnerTakesOnlyTheirHistory) {
  db->KeyTyped('q', true);
  TypingResult line = Line(PracticeKind::Sentence, 10, 1, 3000);
  line.attempts = Attempts("qa", "wa");
  db->TypingFinished(line);
  learner = "Bert";
  db->KeyTyped('q', false);
  db->TypingFinished(line);

  db->DeleteLearner("ANNA");
  db->DeleteLearner("Nobody");
  EXPECT_EQ(db->Learners(), std::vector<std::string>{"Bert"});
  EXPECT_TRUE(db->LastResults("Anna", 0, 10).empty());
  EXPECT_TRUE(db->Keys("Anna").empty());
  EXPECT_EQ(db->LastResults("Bert", 0, 10).size(), 1u);
  EXPECT_EQ(db->Keys("Bert").size(), 1u);
  EXPECT_EQ(db->AttemptLines("Bert").size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StatsDatabaseTest, AnEmptyFileIsMigratedToTheSchema) {
  dir.Write(kStatsFileName, "");
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(db->LastResults("Anna", 0, 10).size(), 1u);
}

// Each file the database cannot use: one warning naming the file and the reason, the file
// left byte for byte, and practice going on without a second message.
TEST_F(StatsDatabaseTest, AnUnusableFileIsReportedOnceAndLeftAsItIs) {
  // A real database to damage: cut short, and marked as written by a newer version.
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  db.reset();
  const std::string intact = dir.Read(kStatsFileName);
  ASSERT_GE(intact.size(), 4 * 4096u);
  const std::string newer = [&] {
    { RawFile(path).Exec("PRAGMA user_version = 99"); }
    return dir.Read(kStatsFileName);
  }();
  const std::string foreign = [&] {
    std::filesystem::remove(path);
    { RawFile(path).Exec("CREATE TABLE other(x)"); }
    return dir.Read(kStatsFileName);
  }();

  const struct {
    std::string bytes;
    std::string reason;
  } cases[] = {
      {"\x00\xff garbage that is no database at all, but long enough to have a header....."
       "..............................................."s,
       "the file is damaged or no database"},
      {intact.substr(0, intact.size() - 4096), "database disk image is malformed"},
      {intact.substr(0, 5000), "database disk image is malformed"},
      {newer, "the file comes from a newer version of the program"},
      {foreign, "the file holds the tables of another program"},
  };
  for (const auto& file : cases) {
    dir.Write(kStatsFileName, file.bytes);
    dialogs.messages.clear();
    db = Open();
    db->KeyTyped('a', true);
    db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
    db->GameFinished(GameResult{});
    EXPECT_TRUE(db->LastResults("Anna", 0, 10).empty());
    db->DeleteLearner("Anna");
    db->Flush();
    ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{StatsFailureText(path, file.reason)})
        << file.reason;
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(db->FailureReason(), file.reason);
    db.reset();
    EXPECT_EQ(dir.Read(kStatsFileName), file.bytes) << file.reason;
    EXPECT_FALSE(std::filesystem::exists(path + "-wal")) << file.reason;
  }
}

TEST_F(StatsDatabaseTest, AFolderThatCannotHoldTheFileIsReportedOnce) {
  dir.Write("plain", "a file, not a folder");
  path = dir.File("plain/qzstats.db");
  db = Open();
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Progress is not recorded in " + path +
                                                      ": unable to open database file. Practice "
                                                      "goes on."});

  dialogs.messages.clear();
  path = dir.File("folder");
  std::filesystem::create_directory(path);
  db = Open();
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{StatsFailureText(
                                 path, "something other than a file stands in its place")});
}

TEST_F(StatsDatabaseTest, AFileLockedByAnotherProgramIsGivenUpWithoutHarm) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  db.reset();
  RawFile other(path);
  other.Exec("BEGIN EXCLUSIVE");
  other.Exec("INSERT INTO learners(name, name_key) VALUES('Zoe', 'ZOE')");
  db = Open();
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));  // kept for the next
  db->Flush();  // the Progress window opening: kept all the same, and the rest still read
  EXPECT_EQ(db->LastResults(learner, 0, 10).size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  dialogs.answers = {MessageAnswer::Retry, MessageAnswer::Cancel};
  db->FlushLast();  // the program's end: still held, and tried again as the learner asks
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>(2, "The last results cannot be recorded in " +
                                                             path + ": database is locked."));
  other.Exec("COMMIT");
  EXPECT_EQ(other.Value("SELECT count(*) FROM results").toInt(), 1);
}
}  // namespace

TEST_F(StatsDatabaseTest, ResultsRefusedByAFullDiskAreToldOnceAndRecordedOnceThereIsRoom) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  {
    FullDisk full(std::filesystem::file_size(path + "-wal"));
    db->TypingFinished(Line(PracticeKind::Sentence, 20, 0, 3000));
    db->TypingFinished(Line(PracticeKind::Sentence, 30, 0, 3000));
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);  // told once
  db->TypingFinished(Line(PracticeKind::Sentence, 40, 0, 3000));
  EXPECT_EQ(db->LastResults(learner, 0, 10).size(), 4u);
}

TEST_F(StatsDatabaseTest, ARecordRefusedWhileAnotherInstanceHoldsTheFileIsWrittenWithTheNext) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  {
    RawFile other(path);
    other.Exec("BEGIN IMMEDIATE");  // held past the few seconds a record waits
    db->KeyTyped('a', true);
    db->TypingFinished(Line(PracticeKind::Sentence, 20, 1, 3000));
  }
  db->TypingFinished(Line(PracticeKind::Sentence, 30, 0, 3000));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(db->LastResults("Anna", 0, 10).size(), 3u);
  ASSERT_EQ(db->Keys("Anna").size(), 1u);
  EXPECT_EQ(db->Keys("Anna")[0].wrong, 1);
}

TEST_F(StatsDatabaseTest, ALearnerDeletedByAnotherInstanceLeavesNothingToTheNextLearner) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  {
    std::string other = "Anna";
    StatsDatabase elsewhere(path, dialogs, [&] { return other; }, [] { return WallTime{}; });
    elsewhere.DeleteLearner("Anna");
    db->TypingFinished(Line(PracticeKind::Sentence, 20, 0, 3000));  // late: dropped
    other = "Ben";
    elsewhere.TypingFinished(Line(PracticeKind::Sentence, 30, 0, 3000));
  }
  db->TypingFinished(Line(PracticeKind::Sentence, 40, 0, 3000));  // Anna anew
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_EQ(db->LastResults("Ben", 0, 10).size(), 1u);
  EXPECT_EQ(db->LastResults("Ben", 0, 10)[0].typing.chars, 30);
  ASSERT_EQ(db->LastResults("Anna", 0, 10).size(), 1u);
  EXPECT_EQ(db->LastResults("Anna", 0, 10)[0].typing.chars, 40);
}

TEST_F(StatsDatabaseTest, AFileOfTheFirstVersionKeepsItsLearnersAndResults) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  MakeOlder(1);
  db = Open();
  db->TypingFinished(Line(PracticeKind::Sentence, 20, 0, 3000));
  EXPECT_EQ(db->LastResults("Anna", 0, 10).size(), 2u);
  EXPECT_EQ(RawFile(path).Value("PRAGMA user_version").toInt(), kStatsSchemaVersion);
}

TEST_F(StatsDatabaseTest, AFileOfTheSecondVersionRecordsAttemptsOnceMigrated) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  MakeOlder(2);
  db = Open();
  TypingResult line = Line(PracticeKind::Sentence, 2, 1, 1000);
  line.attempts = Attempts("ok", "oj");
  db->TypingFinished(line);
  EXPECT_EQ(db->LastResults("Anna", 0, 10).size(), 2u);
  EXPECT_EQ(db->AttemptLines("Anna"), std::vector<LineKeyFigures>{SumAttempts(line.attempts)});
  EXPECT_EQ(RawFile(path).Value("PRAGMA user_version").toInt(), kStatsSchemaVersion);
}

TEST_F(StatsDatabaseTest, AFileWhoseCheckpointWasCutShortIsReadFromItsWalAndRecordedInto) {
  for (int line = 1; line <= 40; ++line) {
    db->TypingFinished(Line(PracticeKind::Course, 10, 0, 3000, line));
  }
  const std::string wal = dir.Read(std::string(kStatsFileName) + "-wal");
  db.reset();  // the checkpoint at the end copies every page into the file
  // Cut off after the first page, which already tells the new size; the pages are in the WAL.
  std::filesystem::resize_file(path, 4096);
  dir.Write(std::string(kStatsFileName) + "-wal", wal);
  db = Open();
  EXPECT_EQ(db->LastResults("Anna", 0, 100).size(), 40u);
  db->TypingFinished(Line(PracticeKind::Course, 10, 0, 3000, 41));
  EXPECT_EQ(db->LastResults("Anna", 0, 100).size(), 41u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StatsDatabaseTest, ACreationThatFindsTheDiskFullLeavesNoFileBehind) {
  {
    FullDisk full(0);
    db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
    db.reset();
  }
  EXPECT_EQ(dialogs.messages.size(), 1u);
  for (const char* end : {"", "-wal", "-shm"}) EXPECT_FALSE(std::filesystem::exists(path + end));
}

TEST_F(StatsDatabaseTest, ANewFileTakesWhatTheUmaskLeavesSoAGroupMayShareIt) {
  const mode_t old = ::umask(002);
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  db.reset();
  ::umask(old);
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::group_write,
            std::filesystem::perms::group_write);
}

// Another learner of a shared installation reads a database they may not write, and leaves
// no files of theirs beside it that would lock its owner out.
TEST_F(StatsDatabaseTest, AFileThisUserMayNotWriteIsReadWithNothingPutBesideIt) {
  db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
  db.reset();
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  EXPECT_EQ(InChild([this] {
              if (::setgid(65534) != 0 || ::setuid(65534) != 0) return false;
              db = Open();
              const bool read = db->LastResults("Anna", 0, 10).size() == 1;
              db->TypingFinished(Line(PracticeKind::Sentence, 20, 0, 3000));
              db->TypingFinished(Line(PracticeKind::Sentence, 20, 0, 3000));  // told once
              return read && db->LastResults("Anna", 0, 10).size() == 1 &&
                     dialogs.Texts() == std::vector<std::string>{StatsFailureText(
                                            path, "attempt to write a readonly database")};
            }),
            0);
  EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
  EXPECT_FALSE(std::filesystem::exists(path + "-shm"));

  // Their own file in a folder that takes no new file (no room for its journal): read too.
  ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  EXPECT_EQ(InChild([this] {
              if (::setgid(65534) != 0 || ::setuid(65534) != 0) return false;
              dialogs.messages.clear();
              db = Open();
              db->TypingFinished(Line(PracticeKind::Sentence, 20, 0, 3000));
              return db->LastResults("Anna", 0, 10).size() == 1 &&
                     dialogs.Texts() == std::vector<std::string>{StatsFailureText(
                                            path, "its folder takes no new files")};
            }),
            0);
}

TEST_F(StatsDatabaseTest, TwoInstancesMakingTheFileAtOnceBothRecord) {
  for (int round = 0; round < 20; ++round) {
    path = dir.File("round" + std::to_string(round) + ".db");
    db.reset();  // no connection of the test's own handed down to the instances
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    const auto instance = [&](const std::string& name) {
      return StartChild([&] {
        char go = 0;
        if (::read(start[0], &go, 1) != 1) return false;
        learner = name;
        db = Open();
        db->TypingFinished(Line(PracticeKind::Sentence, 10, 0, 3000));
        return dialogs.messages.empty();
      });
    };
    const pid_t first = instance("Anna");
    const pid_t second = instance("Ben");
    ASSERT_EQ(::write(start[1], "go", 2), 2);
    EXPECT_EQ(ExitStatusOf(first), 0) << round;
    EXPECT_EQ(ExitStatusOf(second), 0) << round;
    ::close(start[0]);
    ::close(start[1]);
    db = Open();
    EXPECT_EQ(db->Learners(), (std::vector<std::string>{"Anna", "Ben"})) << round;
  }
}
