// Where both programs find planet.txt and latitude.txt.
//
// In the build tree and in the installed layout (libexec/mireto) the data
// files sit beside the executable; a layout that keeps them under share/ is
// also accepted: <program folder>/../share/mireto. On Linux the program's
// folder comes from the kernel's link to the running executable
// (/proc/self/exe) or, where /proc is not mounted, from the command the
// program was started with; on Windows from GetModuleFileNameW. The current
// directory is never searched.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/data_files.h"

namespace mireto {

// The folder of the running executable, symbolic links resolved: the target
// of selfLink when it can be read; otherwise argv0 resolved (a name with a
// slash against the current directory, a bare name along searchPath, a
// colon-separated list like PATH). nullopt when neither leads to a file.
std::optional<std::filesystem::path> ProgramDirectory(const std::filesystem::path& selfLink, std::string_view argv0,
                                                      std::string_view searchPath);

// The same for this process (program_folder_linux.cpp: /proc/self/exe, argv0
// and the PATH variable; program_folder_windows.cpp: the module's file name).
std::optional<std::filesystem::path> ProgramDirectory(std::string_view argv0);

// Whether this user may run the file (used by the search along PATH).
bool MayExecute(const std::filesystem::path& file);

// The folders searched, in order, for a program in programDirectory.
std::vector<std::filesystem::path> DataDirectories(const std::filesystem::path& programDirectory);

// Loads and checks the tables (LoadShippedCalendarTables) from the first
// folder of DataDirectories that holds planet.txt; when none does, reports
// the problem of the first folder.
TablesOrError LoadTablesBesideProgram(const std::filesystem::path& programDirectory);

// ProgramDirectory(argv0), then LoadTablesBesideProgram; a Japanese message
// when the program's folder cannot be found.
TablesOrError LoadProgramTables(std::string_view argv0);

}  // namespace mireto
