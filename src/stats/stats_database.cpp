#include "stats/stats_database.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/codepage.h"
#include "platform/translation.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int64_t kDayMs = 86400000;
constexpr int kOpenAttempts = 100;
constexpr int kOpenRetryMs = 50;
// Every kDropEvery-th line recorded drops the attempts of up to twice as many lines that are no
// longer read: finding them costs as much as recording a line, and a longer history kept by an
// earlier version shrinks back too.
constexpr int kDropEvery = 32;
// A learner's lines recorded with their attempts, newest first (bound: the learner's id).
#define QZ_LINES_WITH_ATTEMPTS                                                 \
  " results r WHERE r.learner_id = ? AND EXISTS (SELECT 1 FROM attempt_keys k" \
  " WHERE k.result_id = r.id) ORDER BY r.finished_utc_ms DESC, r.id DESC"

// Statements that bring the schema from version i to i + 1.
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "CREATE TABLE learners("
        " id INTEGER PRIMARY KEY,"
        " name TEXT NOT NULL,"
        " name_key TEXT NOT NULL UNIQUE)",
        "CREATE TABLE results("
        " id INTEGER PRIMARY KEY,"
        " learner_id INTEGER NOT NULL REFERENCES learners(id),"
        " kind INTEGER NOT NULL,"
        " finished_utc_ms INTEGER NOT NULL,"
        " day INTEGER NOT NULL,"
        " duration_ms INTEGER NOT NULL,"
        " chars INTEGER, errors INTEGER, words INTEGER, keys_per_minute INTEGER,"
        " accuracy INTEGER NOT NULL, words_per_minute INTEGER NOT NULL,"
        " course_line INTEGER,"
        " difficulty INTEGER, hits INTEGER, lost INTEGER, score INTEGER, expected_wpm INTEGER)",
        "CREATE INDEX results_by_learner ON results(learner_id, finished_utc_ms)",
        "CREATE TABLE days("
        " learner_id INTEGER NOT NULL REFERENCES learners(id),"
        " kind INTEGER NOT NULL,"
        " day INTEGER NOT NULL,"
        " chars INTEGER NOT NULL, errors INTEGER NOT NULL, words INTEGER NOT NULL,"
        " typing_ms INTEGER NOT NULL,"
        " hits INTEGER NOT NULL, lost INTEGER NOT NULL, game_ms INTEGER NOT NULL,"
        " course_line INTEGER NOT NULL,"
        " PRIMARY KEY(learner_id, kind, day)) WITHOUT ROWID",
        "CREATE TABLE key_counts("
        " learner_id INTEGER NOT NULL REFERENCES learners(id),"
        " ch INTEGER NOT NULL,"
        " expected INTEGER NOT NULL,"
        " wrong INTEGER NOT NULL,"
        " PRIMARY KEY(learner_id, ch)) WITHOUT ROWID",
    },
    // A learner's id is never given again: another instance that still records for a deleted
    // learner is refused by the foreign keys rather than writing into a new learner's rows.
    {
        "CREATE TABLE new_learners("
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " name TEXT NOT NULL,"
        " name_key TEXT NOT NULL UNIQUE)",
        "INSERT INTO new_learners(id, name, name_key) SELECT id, name, name_key FROM learners",
        "DROP TABLE learners",
        "ALTER TABLE new_learners RENAME TO learners",
    },
    // A typing line's first attempts summed per character, letter pair and confusion
    // (LineKeyFigures), from which a learner's key state is rebuilt. Characters as bytes.
    {
        "CREATE TABLE attempt_keys("
        " result_id INTEGER NOT NULL REFERENCES results(id),"
        " ch INTEGER NOT NULL,"
        " expected INTEGER NOT NULL, first_wrong INTEGER NOT NULL,"
        " timed INTEGER NOT NULL, time_ms INTEGER NOT NULL,"
        " PRIMARY KEY(result_id, ch)) WITHOUT ROWID",
        "CREATE TABLE attempt_pairs("
        " result_id INTEGER NOT NULL REFERENCES results(id),"
        " first INTEGER NOT NULL, second INTEGER NOT NULL,"
        " expected INTEGER NOT NULL, first_wrong INTEGER NOT NULL,"
        " timed INTEGER NOT NULL, time_ms INTEGER NOT NULL,"
        " PRIMARY KEY(result_id, first, second)) WITHOUT ROWID",
        "CREATE TABLE confusions("
        " result_id INTEGER NOT NULL REFERENCES results(id),"
        " expected INTEGER NOT NULL, typed INTEGER NOT NULL,"
        " count INTEGER NOT NULL,"
        " PRIMARY KEY(result_id, expected, typed)) WITHOUT ROWID",
    },
};

