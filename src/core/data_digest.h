// The check that planet.txt and latitude.txt hold the values that ship with
// the program.
//
// The files are fixed tables, but a damaged file can still parse (a file cut
// inside its last number turns 194 into 19). The digest covers the values as
// the loader reads them, not the bytes: each of the required values, in file
// order, followed by a line feed, hashed with SHA-256. Line ends (LF or CR LF),
// a byte order mark, the separators between values and anything after the
// last required value therefore do not change it. From a shell:
//   sed '1s/^\xEF\xBB\xBF//' planet.txt | tr -s ', \t\r' '\n' | grep -v '^$' | head -n 840 | sha256sum
// (170 values for latitude.txt).
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/data_files.h"

namespace mireto {

struct ShippedValues {
  std::string_view fileName;
  std::size_t valueCount;
  std::string_view sha256;  // lower-case hexadecimal
};

inline constexpr std::array<ShippedValues, 2> kShippedValues = {{
    {kPlanetFileName, kPlanetValueCount, "894d94bd35d1a7d8969130277a028fb9d7a95237a2fd5fdc83b0f0cbbab144e2"},
    {kLatitudeFileName, kLatitudeValueCount, "6debc348321fadf9be281990220b89faf3c24bf2af84a40a4c9be346e5c24bdb"},
}};

// SHA-256 of the bytes, as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

// Empty when the text of the named file (planet.txt or latitude.txt) holds
// the shipped values; otherwise a Japanese message naming the file and, when
// given, its path.
std::string CheckShippedValues(std::string_view fileName, std::string_view text,
                               const std::filesystem::path& path = {});

// Reads and parses the two files of the directory, then checks both against
// the shipped values. A file that does not parse is reported as such first.
TablesOrError LoadShippedCalendarTables(const std::filesystem::path& directory);

}  // namespace mireto
