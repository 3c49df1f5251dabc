// Backups of the roster file in the folder backups/ beside it, made with
// SQLite's online backup API: a consistent copy even while another program
// writes, unlike a plain copy of the file.
//
// A copy is built under a temporary name, flushed and only then renamed to
// roster-YYYYMMDD-HHMMSS[-reason].sqlite3, so that a crash in the middle of a
// backup leaves no copy that looks complete; the next backup removes what it
// left. The newest kKeptBackups copies are kept.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace mireto::roster {

inline constexpr std::size_t kKeptBackups = 14;

// Why a copy was made: part of its name.
enum class BackupReason { Daily, BeforeMigration, BeforeRestore };

struct BackupCopy {
  std::filesystem::path file;
  std::string stamp;  // "YYYYMMDD-HHMMSS", local time
  BackupReason reason = BackupReason::Daily;
  std::optional<std::int64_t> entries;  // nullopt when the copy cannot be read
};

std::filesystem::path BackupFolder(const std::filesystem::path& rosterFile);

// Called with the pages left after each step of a backup (for tests).
using BackupProgress = std::function<void(int remainingPages)>;

// Copies the database of `source` into a new copy named after `stamp`; the
// copy's path, or nullopt and a Japanese message. Older copies beyond
// kKeptBackups are removed.
std::optional<std::filesystem::path> BackupDatabase(sqlite3* source, const std::filesystem::path& rosterFile,
                                                    const std::string& stamp, BackupReason reason, std::string& error,
                                                    const BackupProgress& progress = {});

// The copies, newest first.
std::vector<BackupCopy> ListBackups(const std::filesystem::path& rosterFile);

// Whether a copy was made on the day of `stamp` (its first 8 characters).
bool HasBackupOfDay(const std::filesystem::path& rosterFile, const std::string& stamp);

// "2026年12月9日 12:15:00" for a stamp.
std::string StampText(const std::string& stamp);

}  // namespace mireto::roster
