#include <unistd.h>

#include <cstdlib>

#include "core/data_location.h"

namespace mireto {

std::optional<std::filesystem::path> ProgramDirectory(std::string_view argv0) {
  const char* searchPath = std::getenv("PATH");
  return ProgramDirectory("/proc/self/exe", argv0, searchPath ? searchPath : "");
}

bool MayExecute(const std::filesystem::path& file) { return access(file.c_str(), X_OK) == 0; }

}  // namespace mireto