// Why a file cannot be an SQLite database at all; empty when it may be one. An empty file is
// a new database. Whether a database is intact is SQLite's to say (see OpenFile).
std::string SignatureProblem(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
  if (!file.read(16).startsWith(QByteArray("SQLite format 3", 16))) {
    return Translated("Errors", QT_TRANSLATE_NOOP("Errors", "the file is damaged or no database"));
  }
  return {};
}

QString NameKey(const std::string& name) {
  return BytesToQString(UpperBytes(name));
}

std::string ErrorText(const QSqlError& error) {
  const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
  return text.toStdString();
}

QVariant Int(int64_t value) {
  return QVariant(static_cast<qlonglong>(value));
}
QVariant Null() {
  return QVariant();
}
}  // namespace

std::string StatsFailureText(const std::string& path, const std::string& reason) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {  // a folder that cannot hold it: there is none
    return Translated(
        "Errors",
        QT_TRANSLATE_NOOP("Errors", "Progress is not recorded in %1: %2. Practice goes on."),
        {path, reason});
  }
  return Translated("Errors",
                    QT_TRANSLATE_NOOP("Errors",
                                      "Progress is not recorded in %1: %2. Practice goes "
                                      "on; the file is left as it is."),
                    {path, reason});
}

StatsDatabase::StatsDatabase(std::string path, Dialogs& dialogs, Learner learner, Now now)
    : path_(std::move(path)),
      dialogs_(dialogs),
      learner_(std::move(learner)),
      now_(std::move(now)),
      connection_(QString("qzstats-%1").arg(reinterpret_cast<quintptr>(this))) {}

StatsDatabase::~StatsDatabase() {
  Close();
}

void StatsDatabase::TypingFinished(const TypingResult& result) {
  StoredResult stored;
  stored.kind = result.kind;
  stored.typing = result;
  Record(stored);
}

void StatsDatabase::GameFinished(const GameResult& result) {
  StoredResult stored;
  stored.kind = PracticeKind::Game;
  stored.game = result;
  Record(stored);
}

void StatsDatabase::KeyTyped(char expected, bool wrong) {
  if (state_ == State::Failed || !writable_) return;
  auto& [count, wrongCount] = pendingKeys_[static_cast<unsigned char>(expected)];
  ++count;
  if (wrong) ++wrongCount;
}

void StatsDatabase::Flush() {
  if (pendingKeys_.empty() && unwritten_.empty()) return;
  if (Ready(true)) WriteUnwritten();
}

void StatsDatabase::FlushLast() {
  Flush();
  // No later record writes them: the learner may free the file or some room and try again.
  while (state_ != State::Failed && (!pendingKeys_.empty() || !unwritten_.empty())) {
    const std::string question = Translated(
        "Errors", QT_TRANSLATE_NOOP("Errors", "The last results cannot be recorded in %1: %2."),
        {path_, error_});
    if (dialogs_.Message(MessageKind::Error, MessageButtons::RetryCancel, question) !=
        MessageAnswer::Retry) {
      return;
    }
    Flush();
  }
}

bool StatsDatabase::Record(StoredResult result) {
  if (state_ == State::Failed || !writable_) return false;
  const WallTime now = now_();
  result.finishedUtcMs = now.utcMs;
  unwritten_.push_back({result, (now.utcMs + now.offsetMs) / kDayMs});
  return Ready(true) && WriteUnwritten();
}

