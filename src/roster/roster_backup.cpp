#include "roster/roster_backup.h"

#include <sqlite3.h>

#include <algorithm>
#include <system_error>

#include "roster/private_files.h"
#include "roster/sqlite_handle.h"

namespace mireto::roster {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "roster-";
constexpr std::string_view kSuffix = ".sqlite3";
constexpr std::string_view kPartial = ".partial";
constexpr int kPagesPerStep = 64;

std::string_view ReasonWord(BackupReason reason) {
  switch (reason) {
    case BackupReason::Daily: return "";
    case BackupReason::BeforeMigration: return "-migration";
    case BackupReason::BeforeRestore: return "-restore";
  }
  return "";
}

bool IsStamp(std::string_view text) {
  if (text.size() != 15 || text[8] != '-') return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i != 8 && (text[i] < '0' || text[i] > '9')) return false;
  return true;
}

// The copy a file name stands for; nullopt for any other file.
std::optional<BackupCopy> CopyOfName(const fs::path& file) {
  const std::string name = file.filename().string();
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  const std::string_view middle =
      std::string_view(name).substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  if (middle.size() < 15 || !IsStamp(middle.substr(0, 15))) return std::nullopt;
  BackupCopy copy;
  copy.file = file;
  copy.stamp = std::string(middle.substr(0, 15));
  std::string_view rest = middle.substr(15);
  // A second copy within the same second carries "-2", "-3"… after its reason.
  for (const BackupReason reason : {BackupReason::BeforeMigration, BackupReason::BeforeRestore}) {
    if (rest.starts_with(ReasonWord(reason))) copy.reason = reason;
  }
  return copy;
}

std::vector<BackupCopy> CopiesOnDisk(const fs::path& rosterFile) {
  std::vector<BackupCopy> copies;
  std::error_code ec;
  for (fs::directory_iterator it(BackupFolder(rosterFile), ec), end; !ec && it != end; it.increment(ec)) {
    if (auto copy = CopyOfName(it->path())) copies.push_back(std::move(*copy));
  }
  std::sort(copies.begin(), copies.end(), [](const BackupCopy& a, const BackupCopy& b) {
    return a.file.filename().string() > b.file.filename().string();
  });
  return copies;
}

void RemoveCopy(const fs::path& file) {
  std::error_code ec;
  for (const char* side : {"", "-wal", "-shm", "-journal"}) fs::remove(fs::path(file.string() + side), ec);
}

// What an interrupted backup left: its temporary file and side files.
void RemovePartials(const fs::path& folder) {
  std::error_code ec;
  std::vector<fs::path> partial;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().find(kPartial) != std::string::npos) partial.push_back(it->path());
  }
  for (const fs::path& file : partial) fs::remove(file, ec);
}

bool Copy(sqlite3* source, sqlite3* target, const BackupProgress& progress) {
  sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
  if (backup == nullptr) return false;
  int rc = SQLITE_OK;
  do {
    rc = sqlite3_backup_step(backup, kPagesPerStep);
    if (progress && rc == SQLITE_OK) progress(sqlite3_backup_remaining(backup));
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(5);
  } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
  return sqlite3_backup_finish(backup) == SQLITE_OK && rc == SQLITE_DONE;
}

}  // namespace

fs::path BackupFolder(const fs::path& rosterFile) {
  const fs::path folder = rosterFile.has_parent_path() ? rosterFile.parent_path() : fs::path(".");
  return folder / "backups";
}

std::optional<fs::path> BackupDatabase(sqlite3* source, const fs::path& rosterFile, const std::string& stamp,
                                       BackupReason reason, std::string& error, const BackupProgress& progress) {
  const fs::path folder = BackupFolder(rosterFile);
  if (!CreatePrivateFolder(folder)) {
    error = "名簿の控えのフォルダを作れません（" + folder.string() + "）";
    return std::nullopt;
  }
  RemovePartials(folder);
  const std::string base = std::string(kPrefix) + stamp + std::string(ReasonWord(reason));
  fs::path target;
  std::error_code ec;
  for (int n = 1;; ++n) {
    target = folder / (base + (n == 1 ? "" : "-" + std::to_string(n)) + std::string(kSuffix));
    if (!fs::exists(target, ec)) break;
  }
  const fs::path partial(target.string() + std::string(kPartial));
  if (!CreatePrivateFile(partial)) {
    error = "名簿の控えを作れません（" + partial.string() + "）";
    return std::nullopt;
  }
  bool copied = false;
  {
    std::string detail;
    Connection copy = OpenConnection(partial, OpenMode::ReadWrite, detail);
    copied = copy && Execute(copy.get(), "PRAGMA synchronous = FULL", detail) && Copy(source, copy.get(), progress);
    // Back in the rollback journal, so that a copy is one self-contained file.
    copied = copied && Execute(copy.get(), "PRAGMA journal_mode = DELETE", detail);
    if (copy && IsFull(LastErrorCode(copy.get()))) detail = "ディスクの空きがありません";
    if (!copied) error = "名簿の控えを作れませんでした" + (detail.empty() ? std::string() : "（" + detail + "）");
  }
  if (!copied || PublishNoReplace(partial, target) != Publish::Done) {
    RemoveCopy(partial);
    if (copied) error = "名簿の控えを作れませんでした（" + target.string() + "）";
    return std::nullopt;
  }
  SyncFolder(folder);
  const std::vector<BackupCopy> copies = CopiesOnDisk(rosterFile);
  for (std::size_t i = kKeptBackups; i < copies.size(); ++i) RemoveCopy(copies[i].file);
  return target;
}

std::vector<BackupCopy> ListBackups(const fs::path& rosterFile) {
  std::vector<BackupCopy> copies = CopiesOnDisk(rosterFile);
  for (BackupCopy& copy : copies) {
    std::string error;
    Connection db = OpenConnection(copy.file, OpenMode::ReadOnly, error, 0);
    if (db) copy.entries = QueryInteger(db.get(), "SELECT count(*) FROM person", error);
  }
  return copies;
}

bool HasBackupOfDay(const fs::path& rosterFile, const std::string& stamp) {
  const std::string day = stamp.substr(0, 8);
  for (const BackupCopy& copy : CopiesOnDisk(rosterFile))
    if (copy.stamp.starts_with(day)) return true;
  return false;
}

std::string StampText(const std::string& stamp) {
  if (!IsStamp(stamp)) return stamp;
  const auto number = [&](std::size_t at, std::size_t size) { return std::stoi(stamp.substr(at, size)); };
  return std::to_string(number(0, 4)) + "年" + std::to_string(number(4, 2)) + "月" + std::to_string(number(6, 2)) +
         "日 " + stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

}  // namespace mireto::roster
