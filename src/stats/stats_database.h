#pragma once
// StatsDatabase: the learners' practice history in an SQLite file (qzstats.db in the working
// folder), written as the learner practises and read by the Progress window.
//
// The file is created at the first record, never merely by looking. Each record is one short
// transaction that also adds the result to its day's sums, so that a chart of years of practice
// reads a row per day; the characters typed are counted in memory and written with the next
// record (or by Flush), so typing never waits on the disk. One connection, on the window
// thread.
//
// Nothing here may cost the learner practice or data: when the file cannot be used (a folder
// that cannot be written, a damaged or newer file) the first failure is shown once, naming the
// file and the reason, every later call does nothing, and the file is left as it is. A file
// another instance holds is waited for a few seconds; a record refused even then is kept and
// written with the next one. Several instances may record into one file: it is created and
// migrated in one transaction.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/game_recorder.h"
#include "platform/dialogs.h"
#include "practice/key_mastery.h"
#include "practice/practice_recorder.h"

inline constexpr const char* kStatsFileName = "qzstats.db";
inline constexpr int kStatsSchemaVersion = 3;
// The newest lines a learner's key state is rebuilt from: each attempt weighs less than the
// next, so older lines no longer count, and reading them all kept a long history waiting.
inline constexpr int kRebuiltLines = 1000;

// The time a result is recorded at: UTC, and the local zone's offset then, which decides the
// learner's day.
struct WallTime {
  int64_t utcMs = 0;  // since 1970 UTC
  int64_t offsetMs = 0;
};

// One day's results of a learner, summed; days count from 1970-01-01 in the learner's time.
struct DayFigures {
  int64_t day = 0;
  // Lines and drills.
  int64_t chars = 0;
  int64_t errors = 0;
  int64_t words = 0;
  int64_t typingMs = 0;
  // Games.
  int64_t hits = 0;
  int64_t lost = 0;
  int64_t gameMs = 0;
  // The furthest course line finished that day; 0 without course lines.
  int courseLine = 0;
};

// One stored result as the learner was shown it; the fields of the other kind are 0.
struct StoredResult {
  PracticeKind kind = PracticeKind::Sentence;
  int64_t finishedUtcMs = 0;
  TypingResult typing;
  GameResult game;
};

// How often a character was expected and how often it was typed wrong.
struct KeyFigures {
  unsigned char ch = 0;
  int64_t expected = 0;
  int64_t wrong = 0;
};

class StatsDatabase final : public PracticeRecorder, public GameRecorder {
 public:
  using Now = std::function<WallTime()>;
  using Learner = std::function<std::string()>;  // the learner being recorded

  StatsDatabase(std::string path, Dialogs& dialogs, Learner learner, Now now);
  ~StatsDatabase() override;
  StatsDatabase(const StatsDatabase&) = delete;
  StatsDatabase& operator=(const StatsDatabase&) = delete;

  void TypingFinished(const TypingResult& result) override;
  void GameFinished(const GameResult& result) override;
  void KeyTyped(char expected, bool wrong) override;
  // Writes the characters counted and the results kept since the last record; while another
  // program holds the file, they stay kept.
  void Flush();
  // The same at the program's end: what is still kept then is offered to be tried again, or
  // given up.
  void FlushLast();
  // The learner's results and character counts go; names compare without regard to case.
  void DeleteLearner(const std::string& name);

  // Learners with anything recorded, sorted without regard to case.
  std::vector<std::string> Learners();
  // kind: a PracticeKind's number, or 0 for all. Days in order, oldest first.
  std::vector<DayFigures> Days(const std::string& learner, int kind);
  // The newest results first, at most limit.
  std::vector<StoredResult> LastResults(const std::string& learner, int kind, int limit);
  std::vector<KeyFigures> Keys(const std::string& learner);
  // The learner's newest kRebuiltLines typing lines recorded with their first attempts,
  // oldest first, as SumAttempts summed them: what the learner's KeyMastery is rebuilt from.
  std::vector<LineKeyFigures> AttemptLines(const std::string& learner);