bool StatsDatabase::WriteUnwritten() {
  const bool written = Transaction([&] {
    const int64_t id = LearnerId(learner_(), true);
    if (id <= 0) return false;
    for (const auto& [result, day] : unwritten_) {
      if (!Insert(id, day, result)) return false;
    }
    return WritePendingKeys(id);
  });
  if (written) {
    unwritten_.clear();
    pendingKeys_.clear();
    fullTold_ = false;
    return true;
  }
  // Another instance held the file past the wait: kept for the next record. A learner that
  // another instance deleted meanwhile: the late results are dropped, and the next record
  // makes the learner anew.
  if (deletedElsewhere_) {
    unwritten_.clear();
    pendingKeys_.clear();
  } else if (readOnly_) {  // nothing is recorded, but the history is still shown
    writable_ = false;
    unwritten_.clear();
    pendingKeys_.clear();
    dialogs_.Warn(StatsFailureText(
        path_,
        folderRefusesFiles_
            ? Translated("Errors", QT_TRANSLATE_NOOP("Errors", "its folder takes no new files"))
            : error_));
  } else if (full_) {
    if (!fullTold_) {
      fullTold_ = true;
      dialogs_.Warn(Translated(
          "Errors",
          QT_TRANSLATE_NOOP("Errors",
                            "Results cannot be recorded in %1 for now: %2. They are kept and "
                            "recorded once there is room."),
          {path_, error_}));
    }
  } else if (!busy_) {
    Fail(error_);
  }
  return false;
}

