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
// Version 3: the summer-time decision taken for the birth ('' when none was
//            asked, 'apply' or 'ignore'); older rows get ''.
// Version 4: the reading of the name (ふりがな); older rows get ''.
// Version 5: the birthplace (出生地, free text); older rows get ''.
inline constexpr std::array<Migration, 5> kMigrations = {{
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
    {3,
     "ALTER TABLE person ADD COLUMN summer_time TEXT NOT NULL DEFAULT ''"
     " CHECK (summer_time IN ('', 'apply', 'ignore'));"},
    {4, "ALTER TABLE person ADD COLUMN reading TEXT NOT NULL DEFAULT '';"},
    {5, "ALTER TABLE person ADD COLUMN birthplace TEXT NOT NULL DEFAULT '';"},
}};

// The version this program writes and fully understands.
inline constexpr int kSchemaVersion = static_cast<int>(kMigrations.size());

// The columns of table person, in order, and the version that added each.
struct PersonColumn {
  const char* name;
  int sinceVersion;
};
inline constexpr auto kPersonColumns = std::to_array<PersonColumn>({
    {"id", 1},
    {"name", 1},
    {"note", 1},
    {"date", 1},
    {"hour", 1},
    {"minute", 1},
    {"sex", 1},
    {"jisa_minutes", 1},
    {"jisa_seconds", 1},
    {"created_at", 1},
    {"changed_at", 1},
    {"summer_time", 3},
    {"reading", 4},
    {"birthplace", 5},
});

// The select list of table person in the order of kPersonColumns for a file
// of `version`: a column added later reads as ''.
std::string PersonColumnsOf(int version);

// Brings tables of version `from` (0: a blank file) to kSchemaVersion inside
// the caller's transaction and records the version and the application id.
bool MigrateSchema(sqlite3* db, int from, std::string& error);

// Whether the file's table person has exactly the columns of `version`.
bool HasPersonTable(sqlite3* db, int version, std::string& error);

}  // namespace mireto::roster
