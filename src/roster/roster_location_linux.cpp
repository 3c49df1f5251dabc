#include <unistd.h>

#include <cstdlib>

#include "roster/roster_location.h"

namespace mireto::roster {

std::optional<std::filesystem::path> DefaultRosterFile() {
  const auto folder = AppDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!folder) return std::nullopt;
  return *folder / kRosterFileName;
}

bool FolderWritable(const std::filesystem::path& folder) { return access(folder.c_str(), W_OK | X_OK) == 0; }

bool FileReadWritable(const std::filesystem::path& file) { return access(file.c_str(), R_OK | W_OK) == 0; }

}  // namespace mireto::roster
