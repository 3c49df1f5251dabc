// Files that hold personal data: the roster folder, the roster file with its
// side files, its backups and its exports. Only the user may read them,
// whatever the umask.
//
// This is the roster's one platform seam: private_files_posix.cpp sets modes
// 0700 and 0600; private_files_windows.cpp, where a user's profile folder is
// private already, only creates and renames.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mireto::roster {

// Creates the folder and any missing parents; the folder itself is made
// private (0700) when this call created it. False when it cannot be made.
bool CreatePrivateFolder(const std::filesystem::path& folder);

// Creates a new, empty file only the user may read and write (0600). False
// when it exists already or cannot be created.
bool CreatePrivateFile(const std::filesystem::path& file);

// Whether anyone but the owner may read, write or enter it (false for a
// path that does not exist).
bool IsOpenToOthers(const std::filesystem::path& path);

// Takes every right of others away (0700 for a folder, 0600 for a file).
// False when that could not be done (another user's file).
bool MakePrivate(const std::filesystem::path& path);

// Gives `from` the name `to` unless `to` exists (no other program's file is
// ever replaced), then removes the name `from`.
enum class Publish { Done, Exists, Failed };
Publish PublishNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Makes a rename or a new name in the folder survive a power cut.
void SyncFolder(const std::filesystem::path& folder);

// Writes a whole private file: under a temporary name beside it, flushed to
// disk, then renamed over `file`. False and a Japanese reason on failure, the
// temporary file removed.
bool WritePrivateFile(const std::filesystem::path& file, std::string_view bytes, std::string& error);

}  // namespace mireto::roster

namespace mireto::roster {

// The present local time as "YYYYMMDD-HHMMSS", for the names of backups.
std::string LocalStamp();

}  // namespace mireto::roster
