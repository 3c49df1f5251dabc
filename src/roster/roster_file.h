// Looking at a roster file before anything writes to it.
//
// Nothing here writes: the header is read as plain bytes, then the file is
// opened read-only for SQLite's own consistency check. A file that is damaged,
// written by a newer version or not a roster is reported with a Japanese
// message and must then be left exactly as it is. A roster that cannot be
// written (a read-only file or folder, another user's file) is still read.
//
// The one exception to "nothing writes": a rollback journal left beside the
// file by a crash (a hot journal) is rolled back, as SQLite itself does when
// it opens the file for writing, when the file is a roster or blank.
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
  ReadOnly,    // a roster as Usable, but the file or its folder cannot be written
  Unwritable,  // the file cannot even be read (another user's)
  Busy,        // another connection held its lock past the busy timeout
};

struct FileCheck {
  FileState state = FileState::Absent;
  int version = 0;         // user_version when read
  std::string message;     // Japanese, for every state but Absent, Blank and Usable
  bool recovered = false;  // a hot journal was rolled back
};

FileCheck InspectRosterFile(const std::filesystem::path& file);

// Whether the program may open the file for writing.
inline bool MayWrite(const FileCheck& check) {
  return check.state == FileState::Absent || check.state == FileState::Blank || check.state == FileState::Usable;
}

// Whether the program may read the entries.
inline bool MayRead(const FileCheck& check) { return MayWrite(check) || check.state == FileState::ReadOnly; }

}  // namespace mireto::roster
