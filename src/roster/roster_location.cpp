#include "roster/roster_location.h"

#include <cstdlib>

namespace mireto::roster {

namespace {

bool IsSet(const char* value) { return value != nullptr && value[0] != '\0'; }

}  // namespace

std::optional<std::filesystem::path> AppDataFolder(const char* xdgDataHome, const char* home) {
  std::filesystem::path base;
  if (IsSet(xdgDataHome)) {
    base = xdgDataHome;
  } else if (IsSet(home)) {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    return std::nullopt;
  }
  return (base / kApplicationName).lexically_normal();
}

std::optional<std::filesystem::path> DefaultRosterFile() {
  const auto folder = AppDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!folder) return std::nullopt;
  return *folder / kRosterFileName;
}

}  // namespace mireto::roster
