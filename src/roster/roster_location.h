// Where the roster file lives: the application's data folder as Qt's
// QStandardPaths::AppDataLocation gives it on Linux for the application
// name "mireto" and no organisation name, so that mireto-chart, which does
// not use Qt, finds the file the desktop program writes.
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

// The same, read from this process's environment.
std::optional<std::filesystem::path> DefaultRosterFile();

}  // namespace mireto::roster
