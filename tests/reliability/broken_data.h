// The ways a data file can be broken, and a throw-away copy of a program with
// its data files beside it in which one file is broken.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "test_system.h"

namespace mireto::test {

enum class Damage {
  None,               // the files as shipped
  Missing,            // the file is not there
  Empty,              // zero bytes
  ShortByOneRow,      // the last row is gone
  ExtraRows,          // a whole extra row and a line of text after the last row
  LetterInNumber,     // a digit of an amplitude replaced by the letter O
  IntegerOver16Bits,  // a multiplier of 32768
  BodyZero,           // a body of 0
  BodySeven,          // a body of 7
  CrLf,               // CR LF line ends
  Bom,                // a UTF-8 byte order mark first
  BomAndCrLf,         // both, as some editors save
  Directory,          // a directory of that name
  Unreadable,         // no read permission
  TooLarge,           // 2 GiB: the shipped text, then NUL bytes (a sparse file)
  CutInLastNumber,    // the last number loses its last digit: still parses
};

struct DataFileCase {
  const char* name;  // test name
  const char* file;  // planet.txt or latitude.txt
  Damage damage;
  bool loads;          // the program must start as with intact files
  const char* reason;  // for a refusal: text the message must hold besides the file name
};

// Every case, planet.txt and latitude.txt.
const std::vector<DataFileCase>& DataFileCases();

// The intact text of planet.txt or latitude.txt.
std::string ShippedDataFile(const std::string& file);

// A temporary folder <tmp>/bin holding a copy of a program and both data files
// with one of them damaged; removed on destruction. Everything is readable by
// every user so that the program can also run unprivileged.
class ProgramCopy {
 public:
  ProgramCopy(const std::filesystem::path& program, const DataFileCase& c);
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;

  std::filesystem::path program() const { return program_; }
  std::filesystem::path root() const { return root_; }

 private:
  TempFolder folder_;
  std::filesystem::path root_;
  std::filesystem::path program_;
};

// gtest prints a case by its name.
inline std::ostream& operator<<(std::ostream& out, const DataFileCase& c) { return out << c.name; }

}  // namespace mireto::test
