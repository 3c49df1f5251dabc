#include "test_tables.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace mireto::test {

std::filesystem::path BinDirectory() { return MIRETO_BIN_DIR; }

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const CalendarTables* RealTables() {
  static const TablesOrError loaded = LoadCalendarTables(BinDirectory());
  if (!loaded.tables) {
    ADD_FAILURE() << "data files did not load: " << loaded.error;
    return nullptr;
  }
  return &*loaded.tables;
}

}  // namespace mireto::test