  // Empty while the file is usable (or not yet made); otherwise why it is not, or why the last
  // reading was refused while another program held the file.
  const std::string& FailureReason() const { return failure_.empty() ? held_ : failure_; }
  const std::string& Path() const { return path_; }

 private:
  enum class State { Closed, Open, Failed };
  // Opens the file at first use; create: also when it does not exist yet.
  bool Ready(bool create);
  bool OpenFile();
  void RemoveEmptyFiles(const QString& file);
  // The schema version of the file; false (error_ says why) for a file of another program or
  // a newer version.
  bool ReadVersion(int& version);
  // An existing file's tables of results and sums are intact; false (error_ says why) when not.
  bool CheckTables();
  // Runs work in one transaction, rolled back when it fails (error_ then says why).
  bool Transaction(const std::function<bool()>& work);
  // The same, with a failure shown and the file given up.
  bool InTransaction(const std::function<bool()>& work);
  bool Exec(const QString& sql);
  bool Run(QSqlQuery& query);
  // Keeps why a statement failed in error_ and busy_.
  void Failed(const QSqlError& error);
  void Fail(const std::string& reason);
  // After a reading: one that failed gives the file up, unless another program held it.
  void AfterReading(bool ran);
  // Runs sql, whose first placeholder is the learner's id and the others values, and hands
  // each row to row; nothing when the file or the learner is unknown.
  void SelectOf(const std::string& learner, const char* sql, std::initializer_list<QVariant> values,
                const std::function<void(const QSqlQuery&)>& row);
  // The statement of sql, prepared once per connection (recording is the hot path).
  QSqlQuery& Prepared(const char* sql);
  void Close();
  // The learner's row id; 0 when unknown, -1 when the lookup failed. create: insert the
  // learner when missing.
  int64_t LearnerId(const std::string& name, bool create);
  bool WritePendingKeys(int64_t learnerId);
  bool Record(StoredResult result);
  // The results not written yet and the characters typed, in one transaction. A file busy
  // past the wait keeps them for the next try; any other failure gives the file up.
  bool WriteUnwritten();
  bool Insert(int64_t learnerId, int64_t day, const StoredResult& result);
  // A typing line's first attempts, summed, under its results row.
  bool InsertAttempts(int64_t resultId, const std::vector<FirstAttempt>& attempts);
  // Drops the attempts of some of the learner's lines older than the newest kRebuiltLines.
  bool DropUnreadAttempts(int64_t learnerId);
  // Adds the result to the sums of its learner, kind and day.
  bool AddToDay(int64_t learnerId, int64_t day, const StoredResult& result);

  std::string path_;
  Dialogs& dialogs_;
  Learner learner_;
  Now now_;
  State state_ = State::Closed;
  std::string failure_;
  std::string held_;   // why the file was refused at its last use while another program held it
  std::string error_;  // the last statement's failure
  bool busy_ = false;  // that failure was another connection holding the file
  bool readOnly_ = false;  // or a file that may only be read
  bool folderRefusesFiles_ = false;  // read only for its folder, which takes no journal
  bool writable_ = true;   // false once a write was refused that way: the file is still read
  bool deletedElsewhere_ = false;  // or a learner that another instance deleted
  bool full_ = false;              // or a full disk (or a failed write): the results are kept
  bool fullTold_ = false;          // the learner knows of it
  QString connection_;
  QSqlDatabase db_;
  std::map<std::string, std::unique_ptr<QSqlQuery>> prepared_;
  std::map<QString, int64_t> learnerIds_;  // by name key
  // Characters typed since the last write: character to (expected, wrong).
  std::map<unsigned char, std::pair<int64_t, int64_t>> pendingKeys_;
  // Results refused while another instance held the file or the disk was full, with their day.
  std::vector<std::pair<StoredResult, int64_t>> unwritten_;
};

// "Progress is not recorded in <path>: <reason>. Practice goes on; the file is left as it is."
// Where no file stands at path, the sentence about it is left out.
std::string StatsFailureText(const std::string& path, const std::string& reason);
