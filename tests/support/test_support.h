// What the tests of every area share (namespace mireto::test): the real data
// files and tables, files read and written whole, and births built in one
// call. Beside it: temporary folders and the environment (test_system.h),
// child processes (child_process.h, Linux), a user's input into the windows
// (qt_input.h) and the Qt test classes of an executable (qt_test_classes.h).
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart.h"
#include "core/data_files.h"

namespace mireto {

// A failed comparison names the stem or branch (甲, 子).
inline void PrintTo(Stem s, std::ostream* os) { *os << s.name(); }
inline void PrintTo(Branch b, std::ostream* os) { *os << b.name(); }

}  // namespace mireto

namespace mireto::test {

// The folder holding the executables and the copied planet.txt / latitude.txt.
std::filesystem::path BinDirectory();

// Whole contents of a file, as bytes; empty for a folder or a file that
// cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Writes the bytes as the whole file, creating its folder when needed.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// The lines of a text without their line feeds (a last line without one
// counts too).
std::vector<std::string> Lines(const std::string& text);

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

// The stem or branch of a name (甲, 子); throws std::invalid_argument for any
// other text, so that a slip in a test's table fails loudly.
Stem StemNamed(std::string_view name);
Branch BranchNamed(std::string_view name);

}  // namespace mireto::test
