#include "test_support.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mireto::test {

namespace {

const TablesOrError& Loaded() {
  static const TablesOrError loaded = LoadCalendarTables(BinDirectory());
  return loaded;
}

}  // namespace

std::filesystem::path BinDirectory() { return MIRETO_BIN_DIR; }

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const CalendarTables* RealTables() { return Loaded().tables ? &*Loaded().tables : nullptr; }

std::string LoadError() { return Loaded().error; }

const CalendarTables& Tables() {
  if (const CalendarTables* tables = RealTables()) return *tables;
  throw std::runtime_error("data files did not load: " + LoadError());
}

BirthInput Birth(int year, int month, int day, std::optional<int> hour, std::optional<int> minute,
                 std::string jisaMinutes, std::string jisaSeconds, Sex sex) {
  BirthInput in;
  in.year = year;
  in.month = month;
  in.day = day;
  in.hour = hour;
  in.minute = minute;
  in.jisaMinutesText = std::move(jisaMinutes);
  in.jisaSecondsText = std::move(jisaSeconds);
  in.sex = sex;
  return in;
}

Chart Compute(const BirthInput& input, const LocalDateTime& now) {
  auto result = ComputeChart(input, Tables(), now);
  if (!result.chart) throw std::runtime_error(result.error);
  return *result.chart;
}

}  // namespace mireto::test