bool StatsDatabase::Insert(int64_t id, int64_t day, const StoredResult& result) {
  {
    QSqlQuery& query = Prepared(
        "INSERT INTO results(learner_id, kind, finished_utc_ms, day, duration_ms, chars, errors,"
        " words, keys_per_minute, accuracy, words_per_minute, course_line, difficulty, hits,"
        " lost, score, expected_wpm) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    query.addBindValue(Int(id));
    query.addBindValue(static_cast<int>(result.kind));
    query.addBindValue(Int(result.finishedUtcMs));
    query.addBindValue(Int(day));
    if (result.kind == PracticeKind::Game) {
      const GameResult& game = result.game;
      for (const QVariant& value :
           {Int(game.timeMs), Null(), Null(), Null(), Null(), Int(game.accuracy),
            Int(game.wordsPerMinute), Null(), Int(game.difficulty), Int(game.hits), Int(game.lost),
            Int(game.score), Int(game.expectedWordsPerMinute)}) {
        query.addBindValue(value);
      }
    } else {
      const TypingResult& typing = result.typing;
      for (const QVariant& value : {Int(typing.timeMs), Int(typing.chars), Int(typing.errors),
                                    Int(typing.words), Int(typing.rates.keysPerMinute),
                                    Int(typing.rates.accuracy), Int(typing.rates.wordsPerMinute),
                                    typing.courseLine > 0 ? Int(typing.courseLine) : Null(), Null(),
                                    Null(), Null(), Null(), Null()}) {
        query.addBindValue(value);
      }
    }
    if (!Run(query)) return false;
    const int64_t resultId = query.lastInsertId().toLongLong();
    return AddToDay(id, day, result) && InsertAttempts(resultId, result.typing.attempts) &&
           (result.typing.attempts.empty() || resultId % kDropEvery != 0 || DropUnreadAttempts(id));
  }
}

// Bound by name: Qt binds a value by position at several times the cost, and a line has
// hundreds.
bool StatsDatabase::InsertAttempts(int64_t resultId, const std::vector<FirstAttempt>& attempts) {
  if (attempts.empty()) return true;
  const auto byte = [](char ch) { return Int(static_cast<unsigned char>(ch)); };
  const auto bind = [](QSqlQuery& query, const KeyCount& count) {
    query.bindValue(u":expected"_s, Int(count.expected));
    query.bindValue(u":first_wrong"_s, Int(count.firstWrong));
    query.bindValue(u":timed"_s, Int(count.timed));
    query.bindValue(u":time_ms"_s, Int(count.timeMs));
  };
  const LineKeyFigures line = SumAttempts(attempts);
  QSqlQuery& keys = Prepared(
      "INSERT INTO attempt_keys(result_id, ch, expected, first_wrong, timed, time_ms)"
      " VALUES(:result_id, :ch, :expected, :first_wrong, :timed, :time_ms)");
  for (const auto& [ch, count] : line.keys) {
    keys.bindValue(u":result_id"_s, Int(resultId));
    keys.bindValue(u":ch"_s, byte(ch));
    bind(keys, count);
    if (!Run(keys)) return false;
  }
  QSqlQuery& pairs = Prepared(
      "INSERT INTO attempt_pairs(result_id, first, second, expected, first_wrong, timed, time_ms)"
      " VALUES(:result_id, :first, :second, :expected, :first_wrong, :timed, :time_ms)");
  for (const auto& [pair, count] : line.pairs) {
    pairs.bindValue(u":result_id"_s, Int(resultId));
    pairs.bindValue(u":first"_s, byte(pair[0]));
    pairs.bindValue(u":second"_s, byte(pair[1]));
    bind(pairs, count);
    if (!Run(pairs)) return false;
  }
  QSqlQuery& confusions = Prepared(
      "INSERT INTO confusions(result_id, expected, typed, count)"
      " VALUES(:result_id, :expected, :typed, :count)");
  for (const auto& [confusion, count] : line.confusions) {
    confusions.bindValue(u":result_id"_s, Int(resultId));
    confusions.bindValue(u":expected"_s, byte(confusion.expected));
    confusions.bindValue(u":typed"_s, byte(confusion.typed));
    confusions.bindValue(u":count"_s, Int(count));
    if (!Run(confusions)) return false;
  }
  return true;
}

// Only the newest kRebuiltLines lines' attempts are read: older ones weigh nothing in a key's
// state any more, and kept they made the file grow by a kilobyte a line without end.
bool StatsDatabase::DropUnreadAttempts(int64_t learnerId) {
  QSqlQuery& unread = Prepared("SELECT r.id FROM" QZ_LINES_WITH_ATTEMPTS " LIMIT ? OFFSET ?");
  for (const int64_t value : {learnerId, int64_t{2 * kDropEvery}, int64_t{kRebuiltLines}})
    unread.addBindValue(Int(value));
  if (!Run(unread)) return false;
  std::vector<int64_t> lines;
  while (unread.next()) lines.push_back(unread.value(0).toLongLong());
  unread.finish();
  for (const int64_t line : lines) {
    for (const char* sql : {"DELETE FROM attempt_keys WHERE result_id = ?",
                            "DELETE FROM attempt_pairs WHERE result_id = ?",
                            "DELETE FROM confusions WHERE result_id = ?"}) {
      QSqlQuery& drop = Prepared(sql);
      drop.addBindValue(Int(line));
      if (!Run(drop)) return false;
    }
  }
  return true;
}

bool StatsDatabase::AddToDay(int64_t learnerId, int64_t day, const StoredResult& result) {
  const bool game = result.kind == PracticeKind::Game;
  const TypingResult& typing = result.typing;
  QSqlQuery& query = Prepared(
      "INSERT INTO days(learner_id, kind, day, chars, errors, words, typing_ms, hits, lost,"
      " game_ms, course_line) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
      " ON CONFLICT(learner_id, kind, day) DO UPDATE SET chars = chars + excluded.chars,"
      " errors = errors + excluded.errors, words = words + excluded.words,"
      " typing_ms = typing_ms + excluded.typing_ms, hits = hits + excluded.hits,"
      " lost = lost + excluded.lost, game_ms = game_ms + excluded.game_ms,"
      " course_line = max(course_line, excluded.course_line)");
  for (const QVariant& value :
       {Int(learnerId), Int(static_cast<int>(result.kind)), Int(day), Int(typing.chars),
        Int(typing.errors), Int(typing.words), Int(game ? 0 : typing.timeMs), Int(result.game.hits),
        Int(result.game.lost), Int(game ? result.game.timeMs : 0), Int(typing.courseLine)}) {
    query.addBindValue(value);
  }
  return Run(query);
}

void StatsDatabase::DeleteLearner(const std::string& name) {
  if (!Ready(false)) return;
  InTransaction([&] {
    const int64_t id = LearnerId(name, false);
    if (id <= 0) return id == 0;
    learnerIds_.erase(NameKey(name));
    // The rows of a line's attempts before its results row, which they refer to.
    for (const char* sql :
         {"DELETE FROM attempt_keys WHERE result_id IN"
          " (SELECT id FROM results WHERE learner_id = ?)",
          "DELETE FROM attempt_pairs WHERE result_id IN"
          " (SELECT id FROM results WHERE learner_id = ?)",
          "DELETE FROM confusions WHERE result_id IN"
          " (SELECT id FROM results WHERE learner_id = ?)",
          "DELETE FROM key_counts WHERE learner_id = ?", "DELETE FROM days WHERE learner_id = ?",
          "DELETE FROM results WHERE learner_id = ?", "DELETE FROM learners WHERE id = ?"}) {
      QSqlQuery query(db_);
      query.prepare(sql);
      query.addBindValue(Int(id));
      if (!Run(query)) return false;
    }
    return true;
  });
}

std::vector<std::string> StatsDatabase::Learners() {
  std::vector<std::string> names;
  if (!Ready(false)) return names;
  bool ran = false;
  {
    QSqlQuery query(db_);
    query.prepare("SELECT name FROM learners ORDER BY name_key");
    ran = Run(query);
    while (ran && query.next()) names.push_back(BytesOf(query.value(0).toString()));
  }
  AfterReading(ran);
  return names;
}

std::vector<DayFigures> StatsDatabase::Days(const std::string& learner, int kind) {
  std::vector<DayFigures> days;
  SelectOf(learner,
           "SELECT day, SUM(chars), SUM(errors), SUM(words), SUM(typing_ms), SUM(hits),"
           " SUM(lost), SUM(game_ms), MAX(course_line) FROM days"
           " WHERE learner_id = ? AND (? = 0 OR kind = ?) GROUP BY day ORDER BY day",
           {Int(kind), Int(kind)}, [&](const QSqlQuery& query) {
             auto at = [&](int column) { return query.value(column).toLongLong(); };
             days.push_back(
                 {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), static_cast<int>(at(8))});
           });
  return days;
}

