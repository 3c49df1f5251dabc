// The roster file's tables and their forward migrations.
//
// PRAGMA user_version holds the version of the tables; PRAGMA application_id
// marks the file as a roster, so that another program's SQLite file placed
// under the same name is never altered.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct sqlite3;

namespace mireto::roster {

// "MRTO" in ASCII.
inline constexpr std::int32_t kApplicationId = 0x4D52544F;

struct Migration {
  int toVersion;
  const char* sql;  // run inside the caller's transaction
};

// Version 1: one row per person, the inputs as texts exactly as entered.
// Version 2: indexes for the roster window's orders (birth date, last change).
inline constexpr std::array<Migration, 2> kMigrations = {{
    {1,
     "CREATE TABLE person ("
     " id INTEGER PRIMARY KEY AUTOINCREMENT,"
     " name TEXT NOT NULL,"
     " note TEXT NOT NULL DEFAULT '',"
     " date TEXT NOT NULL,"
     " hour TEXT NOT NULL,"
     " minute TEXT NOT NULL,"
     " sex TEXT NOT NULL CHECK (sex IN ('M', 'F')),"
     " jisa_minutes TEXT NOT NULL,"
     " jisa_seconds TEXT NOT NULL,"
     " created_at TEXT NOT NULL,"
     " changed_at TEXT NOT NULL);"},
    {2,
     "CREATE INDEX person_by_birth ON person (date, id);"
     "CREATE INDEX person_by_change ON person (changed_at, id);"},
}};

// The version this program writes and fully understands.
inline constexpr int kSchemaVersion = static_cast<int>(kMigrations.size());

// The columns of table person, in order, the same in every version so far.
inline constexpr std::array<const char*, 11> kPersonColumns = {
    "id",     "name", "note",         "date",         "hour",      "minute",
    "sex",    "jisa_minutes", "jisa_seconds", "created_at", "changed_at"};

// Brings tables of version `from` (0: a blank file) to kSchemaVersion inside
// the caller's transaction and records the version and the application id.
bool MigrateSchema(sqlite3* db, int from, std::string& error);

// Whether the file's table person has exactly kPersonColumns.
bool HasPersonTable(sqlite3* db, std::string& error);

}  // namespace mireto::roster
