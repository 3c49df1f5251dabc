// Looking at a roster file before anything writes to it.
//
// Nothing here writes: the header is read as plain bytes, then the file is
// opened read-only for SQLite's own consistency check. A file that is damaged,
// written by a newer version, not a roster, or not writable is reported with a
// Japanese message and must then be left exactly as it is.
#pragma once

#include <filesystem>
#include <string>

namespace mireto::roster {

enum class FileState {
  Absent,      // no file yet: created on the first save
  Blank,       // an empty file or an SQLite file without tables: may be set up
  Usable,      // a roster of this or an older version, consistent and writable
  Damaged,     // not an SQLite file, or SQLite finds it inconsistent
  Newer,       // tables of a newer version than this program knows
  Foreign,     // an SQLite file of another program
  Unwritable,  // the file or its folder cannot be written
  Busy,        // another connection held its lock past the busy timeout
};

struct FileCheck {
  FileState state = FileState::Absent;
  int version = 0;      // user_version when read
  std::string message;  // Japanese, for every state but Absent, Blank and Usable
};

FileCheck InspectRosterFile(const std::filesystem::path& file);

// Whether the program may open the file for writing.
inline bool MayWrite(const FileCheck& check) {
  return check.state == FileState::Absent || check.state == FileState::Blank ||
         check.state == FileState::Usable;
}

}  // namespace mireto::roster