std::vector<StoredResult> StatsDatabase::LastResults(const std::string& learner, int kind,
                                                     int limit) {
  std::vector<StoredResult> results;
  SelectOf(learner,
           "SELECT kind, finished_utc_ms, duration_ms, chars, errors, words, keys_per_minute,"
           " accuracy, words_per_minute, course_line, difficulty, hits, lost, score, expected_wpm"
           " FROM results WHERE learner_id = ? AND (? = 0 OR kind = ?)"
           " ORDER BY finished_utc_ms DESC, id DESC LIMIT ?",
           {Int(kind), Int(kind), Int(limit)}, [&](const QSqlQuery& query) {
             auto at = [&](int column) { return query.value(column).toLongLong(); };
             StoredResult result;
             result.kind = static_cast<PracticeKind>(at(0));
             result.finishedUtcMs = at(1);
             if (result.kind == PracticeKind::Game) {
               GameResult& game = result.game;
               game.timeMs = at(2);
               game.accuracy = at(7);
               game.wordsPerMinute = at(8);
               game.difficulty = static_cast<int>(at(10));
               game.hits = static_cast<int>(at(11));
               game.lost = static_cast<int>(at(12));
               game.score = static_cast<int>(at(13));
               game.expectedWordsPerMinute = at(14);
             } else {
               TypingResult& typing = result.typing;
               typing.kind = result.kind;
               typing.timeMs = at(2);
               typing.chars = at(3);
               typing.errors = at(4);
               typing.words = at(5);
               typing.rates = {at(6), at(7), at(8)};
               typing.courseLine = static_cast<int>(at(9));
             }
             results.push_back(result);
           });
  return results;
}

std::vector<KeyFigures> StatsDatabase::Keys(const std::string& learner) {
  std::vector<KeyFigures> keys;
  // A row no typing can give (a damaged file) is left out.
  SelectOf(learner,
           "SELECT ch, expected, wrong FROM key_counts WHERE learner_id = ?"
           " AND expected > 0 AND wrong BETWEEN 0 AND expected ORDER BY ch",
           {}, [&](const QSqlQuery& query) {
             keys.push_back({static_cast<unsigned char>(query.value(0).toInt()),
                             query.value(1).toLongLong(), query.value(2).toLongLong()});
           });
  return keys;
}

