// Helpers shared by the core tests: the real data files and their text.
#pragma once

#include <filesystem>
#include <string>

#include "core/data_files.h"

namespace mireto::test {

// The folder holding the executables and the copied planet.txt / latitude.txt.
std::filesystem::path BinDirectory();

// Whole contents of a file, as bytes.
std::string ReadFile(const std::filesystem::path& path);

// The tables loaded from the real data files, or nullptr (with a recorded
// failure) when they do not load.
const CalendarTables* RealTables();

}  // namespace mireto::test
