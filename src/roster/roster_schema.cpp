#include "roster/roster_schema.h"

#include "roster/sqlite_handle.h"

namespace mireto::roster {

bool MigrateSchema(sqlite3* db, int from, std::string& error) {
  for (const Migration& step : kMigrations) {
    if (step.toVersion <= from) continue;
    if (!Execute(db, step.sql, error)) return false;
  }
  const std::string pragmas = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                              "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";";
  return Execute(db, pragmas.c_str(), error);
}

std::string PersonColumnsOf(int version) {
  std::string list;
  for (const PersonColumn& column : kPersonColumns) {
    if (!list.empty()) list += ", ";
    list += column.sinceVersion <= version ? column.name : "''";
  }
  return list;
}

bool HasPersonTable(sqlite3* db, int version, std::string& error) {
  std::size_t expected = 0;
  for (const PersonColumn& column : kPersonColumns) {
    if (column.sinceVersion <= version) ++expected;
  }
  Statement columns(db, "SELECT name FROM pragma_table_info('person') ORDER BY cid");
  if (!columns.ok()) {
    error = LastError(db);
    return false;
  }
  std::size_t count = 0;
  while (columns.step()) {
    if (count >= expected || columns.text(0) != kPersonColumns[count].name) return false;
    ++count;
  }
  if (!columns.done()) {
    error = LastError(db);
    return false;
  }
  return count == expected;
}

}  // namespace mireto::roster