std::vector<LineKeyFigures> StatsDatabase::AttemptLines(const std::string& learner) {
  std::vector<LineKeyFigures> lines;
  std::vector<int64_t> ids;  // of the lines
  const auto at = [](const QSqlQuery& query, int column) {
    return query.value(column).toLongLong();
  };
  const auto ch = [&](const QSqlQuery& query, int column) {
    return static_cast<char>(static_cast<unsigned char>(at(query, column)));
  };
  const auto count = [&](const QSqlQuery& query, int first) {
    return KeyCount{at(query, first), at(query, first + 1), at(query, first + 2),
                    at(query, first + 3)};
  };
  // The finished time of the oldest line kept; those of that very time come along too.
  QVariant since = Int(0);
  SelectOf(learner,
           "SELECT MIN(finished_utc_ms) FROM (SELECT r.finished_utc_ms FROM" QZ_LINES_WITH_ATTEMPTS
           " LIMIT ?)",
           {Int(kRebuiltLines)}, [&](const QSqlQuery& query) {
             if (!query.value(0).isNull()) since = query.value(0);
           });
  // Every line has keys; its pairs and confusions come in the same order, each found from
  // the line of the row before.
  SelectOf(learner,
           "SELECT k.result_id, k.ch, k.expected, k.first_wrong, k.timed, k.time_ms, r.kind"
           " FROM results r JOIN attempt_keys k ON k.result_id = r.id"
           " WHERE r.learner_id = ? AND r.finished_utc_ms >= ? ORDER BY r.finished_utc_ms, r.id",
           {since}, [&](const QSqlQuery& query) {
             if (ids.empty() || ids.back() != at(query, 0)) {
               ids.push_back(at(query, 0));
               lines.emplace_back();
               lines.back().drilled = at(query, 6) == static_cast<int>(PracticeKind::Adaptive);
             }
             lines.back().keys[ch(query, 1)] = count(query, 2);
           });
  const auto lineOf = [&](size_t& from, int64_t id) -> LineKeyFigures* {
    const auto found = std::find(ids.begin() + static_cast<std::ptrdiff_t>(from), ids.end(), id);
    if (found == ids.end()) return nullptr;
    from = static_cast<size_t>(found - ids.begin());
    return &lines[from];
  };
  size_t from = 0;
  SelectOf(learner,
           "SELECT p.result_id, p.first, p.second, p.expected, p.first_wrong, p.timed, p.time_ms"
           " FROM results r JOIN attempt_pairs p ON p.result_id = r.id"
           " WHERE r.learner_id = ? AND r.finished_utc_ms >= ? ORDER BY r.finished_utc_ms, r.id",
           {since}, [&](const QSqlQuery& query) {
             if (LineKeyFigures* line = lineOf(from, at(query, 0))) {
               line->pairs[std::string{ch(query, 1), ch(query, 2)}] = count(query, 3);
             }
           });
  from = 0;
  SelectOf(learner,
           "SELECT c.result_id, c.expected, c.typed, c.count"
           " FROM results r JOIN confusions c ON c.result_id = r.id"
           " WHERE r.learner_id = ? AND r.finished_utc_ms >= ? ORDER BY r.finished_utc_ms, r.id",
           {since}, [&](const QSqlQuery& query) {
             if (LineKeyFigures* line = lineOf(from, at(query, 0))) {
               line->confusions[{ch(query, 1), ch(query, 2)}] = at(query, 3);
             }
           });
  return lines;
}

void StatsDatabase::SelectOf(const std::string& learner, const char* sql,
                             std::initializer_list<QVariant> values,
                             const std::function<void(const QSqlQuery&)>& row) {
  if (!Ready(false)) return;
  const int64_t id = LearnerId(learner, false);
  if (id == 0) return;
  bool ran = false;
  if (id > 0) {
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(sql);
    query.addBindValue(Int(id));
    for (const QVariant& value : values) query.addBindValue(value);
    ran = Run(query);
    while (ran && query.next()) row(query);
  }
  AfterReading(ran);  // the query gone first: the connection closes with it
}

void StatsDatabase::AfterReading(bool ran) {
  if (ran) {
    held_.clear();
  } else if (busy_) {
    held_ = error_;
  } else {
    Fail(error_);
  }
}

bool StatsDatabase::Ready(bool create) {
  if (state_ == State::Open) return true;
  if (state_ == State::Failed) return false;
  const QString file = QString::fromStdString(path_);
  const bool existed = QFileInfo::exists(file);
  if (!create && !existed) return false;
  // Another instance opening or making the file at the same moment can refuse the opening
  // steps at once, without SQLite's wait: they are tried again for a few seconds.
  for (int attempt = 1; !OpenFile(); ++attempt) {
    Close();
    if (busy_ && attempt == kOpenAttempts) {
      held_ = error_;  // tried again at the next use; the results kept stay kept
      return false;
    }
    if (!busy_) {
      Fail(error_);
      if (!existed) RemoveEmptyFiles(file);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(kOpenRetryMs));
  }
  state_ = State::Open;
  return true;
}

// What a creation that failed on its own (a full disk) leaves: an empty file and its WAL
// files. One that another instance has begun writing meanwhile is not empty and stays.
void StatsDatabase::RemoveEmptyFiles(const QString& file) {
  if (QFileInfo(file + "-wal").size() > 0 || QFileInfo(file).size() > 0) return;
  for (const QString& name : {file + "-wal", file + "-shm", file}) QFile::remove(name);
}

