// Owning handles over the SQLite C library: a connection and a prepared
// statement, closed and finalised on every path.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace mireto::roster {

struct ConnectionCloser {
  void operator()(sqlite3* db) const;
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

enum class OpenMode { ReadOnly, ReadWrite, ReadWriteCreate };

// How long a connection waits for another one's lock before giving up.
inline constexpr int kBusyTimeoutMilliseconds = 10000;

// Opens the file; nullptr and SQLite's message in error on failure. URI names
// are not interpreted: the path is always a plain file name. Temporary tables
// and indexes are kept in memory, so that nothing of the file's content is
// ever written to a shared temporary folder.
Connection OpenConnection(const std::filesystem::path& file, OpenMode mode, std::string& error,
                          int waitMilliseconds = kBusyTimeoutMilliseconds);

// A read-only connection that can read. A file in write-ahead-log mode whose
// log index can neither be found nor created (a read-only folder, another
// user's roster) is opened as immutable: read as it is on disk.
Connection OpenForReading(const std::filesystem::path& file, std::string& error,
                          int waitMilliseconds = kBusyTimeoutMilliseconds);

// Whether an extended result code means another connection holds a lock.
bool IsBusy(int extendedCode);
// Whether it means the disk (or the file system's quota) is full.
bool IsFull(int extendedCode);

// The connection's last error message.
std::string LastError(sqlite3* db);
// The connection's extended result code of the last call.
int LastErrorCode(sqlite3* db);

// Runs SQL without results; false and the message in error on failure.
bool Execute(sqlite3* db, const char* sql, std::string& error);

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return stmt_ != nullptr; }

  // Parameters are numbered from 1.
  void bind(int index, std::string_view text);
  void bind(int index, std::int64_t value);

  // Clears the last run and the parameters, for a run with new ones.
  void reset();

  // One step: true while a row is available; done() tells a clean end from an error.
  bool step();
  bool done() const { return done_; }

  std::string text(int column) const;
  std::int64_t integer(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
  bool done_ = false;
};

// The single integer a query returns (e.g. a PRAGMA); nullopt on failure.
std::optional<std::int64_t> QueryInteger(sqlite3* db, const char* sql, std::string& error);

}  // namespace mireto::roster
