#include <windows.h>

#include <string>
#include <system_error>

#include "core/data_location.h"

namespace mireto {

std::optional<std::filesystem::path> ProgramDirectory(std::string_view) {
  // The module's full name, in a buffer grown until it fits (a long path
  // may exceed MAX_PATH).
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::nullopt;
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    if (name.size() >= 32768) return std::nullopt;
    name.resize(name.size() * 2);
  }
  std::error_code ec;
  const std::filesystem::path executable = std::filesystem::canonical(std::filesystem::path(name), ec);
  if (ec) return std::filesystem::path(name).parent_path();
  return executable.parent_path();
}

bool MayExecute(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

}  // namespace mireto
