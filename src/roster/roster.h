// The roster file: every operation opens its own connection, checks the file
// before anything is written, and makes each change in one transaction.
//
// The file is kept in SQLite's write-ahead-log mode with full synchronisation
// and a busy timeout, so that two running programs (the desktop program and
// mireto-chart, or two copies of either) can write at once without losing an
// entry. A file that is damaged, of a newer version, of another program or
// not writable is never opened for writing: the operation fails with the
// Japanese message of InspectRosterFile and the file stays as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/roster_entry.h"
#include "roster/roster_file.h"

struct sqlite3;

namespace mireto::roster {

// The present moment in UTC as "YYYY-MM-DDTHH:MM:SSZ".
std::string UtcTimestamp();

class Roster {
 public:
  // Gives the creation and change times of entries.
  using Clock = std::function<std::string()>;

  explicit Roster(std::filesystem::path file, Clock clock = UtcTimestamp);

  const std::filesystem::path& file() const { return file_; }

  // Looks at the file without writing; see roster_file.h.
  FileCheck inspect() const { return InspectRosterFile(file_); }

  // Every entry in the order added. A file not yet created reads as empty.
  std::optional<std::vector<Entry>> entries(std::string& error) const;

  // Adds one entry (checked with CheckEntry); its id, or nullopt and a message.
  std::optional<std::int64_t> add(const NewEntry& entry, std::string& error);

  // Adds every entry in one transaction: all of them or, on any failure, none.
  bool addAll(const std::vector<NewEntry>& entries, std::string& error);

  // Replaces the name and the note of an entry; its inputs stay as they are.
  bool update(std::int64_t id, std::string_view name, std::string_view note, std::string& error);

  // Replaces everything of an entry but its id and creation time: a birth
  // corrected later (a time that turned up) keeps the person's entry.
  bool update(std::int64_t id, const NewEntry& entry, std::string& error);

  bool remove(std::int64_t id, std::string& error);

 private:
  using Change = std::function<bool(sqlite3*, std::string&)>;
  bool change(const Change& body, std::string& error);
  // The id of the last entry inserted.
  std::optional<std::int64_t> insert(const std::vector<NewEntry>& entries, std::string& error);

  std::filesystem::path file_;
  Clock clock_;
};

}  // namespace mireto::roster