bool StatsDatabase::OpenFile() {
  busy_ = false;
  const QString file = QString::fromStdString(path_);
  const QFileInfo info(file);
  if (info.exists() && !info.isFile()) {
    error_ = "something other than a file stands in its place";
    return false;
  }
  const bool existed = info.exists() && info.size() > 0;
  if (existed) {
    error_ = SignatureProblem(file);
    if (!error_.empty()) return false;
  }
  if (!QSqlDatabase::isDriverAvailable("QSQLITE")) {
    error_ = "the SQLite driver of Qt (QSQLITE) is not installed";
    return false;
  }
  // Made here with what the umask leaves of rw-rw-rw- (SQLite would give rw-r--r--), so that
  // a folder shared by a group gets a file the group may write; SQLite gives its -wal and -shm
  // the file's mode.
  if (!info.exists()) {
    const int made =
        ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (made >= 0) ::close(made);
  }
  db_ = QSqlDatabase::addDatabase("QSQLITE", connection_);
  db_.setDatabaseName(file);
  // Another instance's write is waited for a few seconds; a record still refused then is
  // kept for the next one.
  QString options = "QSQLITE_BUSY_TIMEOUT=5000";
  // A file this user may not write is only read, and as it stands on disk: opened otherwise,
  // SQLite would put -wal and -shm files of this user beside it, which lock out its owner.
  // With a -wal already there, its owner is writing, and the pages in it are read too. A
  // folder that takes no new file has no room for the -wal: its file too is only read.
  folderRefusesFiles_ = info.isWritable() && !QFileInfo(info.absolutePath()).isWritable();
  if (existed && (!info.isWritable() || folderRefusesFiles_) && !QFileInfo::exists(file + "-wal")) {
    db_.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString() + "?immutable=1");
    options += ";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI";
  }
  db_.setConnectOptions(options);
  if (!db_.open()) {
    error_ = ErrorText(db_.lastError());
    return false;
  }
  if (existed && !CheckTables()) return false;
  int version = 0;
  // Judged before anything is written, so a file refused is left as it is; in one read
  // transaction, so that the version and the tables are of one state of the file.
  if (!Exec("BEGIN")) return false;
  const bool known = ReadVersion(version);
  Exec("COMMIT");
  if (!known) return false;
  if (!Exec("PRAGMA journal_mode = WAL") || !Exec("PRAGMA synchronous = NORMAL")) return false;
  if (version == kStatsSchemaVersion) return Exec("PRAGMA foreign_keys = ON");
  if (!Exec("PRAGMA foreign_keys = OFF")) return false;  // while the tables are made again
  // Created and migrated in one transaction that reads the version again: of two instances
  // making the file at once, the second finds it made.
  return Transaction([&] {
    if (!ReadVersion(version)) return false;
    if (version == kStatsSchemaVersion) return true;
    for (; version < kStatsSchemaVersion; ++version) {
      for (const char* sql : kMigrations[static_cast<size_t>(version)]) {
        if (!Exec(sql)) return false;
      }
    }
    return Exec(QString("PRAGMA user_version = %1").arg(kStatsSchemaVersion));
  }) && Exec("PRAGMA foreign_keys = ON");
}

bool StatsDatabase::CheckTables() {
  // The tables of results and sums, not the attempt rows: ten times their size, reading those
  // at every opening kept a long history's learner waiting for seconds.
  QSqlQuery tables(db_);
  if (!tables.exec("SELECT name FROM sqlite_master WHERE type = 'table' AND name IN"
                   " ('learners', 'results', 'days', 'key_counts')")) {
    error_ = ErrorText(tables.lastError());
    return false;
  }
  QStringList names;
  while (tables.next()) names << tables.value(0).toString();
  for (const QString& name : names) {
    QSqlQuery check(db_);
    if (!check.exec(QString("PRAGMA quick_check(%1)").arg(name)) || !check.next()) {
      error_ = ErrorText(check.lastError());
      return false;
    }
    if (const QString verdict = check.value(0).toString(); verdict != "ok") {
      error_ =
          BytesOf(QCoreApplication::translate("Errors", "the file is damaged: %1").arg(verdict));
      return false;
    }
  }
  return true;
}

