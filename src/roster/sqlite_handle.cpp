#include "roster/sqlite_handle.h"

#include <sqlite3.h>

#include "core/utf8_path.h"

namespace mireto::roster {

void ConnectionCloser::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

Connection OpenConnection(const std::filesystem::path& file, OpenMode mode, std::string& error, int waitMilliseconds) {
  int flags = SQLITE_OPEN_NOMUTEX;
  switch (mode) {
    case OpenMode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case OpenMode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case OpenMode::ReadWriteCreate: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
  }
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(Utf8Text(file).c_str(), &raw, flags, nullptr);
  Connection db(raw);
  if (rc != SQLITE_OK) {
    error = raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
    return nullptr;
  }
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, waitMilliseconds);
  sqlite3_exec(raw, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
  return db;
}

namespace {

// A file: URI for the path, every byte but the unreserved ones and '/' escaped.
std::string FileUri(const std::filesystem::path& file) {
  const std::string path = std::filesystem::absolute(file).string();
  std::string uri = "file:";
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || c == '-' ||
        c == '.' || c == '_' || c == '~' || c == '/') {
      uri += c;
    } else {
      uri += '%';
      uri += kHex[byte >> 4];
      uri += kHex[byte & 0xF];
    }
  }
  return uri + "?immutable=1";
}

}  // namespace

Connection OpenForReading(const std::filesystem::path& file, std::string& error, int waitMilliseconds) {
  Connection db = OpenConnection(file, OpenMode::ReadOnly, error, waitMilliseconds);
  if (!db) return db;
  if (sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr) == SQLITE_OK) return db;
  const int primary = LastErrorCode(db.get()) & 0xFF;
  if (primary != SQLITE_CANTOPEN && primary != SQLITE_READONLY) return db;
  db.reset();
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(FileUri(file).c_str(), &raw,
                                 SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
  Connection immutable(raw);
  if (rc != SQLITE_OK) {
    error = raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
    return nullptr;
  }
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_exec(raw, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
  return immutable;
}

bool IsBusy(int extendedCode) {
  const int primary = extendedCode & 0xFF;
  return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool IsFull(int extendedCode) { return (extendedCode & 0xFF) == SQLITE_FULL; }

std::string LastError(sqlite3* db) { return sqlite3_errmsg(db); }

int LastErrorCode(sqlite3* db) { return sqlite3_extended_errcode(db); }

bool Execute(sqlite3* db, const char* sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message != nullptr ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

Statement::Statement(sqlite3* db, std::string_view sql) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::bind(int index, std::string_view text) {
  sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void Statement::bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::reset() {
  if (stmt_ == nullptr) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  done_ = false;
}

bool Statement::step() {
  if (stmt_ == nullptr) return false;
  const int rc = sqlite3_step(stmt_);
  done_ = rc == SQLITE_DONE;
  return rc == SQLITE_ROW;
}

std::string Statement::text(int column) const {
  const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  if (bytes == nullptr) return {};
  return std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::optional<std::int64_t> QueryInteger(sqlite3* db, const char* sql, std::string& error) {
  Statement statement(db, sql);
  if (!statement.ok() || !statement.step()) {
    error = LastError(db);
    return std::nullopt;
  }
  return statement.integer(0);
}

}  // namespace mireto::roster
