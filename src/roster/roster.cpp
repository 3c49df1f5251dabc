#include "roster/roster.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>

#include "core/utf8_path.h"
#include "roster/roster_location.h"
#include "roster/roster_schema.h"
#include "roster/sqlite_handle.h"

namespace mireto::roster {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& path) { return "（" + Utf8Text(path) + "）"; }

std::string StorageError(const std::string& detail) { return "名簿ファイルを読み書きできません: " + detail; }

// Creates the folder of a file that does not exist yet.
bool PrepareFolder(const fs::path& file, std::string& error) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !FolderWritable(folder)) {
    error = "名簿ファイルのフォルダを作成できないか、書き込めません" + Quoted(folder);
    return false;
  }
  return true;
}

// Switches the file to WAL. On a new file that another program is creating at
// the same moment the switch can fail at once with "database is locked" (or
// leave the old mode) without waiting in the busy handler, so it is tried
// again for as long as any other lock is waited for.
bool SwitchToWal(sqlite3* db) {
  constexpr int kRetryMilliseconds = 5;
  for (int waited = 0;; waited += kRetryMilliseconds) {
    {
      Statement journal(db, "PRAGMA journal_mode = WAL");
      const bool stepped = journal.step();
      if (stepped && journal.text(0) == "wal") return true;
      if (!stepped && !IsBusy(LastErrorCode(db))) return false;
    }
    if (waited >= kBusyTimeoutMilliseconds) return false;
    sqlite3_sleep(kRetryMilliseconds);
  }
}

// A connection to a file InspectRosterFile allowed, in WAL mode.
Connection OpenForWriting(const fs::path& file, std::string& error) {
  const FileCheck check = InspectRosterFile(file);
  if (!MayWrite(check)) {
    error = check.message;
    return nullptr;
  }
  if (check.state == FileState::Absent && !PrepareFolder(file, error)) return nullptr;
  const OpenMode mode = check.state == FileState::Absent ? OpenMode::ReadWriteCreate : OpenMode::ReadWrite;
  std::string detail;
  Connection db = OpenConnection(file, mode, detail);
  if (!db) {
    error = StorageError(detail);
    return nullptr;
  }
  if (!SwitchToWal(db.get())) {
    error = StorageError(LastError(db.get()));
    return nullptr;
  }
  if (!Execute(db.get(), "PRAGMA synchronous = FULL", detail)) {
    error = StorageError(detail);
    return nullptr;
  }
  return db;
}

// Inside the write transaction: the file may have changed since it was
// inspected (another program may have created or migrated it).
bool BringSchemaUpToDate(sqlite3* db, const fs::path& file, std::string& error) {
  std::string detail;
  const auto version = QueryInteger(db, "PRAGMA user_version", detail);
  const auto applicationId = QueryInteger(db, "PRAGMA application_id", detail);
  const auto tables = QueryInteger(db, "SELECT count(*) FROM sqlite_schema", detail);
  if (!version || !applicationId || !tables) {
    error = StorageError(detail);
    return false;
  }
  const bool blank = *version == 0 && *applicationId == 0 && *tables == 0;
  if (!blank && *applicationId != kApplicationId) {
    error = "名簿ファイルの場所に別のデータベースがあります" + Quoted(file);
    return false;
  }
  if (*version > kSchemaVersion) {
    error = "名簿ファイルは新しい版のミレトで作られています" + Quoted(file);
    return false;
  }
  if (*version == kSchemaVersion) return true;
  if (!MigrateSchema(db, static_cast<int>(*version), detail)) {
    error = StorageError(detail);
    return false;
  }
  return true;
}

bool InsertEntry(sqlite3* db, const NewEntry& entry, const std::string& now, std::int64_t& id,
                 std::string& error) {
  Statement insert(db,
                   "INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                   " created_at, changed_at, summer_time) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?9, ?10)");
  insert.bind(1, entry.name);
  insert.bind(2, entry.note);
  insert.bind(3, entry.birth.date);
  insert.bind(4, entry.birth.hour);
  insert.bind(5, entry.birth.minute);
  insert.bind(6, entry.birth.sex);
  insert.bind(7, entry.birth.jisaMinutes);
  insert.bind(8, entry.birth.jisaSeconds);
  insert.bind(9, now);
  insert.bind(10, DecisionWord(entry.summerTime));
  insert.step();
  if (!insert.done()) {
    error = StorageError(LastError(db));
    return false;
  }
  id = sqlite3_last_insert_rowid(db);
  return true;
}

bool ChangedOneRow(sqlite3* db, Statement& statement, std::string& error) {
  statement.step();
  if (!statement.done()) {
    error = StorageError(LastError(db));
    return false;
  }
  if (sqlite3_changes(db) != 1) {
    error = "この名簿の項目は、ほかで削除されています";
    return false;
  }
  return true;
}

}  // namespace

std::string UtcTimestamp() {
  using namespace std::chrono;
  const auto now = floor<seconds>(system_clock::now());
  const auto day = floor<days>(now);
  const year_month_day date{day};
  const hh_mm_ss time{now - day};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return buffer;
}

Roster::Roster(fs::path file, Clock clock) : file_(std::move(file)), clock_(std::move(clock)) {}

