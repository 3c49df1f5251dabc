#include <windows.h>
#include <shlobj.h>

#include "roster/roster_location.h"

namespace mireto::roster {

std::optional<std::filesystem::path> DefaultRosterFile() {
  // The folder Qt's AppDataLocation is built on (FOLDERID_RoamingAppData).
  PWSTR roaming = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &roaming);
  std::optional<std::filesystem::path> file;
  if (SUCCEEDED(result) && roaming != nullptr && roaming[0] != L'\0')
    file = std::filesystem::path(roaming) / kApplicationName / kRosterFileName;
  CoTaskMemFree(roaming);
  return file;
}

bool FolderWritable(const std::filesystem::path& folder) {
  // Windows has no cheap check of the effective rights (its read-only flag
  // means nothing on a folder): the folder must exist; a refusal shows when
  // SQLite creates the file.
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileReadWritable(const std::filesystem::path& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

}  // namespace mireto::roster
