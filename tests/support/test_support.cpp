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
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return {};
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
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

Stem StemNamed(std::string_view name) {
  for (const Stem s : kAllStems) {
    if (s.name() == name) return s;
  }
  throw std::invalid_argument("no stem " + std::string(name));
}

Branch BranchNamed(std::string_view name) {
  for (const Branch b : kAllBranches) {
    if (b.name() == name) return b;
  }
  throw std::invalid_argument("no branch " + std::string(name));
}

}  // namespace mireto::test
