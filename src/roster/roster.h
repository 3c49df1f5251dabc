// The roster file: every operation opens its own connection, checks the file
// before anything is written, and makes each change in one transaction.
//
// The file is kept in SQLite's write-ahead-log mode with full synchronisation
// and a busy timeout, so that two running programs (the desktop program and
// mireto-chart, or two copies of either) can write at once without losing an
// entry. A file that is damaged, of a newer version, of another program or
// not writable is never opened for writing: the operation fails with the
// Japanese message of InspectRosterFile and the file stays as it was. A
// roster that cannot be written is still read, through a read-only connection.
//
// A new file is built complete under a temporary name in its folder and then
// given its name, so that a crash leaves either no roster or a whole one. The
// folder is private (0700), the file and its side files 0600 whatever the
// umask; the first write of each day and every schema migration is preceded
// by a backup (roster_backup.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/roster_backup.h"
#include "roster/roster_entry.h"
#include "roster/roster_file.h"
#include "roster/sqlite_handle.h"

struct sqlite3;

namespace mireto::roster {

// The present moment in UTC as "YYYY-MM-DDTHH:MM:SSZ".
std::string UtcTimestamp();

// Tightens the roster's file, side files and backups that others may read
// (0600, and 0700 for backups/); true when anything was tightened (told
// once). The folder itself only when it is the program's own data folder: a
// roster the user put elsewhere (--roster) never changes the rights of a
// folder shared with other files.
bool TightenRosterFiles(const std::filesystem::path& file, bool ownFolder);

// The message of a roster whose files were tightened.
inline constexpr std::string_view kTightenedNotice =
    "名簿ファイルをほかのユーザーも読める状態だったため、本人だけが読み書きできるように直しました。";

// What an import added and what it skipped as already there.
struct AddCount {
  std::size_t added = 0;
  std::size_t skipped = 0;
};

class Roster {
 public:
  // Gives the creation and change times of entries.
  using Clock = std::function<std::string()>;

  // The clock gives UTC change times; localStamp the local "YYYYMMDD-HHMMSS"
  // of backups; waitMilliseconds how long a write waits for another program's
  // lock (the desktop program waits briefly and keeps what was typed).
  explicit Roster(std::filesystem::path file, Clock clock = UtcTimestamp, Clock localStamp = {},
                  int waitMilliseconds = kBusyTimeoutMilliseconds);

  const std::filesystem::path& file() const { return file_; }

  // Looks at the file without writing; see roster_file.h. A file unchanged
  // (size and time of the file and its log) since this object last checked
  // it, or last wrote it, is not read through again.
  FileCheck inspect() const;

  // Every entry in the order added. A file not yet created reads as empty.
  std::optional<std::vector<Entry>> entries(std::string& error) const;

  // One entry; nullopt (and a message) when it is not there.
  std::optional<Entry> entry(std::int64_t id, std::string& error) const;

  // Adds one entry (checked with CheckEntry); its id, or nullopt and a message.
  std::optional<std::int64_t> add(const NewEntry& entry, std::string& error);

  // Adds every entry in one transaction: all of them or, on any failure,
  // none. An entry whose name, note, birth, decision, reading and birthplace
  // all equal an entry already there (or one added before it) is skipped.
  std::optional<AddCount> addAll(const std::vector<NewEntry>& entries, std::string& error);

  // Replaces the name and the note of an entry; its inputs stay as they are.
  bool update(std::int64_t id, std::string_view name, std::string_view note, std::string& error);

  // Replaces everything of an entry but its id and creation time: a birth
  // corrected later (a time that turned up) keeps the person's entry.
  bool update(std::int64_t id, const NewEntry& entry, std::string& error);

  bool remove(std::int64_t id, std::string& error);
  // Removes them all in one transaction, or none.
  bool remove(const std::vector<std::int64_t>& ids, std::string& error);

  // Copies the write-ahead log into the file and removes it, as a program
  // does when it is done with the roster (writes leave the log in place, so
  // that a save on a large roster stays quick).
  void settle();

  // Whether the last failed write failed because another program held the file.
  bool lastFailureWasBusy() const { return lastBusy_; }

  // A backup now (see roster_backup.h); the copy, or nullopt and a message.
  std::optional<std::filesystem::path> backUp(BackupReason reason, std::string& error,
                                              const BackupProgress& progress = {});

  // Replaces the roster's content with a backup copy's, after backing up the
  // present file (kept as one more copy). The copy must be a roster this
  // program reads.
  bool restore(const std::filesystem::path& copy, std::string& error);

 private:
  // A read-only connection, or null and the message in error.
  Connection openToRead(std::string& error) const;
  using Change = std::function<bool(sqlite3*, std::string&)>;
  bool change(const Change& body, std::string& error);
  // The id of the last entry inserted.
  std::optional<std::int64_t> insert(const std::vector<NewEntry>& entries, std::string& error);

  // What the file looked like when last checked or written by this object.
  struct Signature {
    std::uintmax_t size = 0, logSize = 0;
    std::filesystem::file_time_type time{}, logTime{};
    friend bool operator==(const Signature&, const Signature&) = default;
  };
  std::optional<Signature> signature() const;
  void remember(const FileCheck& check) const;

  std::filesystem::path file_;
  Clock clock_;
  Clock localStamp_;
  int wait_;
  bool lastBusy_ = false;
  mutable std::optional<std::pair<Signature, FileCheck>> checked_;
};

}  // namespace mireto::roster
