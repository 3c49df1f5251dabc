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

bool HasPersonTable(sqlite3* db, std::string& error) {
  Statement columns(db, "SELECT name FROM pragma_table_info('person') ORDER BY cid");
  if (!columns.ok()) {
    error = LastError(db);
    return false;
  }
  std::size_t count = 0;
  while (columns.step()) {
    if (count >= kPersonColumns.size() || columns.text(0) != kPersonColumns[count]) return false;
    ++count;
  }
  if (!columns.done()) {
    error = LastError(db);
    return false;
  }
  return count == kPersonColumns.size();
}

}  // namespace mireto::roster