std::optional<std::vector<Entry>> Roster::entries(std::string& error) const {
  const FileCheck check = inspect();
  if (check.state == FileState::Absent || check.state == FileState::Blank) return std::vector<Entry>{};
  if (check.state != FileState::Usable) {
    error = check.message;
    return std::nullopt;
  }
  std::string detail;
  Connection db = OpenConnection(file_, OpenMode::ReadWrite, detail);
  if (!db) {
    error = StorageError(detail);
    return std::nullopt;
  }
  // A file of an older version is read as it is (reading never migrates):
  // before version 3 no decision was stored.
  const char* decision = check.version >= 3 ? "summer_time" : "''";
  const std::string query = std::string("SELECT id, name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                                        " created_at, changed_at, ") +
                            decision + " FROM person ORDER BY id";
  Statement select(db.get(), query.c_str());
  std::vector<Entry> result;
  while (select.step()) {
    Entry e;
    e.id = select.integer(0);
    e.name = select.text(1);
    e.note = select.text(2);
    e.birth = {select.text(3), select.text(4), select.text(5), select.text(6), select.text(7), select.text(8)};
    e.createdAt = select.text(9);
    e.changedAt = select.text(10);
    e.summerTime = DecisionFromWord(select.text(11)).value_or(ClockDecision::NotAsked);
    result.push_back(std::move(e));
  }
  if (!select.done()) {
    error = StorageError(LastError(db.get()));
    return std::nullopt;
  }
  return result;
}

bool Roster::change(const Change& body, std::string& error) {
  Connection db = OpenForWriting(file_, error);
  if (!db) return false;
  std::string detail;
  if (!Execute(db.get(), "BEGIN IMMEDIATE", detail)) {
    error = IsBusy(LastErrorCode(db.get()))
                ? "名簿ファイルが他のプログラムに使われています。しばらくしてからやり直してください" + Quoted(file_)
                : StorageError(detail);
    return false;
  }
  if (!BringSchemaUpToDate(db.get(), file_, error) || !body(db.get(), error)) {
    Execute(db.get(), "ROLLBACK", detail);
    return false;
  }
  if (!Execute(db.get(), "COMMIT", detail)) {
    error = StorageError(detail);
    Execute(db.get(), "ROLLBACK", detail);
    return false;
  }
  return true;
}

std::optional<std::int64_t> Roster::add(const NewEntry& entry, std::string& error) {
  return insert({entry}, error);
}

bool Roster::addAll(const std::vector<NewEntry>& entries, std::string& error) {
  if (entries.empty()) return true;
  return insert(entries, error).has_value();
}

std::optional<std::int64_t> Roster::insert(const std::vector<NewEntry>& entries, std::string& error) {
  for (const NewEntry& entry : entries) {
    if (error = CheckEntry(entry); !error.empty()) return std::nullopt;
  }
  const std::string now = clock_();
  std::int64_t id = 0;
  const bool ok = change(
      [&](sqlite3* db, std::string& failure) {
        for (const NewEntry& entry : entries) {
          if (!InsertEntry(db, entry, now, id, failure)) return false;
        }
        return true;
      },
      error);
  if (!ok) return std::nullopt;
  return id;
}

bool Roster::update(std::int64_t id, std::string_view name, std::string_view note, std::string& error) {
  if (error = CheckName(name); !error.empty()) return false;
  if (error = CheckNote(note); !error.empty()) return false;
  const std::string now = clock_();
  return change(
      [&](sqlite3* db, std::string& failure) {
        Statement statement(db, "UPDATE person SET name = ?1, note = ?2, changed_at = ?3 WHERE id = ?4");
        statement.bind(1, name);
        statement.bind(2, note);
        statement.bind(3, now);
        statement.bind(4, id);
        return ChangedOneRow(db, statement, failure);
      },
      error);
}

bool Roster::update(std::int64_t id, const NewEntry& entry, std::string& error) {
  if (error = CheckEntry(entry); !error.empty()) return false;
  const std::string now = clock_();
  return change(
      [&](sqlite3* db, std::string& failure) {
        Statement statement(db,
                            "UPDATE person SET name = ?1, note = ?2, date = ?3, hour = ?4, minute = ?5, sex = ?6,"
                            " jisa_minutes = ?7, jisa_seconds = ?8, summer_time = ?9, changed_at = ?10"
                            " WHERE id = ?11");
        statement.bind(1, entry.name);
        statement.bind(2, entry.note);
        statement.bind(3, entry.birth.date);
        statement.bind(4, entry.birth.hour);
        statement.bind(5, entry.birth.minute);
        statement.bind(6, entry.birth.sex);
        statement.bind(7, entry.birth.jisaMinutes);
        statement.bind(8, entry.birth.jisaSeconds);
        statement.bind(9, DecisionWord(entry.summerTime));
        statement.bind(10, now);
        statement.bind(11, id);
        return ChangedOneRow(db, statement, failure);
      },
      error);
}

bool Roster::remove(std::int64_t id, std::string& error) {
  return change(
      [&](sqlite3* db, std::string& failure) {
        Statement statement(db, "DELETE FROM person WHERE id = ?1");
        statement.bind(1, id);
        return ChangedOneRow(db, statement, failure);
      },
      error);
}

}  // namespace mireto::roster
