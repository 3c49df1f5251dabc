#include "roster/roster_location.h"

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

}  // namespace mireto::roster
