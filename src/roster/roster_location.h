// Where the roster file lives: the application's data folder as Qt's
// QStandardPaths::AppDataLocation gives it for the application name "mireto"
// and no organisation name, so that mireto-chart, which does not use Qt,
// finds the file the desktop program writes. On Linux that is below
// $XDG_DATA_HOME or ~/.local/share; on Windows it is %APPDATA%\mireto (the
// roaming application-data folder). The system-dependent parts are in
// roster_location_linux.cpp and roster_location_windows.cpp.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace mireto::roster {

inline constexpr std::string_view kApplicationName = "mireto";
inline constexpr std::string_view kRosterFileName = "roster.sqlite3";

// $XDG_DATA_HOME when it is set and not empty (taken as it is, even when
// relative, as Qt 6.4 takes it), else $HOME/.local/share; then the
// application's folder. Both variables are passed in (no environment is read
// here); nullopt when neither gives a folder.
std::optional<std::filesystem::path> AppDataFolder(const char* xdgDataHome, const char* home);

// The roster file in this system's application-data folder (on Linux
// AppDataFolder of this process's environment).
std::optional<std::filesystem::path> DefaultRosterFile();

// Whether files may be created in the existing folder.
bool FolderWritable(const std::filesystem::path& folder);

// Whether the existing file may be read and written.
bool FileReadWritable(const std::filesystem::path& file);

}  // namespace mireto::roster
