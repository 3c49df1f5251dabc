// What the tests of every area share: the real data files and tables, files
// read whole, and births built in one call.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "chart/chart.h"
#include "core/data_files.h"

namespace mireto::test {

// The folder holding the executables and the copied planet.txt / latitude.txt.
std::filesystem::path BinDirectory();

// Whole contents of a file, as bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// The tables loaded once from the real data files, or nullptr when they do
// not load (LoadError() then says why).
const CalendarTables* RealTables();
std::string LoadError();

// The real tables; throws std::runtime_error when they do not load.
const CalendarTables& Tables();

// The present moment the chart tests use unless they give their own.
inline constexpr LocalDateTime kNow{2026, 12, 7, 12, 0};

// A birth as the inputs hold it; hour or minute nullopt for "?".
BirthInput Birth(int year, int month, int day, std::optional<int> hour, std::optional<int> minute,
                 std::string jisaMinutes = "0", std::string jisaSeconds = "0", Sex sex = Sex::Female);

// The chart of a birth; throws std::runtime_error with the refusal message.
Chart Compute(const BirthInput& input, const LocalDateTime& now = kNow);

}  // namespace mireto::test
