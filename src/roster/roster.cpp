#include "roster/roster.h"

#include <sqlite3.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <unordered_set>

#include "core/utf8_path.h"
#include "roster/private_files.h"
#include "roster/roster_schema.h"
#include "roster/sqlite_handle.h"

namespace mireto::roster {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCreatingMark = ".creating-";
constexpr std::uintmax_t kLogLimitBytes = 4 << 20;

std::string Quoted(const fs::path& path) { return "（" + Utf8Text(path) + "）"; }

fs::path FolderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

std::string BusyMessage(const fs::path& file) {
  return "名簿ファイルが他のプログラムに使われています。しばらくしてからやり直してください" + Quoted(file);
}

// A failure of SQLite in Japanese: the disk full and a lock held elsewhere
// in words, anything else with SQLite's own detail.
std::string StorageError(sqlite3* db, const std::string& detail, const fs::path& file) {
  const int code = db != nullptr ? LastErrorCode(db) : 0;
  if (IsFull(code))
    return "ディスクの空きが足りないため、名簿ファイルに書き込めませんでした。空きを作ってからやり直してください" +
           Quoted(file);
  if (IsBusy(code)) return BusyMessage(file);
  return "名簿ファイルを読み書きできません: " + detail;
}

// Switches the file to WAL. On a file that another program is switching at
// the same moment the switch can fail at once with "database is locked" (or
// leave the old mode) without waiting in the busy handler, so it is tried
// again for as long as any other lock is waited for.
bool SwitchToWal(sqlite3* db, int wait) {
  constexpr int kRetryMilliseconds = 5;
  for (int waited = 0;; waited += kRetryMilliseconds) {
    {
      Statement journal(db, "PRAGMA journal_mode = WAL");
      const bool stepped = journal.step();
      if (stepped && journal.text(0) == "wal") return true;
      if (!stepped && !IsBusy(LastErrorCode(db))) return false;
    }
    if (waited >= wait) return false;
    sqlite3_sleep(kRetryMilliseconds);
  }
}

// A file that a crash interrupted while it was being created, older than a
// minute (a younger one may be another program's, still at work).
void RemoveAbandonedNewFiles(const fs::path& file) {
  std::error_code ec;
  const std::string prefix = file.filename().string() + std::string(kCreatingMark);
  const auto limit = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  std::vector<fs::path> abandoned;
  for (fs::directory_iterator it(FolderOf(file), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with(prefix) && it->last_write_time(ec) < limit)
      abandoned.push_back(it->path());
  }
  for (const fs::path& path : abandoned) fs::remove(path, ec);
}

// Builds a new roster, tables and all, under a temporary name and gives it
// the file's name only when complete: a crash leaves no roster or a whole
// one, never a file that the next start would refuse. When another program
// created the file meanwhile, its file is kept and ours dropped.
bool CreateRosterFile(const fs::path& file, std::string& error) {
  const fs::path folder = FolderOf(file);
  if (!CreatePrivateFolder(folder)) {
    error = "名簿ファイルのフォルダを作成できないか、書き込めません" + Quoted(folder);
    return false;
  }
  RemoveAbandonedNewFiles(file);
  std::random_device random;
  const fs::path building = folder / (file.filename().string() + std::string(kCreatingMark) + std::to_string(random()) +
                                      std::to_string(random()));
  if (!CreatePrivateFile(building)) {
    error = "名簿ファイルのフォルダに書き込めません" + Quoted(folder);
    return false;
  }
  bool built = false;
  {
    std::string detail;
    Connection db = OpenConnection(building, OpenMode::ReadWrite, detail);
    built = db && Execute(db.get(), "PRAGMA synchronous = FULL", detail) && SwitchToWal(db.get(), 0) &&
            Execute(db.get(), "BEGIN IMMEDIATE", detail) && MigrateSchema(db.get(), 0, detail) &&
            Execute(db.get(), "COMMIT", detail) && Execute(db.get(), "PRAGMA wal_checkpoint(TRUNCATE)", detail);
    if (!built) error = StorageError(db.get(), detail, file);
  }
  std::error_code ec;
  if (!built) {
    for (const char* side : {"", "-wal", "-shm", "-journal"}) fs::remove(fs::path(building.string() + side), ec);
    return false;
  }
  for (const char* side : {"-wal", "-shm"}) fs::remove(fs::path(building.string() + side), ec);
  switch (PublishNoReplace(building, file)) {
    case Publish::Done: SyncFolder(folder); return true;
    case Publish::Exists: return true;
    case Publish::Failed: break;
  }
  error = "名簿ファイルを作成できません" + Quoted(file);
  return false;
}

// A connection to a file the check allowed, in WAL mode.
Connection OpenForWriting(const fs::path& file, int wait, const FileCheck& check, std::string& error) {
  TightenRosterFiles(file, false);
  if (!MayWrite(check)) {
    error = check.message;
    return nullptr;
  }
  if (check.state == FileState::Absent && !CreateRosterFile(file, error)) return nullptr;
  std::string detail;
  Connection db = OpenConnection(file, OpenMode::ReadWrite, detail, wait);
  if (!db) {
    error = "名簿ファイルを読み書きできません: " + detail;
    return nullptr;
  }
  if (!SwitchToWal(db.get(), wait)) {
    error = StorageError(db.get(), LastError(db.get()), file);
    return nullptr;
  }
  // Closing does not copy the log into the file each time (the automatic
  // checkpoint every 1000 pages does): a save stays quick on a large roster.
  sqlite3_db_config(db.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  // The log is cut back after each checkpoint rather than left at its largest.
  if (!Execute(db.get(), "PRAGMA synchronous = FULL; PRAGMA journal_size_limit = 4194304", detail)) {
    error = StorageError(db.get(), detail, file);
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
    error = StorageError(db, detail, file);
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
    error = StorageError(db, detail, file);
    return false;
  }
  return true;
}

// Everything an import compares, each text with its length (a note may hold any byte).
std::string ContentKey(const std::array<std::string_view, 11>& fields) {
  std::string key;
  for (const std::string_view field : fields) {
    key += std::to_string(field.size());
    key += ':';
    key += field;
  }
  return key;
}

std::string ContentKey(const NewEntry& e) {
  return ContentKey({e.name, e.note, e.birth.date, e.birth.hour, e.birth.minute, e.birth.sex, e.birth.jisaMinutes,
                     e.birth.jisaSeconds, DecisionWord(e.summerTime), e.reading, e.birthplace});
}

// The content of every entry there, read once: an import of many lines
// compares in memory rather than searching the table line by line.
std::optional<std::unordered_set<std::string>> ContentKeys(sqlite3* db) {
  Statement select(db,
                   "SELECT name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds, summer_time, reading,"
                   " birthplace FROM person");
  std::unordered_set<std::string> keys;
  while (select.step()) {
    std::array<std::string, 11> texts;
    for (int i = 0; i < 11; ++i) texts[i] = select.text(i);
    std::array<std::string_view, 11> fields;
    for (int i = 0; i < 11; ++i) fields[i] = texts[i];
    keys.insert(ContentKey(fields));
  }
  if (!select.done()) return std::nullopt;
  return keys;
}

// Parameters 1 to 11 as the insert and the updates number them.
void BindContent(Statement& statement, const NewEntry& entry) {
  statement.bind(1, entry.name);
  statement.bind(2, entry.note);
  statement.bind(3, entry.birth.date);
  statement.bind(4, entry.birth.hour);
  statement.bind(5, entry.birth.minute);
  statement.bind(6, entry.birth.sex);
  statement.bind(7, entry.birth.jisaMinutes);
  statement.bind(8, entry.birth.jisaSeconds);
  statement.bind(9, DecisionWord(entry.summerTime));
  statement.bind(10, entry.reading);
  statement.bind(11, entry.birthplace);
}

bool ChangedOneRow(sqlite3* db, Statement& statement, const fs::path& file, std::string& error) {
  statement.step();
  if (!statement.done()) {
    error = StorageError(db, LastError(db), file);
    return false;
  }
  if (sqlite3_changes(db) != 1) {
    error = "この名簿の項目は、ほかで削除されています";
    return false;
  }
  return true;
}

Entry ReadEntry(const Statement& select) {
  Entry e;
  e.id = select.integer(0);
  e.name = select.text(1);
  e.note = select.text(2);
  e.birth = {select.text(3), select.text(4), select.text(5), select.text(6), select.text(7), select.text(8)};
  e.createdAt = select.text(9);
  e.changedAt = select.text(10);
  e.summerTime = DecisionFromWord(select.text(11)).value_or(ClockDecision::NotAsked);
  e.reading = select.text(12);
  e.birthplace = select.text(13);
  return e;
}

// After a failed write: a log grown by a change that was rolled back (the
// disk full) is cut back, so that the side files do not keep the disk full.
void CleanUpAfterFailure(sqlite3* db) {
  std::string ignored;
  Execute(db, "ROLLBACK", ignored);
  Execute(db, "PRAGMA wal_checkpoint(TRUNCATE)", ignored);
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

bool TightenRosterFiles(const fs::path& file, bool ownFolder) {
  bool tightened = false;
  auto tighten = [&](const fs::path& path) {
    if (IsOpenToOthers(path) && MakePrivate(path)) tightened = true;
  };
  if (ownFolder) tighten(FolderOf(file));
  for (const char* side : {"", "-wal", "-shm", "-journal"}) tighten(fs::path(file.string() + side));
  const fs::path backups = BackupFolder(file);
  tighten(backups);
  std::error_code ec;
  for (fs::directory_iterator it(backups, ec), end; !ec && it != end; it.increment(ec)) tighten(it->path());
  return tightened;
}

std::optional<Roster::Signature> Roster::signature() const {
  std::error_code ec;
  Signature s;
  s.size = fs::file_size(file_, ec);
  if (ec) return std::nullopt;
  s.time = fs::last_write_time(file_, ec);
  if (ec) return std::nullopt;
  const fs::path log(file_.string() + "-wal");
  s.logSize = fs::file_size(log, ec);
  if (!ec) s.logTime = fs::last_write_time(log, ec);
  if (ec) s.logSize = 0, s.logTime = {};
  return s;
}

void Roster::remember(const FileCheck& check) const {
  const auto now = signature();
  if (now && (check.state == FileState::Usable || check.state == FileState::ReadOnly)) checked_.emplace(*now, check);
  else checked_.reset();
}

FileCheck Roster::inspect() const {
  const auto now = signature();
  if (now && checked_ && checked_->first == *now) return checked_->second;
  FileCheck check = InspectRosterFile(file_);
  remember(check);
  return check;
}

Roster::Roster(fs::path file, Clock clock, Clock localStamp, int waitMilliseconds)
    : file_(std::move(file)),
      clock_(std::move(clock)),
      localStamp_(localStamp ? std::move(localStamp) : Clock(LocalStamp)),
      wait_(waitMilliseconds) {}

std::optional<std::vector<Entry>> Roster::entries(std::string& error) const {
  const FileCheck check = inspect();
  if (!MayRead(check)) {
    error = check.message;
    return std::nullopt;
  }
  if (check.version == 0) return std::vector<Entry>{};
  Connection db = openToRead(error);
  if (!db) return std::nullopt;
  // Mapped rather than read page by page: the whole table is read.
  std::string ignored;
  Execute(db.get(), "PRAGMA mmap_size = 268435456", ignored);
  // A file of an older version is read as it is (reading never migrates):
  // the columns added since read as ''.
  Statement select(db.get(), "SELECT " + PersonColumnsOf(check.version) + " FROM person ORDER BY id");
  std::vector<Entry> result;
  while (select.step()) result.push_back(ReadEntry(select));
  if (!select.done()) {
    error = StorageError(db.get(), LastError(db.get()), file_);
    return std::nullopt;
  }
  return result;
}

Connection Roster::openToRead(std::string& error) const {
  std::string detail;
  Connection db = OpenForReading(file_, detail, wait_);
  if (!db) error = "名簿ファイルを読めません: " + detail;
  return db;
}

std::optional<Entry> Roster::entry(std::int64_t id, std::string& error) const {
  const FileCheck check = inspect();  // unchanged since the write just made: not read again
  if (!MayRead(check) || check.version == 0) {
    error = check.message.empty() ? "この名簿の項目は、ほかで削除されています" : check.message;
    return std::nullopt;
  }
  Connection db = openToRead(error);
  if (!db) return std::nullopt;
  Statement select(db.get(), "SELECT " + PersonColumnsOf(check.version) + " FROM person WHERE id = ?1");
  select.bind(1, id);
  if (select.step()) return ReadEntry(select);
  error =
      select.done() ? "この名簿の項目は、ほかで削除されています" : StorageError(db.get(), LastError(db.get()), file_);
  return std::nullopt;
}

bool Roster::change(const Change& body, std::string& error) {
  lastBusy_ = false;
  const FileCheck check = inspect();
  Connection db = OpenForWriting(file_, wait_, check, error);
  if (!db) {
    lastBusy_ = check.state == FileState::Busy;
    return false;
  }
  // A copy before the file is migrated (the write fails without one), and
  // one on the first write of each day.
  const std::string stamp = localStamp_();
  if (check.state == FileState::Usable) {
    const bool migrating = check.version < kSchemaVersion;
    if (migrating || !HasBackupOfDay(file_, stamp)) {
      std::string backupError;
      const auto copy = BackupDatabase(db.get(), file_, stamp,
                                       migrating ? BackupReason::BeforeMigration : BackupReason::Daily, backupError);
      if (!copy && migrating) {
        error = backupError + "。名簿ファイルは変更していません";
        return false;
      }
    }
  }
  std::string detail;
  if (!Execute(db.get(), "BEGIN IMMEDIATE", detail)) {
    lastBusy_ = IsBusy(LastErrorCode(db.get()));
    error = StorageError(db.get(), detail, file_);
    return false;
  }
  if (!BringSchemaUpToDate(db.get(), file_, error) || !body(db.get(), error)) {
    lastBusy_ = IsBusy(LastErrorCode(db.get()));
    CleanUpAfterFailure(db.get());
    return false;
  }
  if (!Execute(db.get(), "COMMIT", detail)) {
    lastBusy_ = IsBusy(LastErrorCode(db.get()));
    error = StorageError(db.get(), detail, file_);
    CleanUpAfterFailure(db.get());
    return false;
  }
  // A log grown large (an import) is copied back and cut now, by the write
  // that grew it, rather than by every later one.
  std::error_code ec;
  if (fs::file_size(fs::path(file_.string() + "-wal"), ec) > kLogLimitBytes && !ec)
    Execute(db.get(), "PRAGMA wal_checkpoint(TRUNCATE)", detail);
  // The file as this write left it needs no new check.
  db.reset();
  remember({FileState::Usable, kSchemaVersion, {}});
  return true;
}

std::optional<std::int64_t> Roster::add(const NewEntry& entry, std::string& error) { return insert({entry}, error); }

std::optional<AddCount> Roster::addAll(const std::vector<NewEntry>& entries, std::string& error) {
  if (entries.empty()) return AddCount{};
  for (const NewEntry& entry : entries) {
    if (error = CheckEntry(entry); !error.empty()) return std::nullopt;
  }
  const std::string now = clock_();
  AddCount count;
  const bool ok = change(
      [&](sqlite3* db, std::string& failure) {
        auto existing = ContentKeys(db);
        if (!existing) {
          failure = StorageError(db, LastError(db), file_);
          return false;
        }
        Statement insert(db,
                         "INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                         " summer_time, reading, birthplace, created_at, changed_at)"
                         " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?12)");
        count = {};
        for (const NewEntry& entry : entries) {
          if (!existing->insert(ContentKey(entry)).second) {
            ++count.skipped;
            continue;
          }
          insert.reset();
          BindContent(insert, entry);
          insert.bind(12, now);
          insert.step();
          if (!insert.done()) {
            failure = StorageError(db, LastError(db), file_);
            return false;
          }
          ++count.added;
        }
        return true;
      },
      error);
  if (!ok) return std::nullopt;
  return count;
}

std::optional<std::int64_t> Roster::insert(const std::vector<NewEntry>& entries, std::string& error) {
  for (const NewEntry& entry : entries) {
    if (error = CheckEntry(entry); !error.empty()) return std::nullopt;
  }
  const std::string now = clock_();
  std::int64_t id = 0;
  const bool ok = change(
      [&](sqlite3* db, std::string& failure) {
        Statement insert(db,
                         "INSERT INTO person (name, note, date, hour, minute, sex, jisa_minutes, jisa_seconds,"
                         " summer_time, reading, birthplace, created_at, changed_at)"
                         " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?12)");
        for (const NewEntry& entry : entries) {
          insert.reset();
          BindContent(insert, entry);
          insert.bind(12, now);
          insert.step();
          if (!insert.done()) {
            failure = StorageError(db, LastError(db), file_);
            return false;
          }
          id = sqlite3_last_insert_rowid(db);
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
        return ChangedOneRow(db, statement, file_, failure);
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
                            " jisa_minutes = ?7, jisa_seconds = ?8, summer_time = ?9, reading = ?10,"
                            " birthplace = ?11, changed_at = ?12 WHERE id = ?13");
        BindContent(statement, entry);
        statement.bind(12, now);
        statement.bind(13, id);
        return ChangedOneRow(db, statement, file_, failure);
      },
      error);
}

bool Roster::remove(std::int64_t id, std::string& error) { return remove(std::vector<std::int64_t>{id}, error); }

bool Roster::remove(const std::vector<std::int64_t>& ids, std::string& error) {
  return change(
      [&](sqlite3* db, std::string& failure) {
        Statement statement(db, "DELETE FROM person WHERE id = ?1");
        for (const std::int64_t id : ids) {
          statement.reset();
          statement.bind(1, id);
          if (!ChangedOneRow(db, statement, file_, failure)) return false;
        }
        return true;
      },
      error);
}

void Roster::settle() {
  const FileCheck check = inspect();
  if (check.state != FileState::Usable) return;
  std::string detail;
  Connection db = OpenConnection(file_, OpenMode::ReadWrite, detail, wait_);
  if (db) Execute(db.get(), "PRAGMA wal_checkpoint(TRUNCATE)", detail);
}

std::optional<fs::path> Roster::backUp(BackupReason reason, std::string& error, const BackupProgress& progress) {
  const FileCheck check = inspect();
  if (!MayRead(check) || check.version == 0) {
    error = check.message.empty() ? "名簿ファイルがまだありません" : check.message;
    return std::nullopt;
  }
  Connection db = openToRead(error);
  if (!db) return std::nullopt;
  return BackupDatabase(db.get(), file_, localStamp_(), reason, error, progress);
}

bool Roster::restore(const fs::path& copy, std::string& error) {
  lastBusy_ = false;
  const FileCheck copyCheck = InspectRosterFile(copy);
  if (!MayRead(copyCheck) || copyCheck.version == 0) {
    error = "この控えは名簿として読めません" + Quoted(copy);
    return false;
  }
  std::string detail;
  Connection source = OpenConnection(copy, OpenMode::ReadOnly, detail, wait_);
  if (!source) {
    error = "この控えは名簿として読めません" + Quoted(copy);
    return false;
  }
  const FileCheck check = inspect();
  Connection db = OpenForWriting(file_, wait_, check, error);
  if (!db) {
    lastBusy_ = check.state == FileState::Busy;
    return false;
  }
  checked_.reset();
  if (check.state == FileState::Usable &&
      !BackupDatabase(db.get(), file_, localStamp_(), BackupReason::BeforeRestore, error)) {
    error += "。名簿ファイルは変更していません";
    return false;
  }
  // The backup API writes the copy's pages into the file in one transaction
  // of its own, through the log, as any other change.
  sqlite3_backup* backup = sqlite3_backup_init(db.get(), "main", source.get(), "main");
  if (backup == nullptr) {
    error = StorageError(db.get(), LastError(db.get()), file_);
    return false;
  }
  const int rc = sqlite3_backup_step(backup, -1);
  sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) {
    lastBusy_ = IsBusy(rc);
    error = IsBusy(rc) ? BusyMessage(file_) : StorageError(db.get(), LastError(db.get()), file_);
    CleanUpAfterFailure(db.get());
    return false;
  }
  return true;
}

}  // namespace mireto::roster
