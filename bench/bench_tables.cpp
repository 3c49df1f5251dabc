#include "bench_tables.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace mireto::bench {

const CalendarTables& Tables() {
  static const TablesOrError loaded = [] {
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    return LoadCalendarTables(folder);
  }();
  if (!loaded.tables) {
    std::fprintf(stderr, "%s\n", loaded.error.c_str());
    std::exit(2);
  }
  return *loaded.tables;
}

}  // namespace mireto::bench