bool StatsDatabase::ReadVersion(int& version) {
  int tables = 0;
  {
    QSqlQuery query(db_);
    if (!query.exec("PRAGMA user_version") || !query.next()) {
      Failed(query.lastError());
      return false;
    }
    version = query.value(0).toInt();
    if (!query.exec("SELECT count(*) FROM sqlite_master") || !query.next()) {
      Failed(query.lastError());
      return false;
    }
    tables = query.value(0).toInt();
  }
  if (version > kStatsSchemaVersion) {
    error_ = Translated(
        "Errors",
        QT_TRANSLATE_NOOP("Errors", "the file comes from a newer version of the program"));
    return false;
  }
  if (version == 0 && tables > 0) {
    error_ = Translated(
        "Errors", QT_TRANSLATE_NOOP("Errors", "the file holds the tables of another program"));
    return false;
  }
  return true;
}

bool StatsDatabase::InTransaction(const std::function<bool()>& work) {
  if (Transaction(work)) return true;
  Fail(error_);
  return false;
}

bool StatsDatabase::Transaction(const std::function<bool()>& work) {
  if (!Exec("BEGIN IMMEDIATE")) return false;
  if (work() && Exec("COMMIT")) return true;
  learnerIds_.clear();  // a learner added in it is gone again
  // Its own failure (SQLite may have rolled back already) leaves why the work failed.
  QSqlQuery(db_).exec("ROLLBACK");
  return false;
}

bool StatsDatabase::Exec(const QString& sql) {
  QSqlQuery query(db_);
  if (query.exec(sql)) return true;
  Failed(query.lastError());
  return false;
}

bool StatsDatabase::Run(QSqlQuery& query) {
  if (query.exec()) return true;
  Failed(query.lastError());
  return false;
}

void StatsDatabase::Failed(const QSqlError& error) {
  error_ = ErrorText(error);
  const int code = error.nativeErrorCode().toInt() & 0xff;  // the primary result code
  // SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
  busy_ = code == 5 || code == 6;
  readOnly_ = code == 8;  // SQLITE_READONLY
  full_ = code == 13 || code == 10;  // SQLITE_FULL, SQLITE_IOERR (a file grown past a limit)
  deletedElsewhere_ = error_.find("FOREIGN KEY constraint failed") != std::string::npos;
}

void StatsDatabase::Fail(const std::string& reason) {
  if (state_ == State::Failed) return;
  Close();
  state_ = State::Failed;
  failure_ = reason;
  pendingKeys_.clear();
  unwritten_.clear();
  dialogs_.Warn(StatsFailureText(path_, reason));
}

QSqlQuery& StatsDatabase::Prepared(const char* sql) {
  std::unique_ptr<QSqlQuery>& query = prepared_[sql];
  if (!query) {
    query = std::make_unique<QSqlQuery>(db_);
    query->prepare(sql);
  }
  return *query;
}

void StatsDatabase::Close() {
  prepared_.clear();
  learnerIds_.clear();
  if (!db_.isValid()) return;
  db_.close();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connection_);
}

int64_t StatsDatabase::LearnerId(const std::string& name, bool create) {
  const QString key = NameKey(name);
  if (const auto known = learnerIds_.find(key); known != learnerIds_.end()) return known->second;
  QSqlQuery& query = Prepared("SELECT id FROM learners WHERE name_key = ?");
  query.addBindValue(key);
  if (!Run(query)) return -1;
  int64_t id = query.next() ? query.value(0).toLongLong() : 0;
  query.finish();
  if (id == 0 && create) {
    QSqlQuery& insert = Prepared("INSERT INTO learners(name, name_key) VALUES(?, ?)");
    insert.addBindValue(BytesToQString(name));
    insert.addBindValue(key);
    if (!Run(insert)) return -1;
    id = insert.lastInsertId().toLongLong();
  }
  if (id > 0) learnerIds_[key] = id;
  return id;
}

bool StatsDatabase::WritePendingKeys(int64_t learnerId) {
  for (const auto& [ch, counts] : pendingKeys_) {
    QSqlQuery& query = Prepared(
        "INSERT INTO key_counts(learner_id, ch, expected, wrong)"
        " VALUES(:learner_id, :ch, :expected, :wrong)"
        " ON CONFLICT(learner_id, ch) DO UPDATE SET expected = expected + excluded.expected,"
        " wrong = wrong + excluded.wrong");
    // By name, as the attempts (see InsertAttempts).
    query.bindValue(u":learner_id"_s, Int(learnerId));
    query.bindValue(u":ch"_s, Int(ch));
    query.bindValue(u":expected"_s, Int(counts.first));
    query.bindValue(u":wrong"_s, Int(counts.second));
    if (!Run(query)) return false;
  }
  return true;
}
