// The two data files read at start-up: the planetary perturbation terms of the
// Sun (planet.txt, 120 rows) and the latitude terms (latitude.txt, 34 rows).
//
// Format: sequential free-format numbers. A value starts at its first
// non-blank character and ends at the next comma, blank or line end; how the
// values are spread over lines does not matter, and anything after the last
// required value is never read. Line ends may be LF or CR LF; a UTF-8 byte
// order mark at the start is skipped. A file larger than kDataFileMaxBytes is
// refused before it is read.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mireto {

// One periodic term of the planetary perturbations of the Sun:
// lonAmplitude x cos(lonPhase - p A(body) - q g) arcseconds in longitude and
// radAmplitude x cos(radPhase - p A(body) - q g) x 1e-9 in log10 of the distance,
// A(k) being the mean anomaly of body k and g the Earth's (body 3).
struct PlanetTerm {
  std::int16_t body;             // 1 Mercury, 2 Venus, 3 Earth, 4 Mars, 5 Jupiter, 6 Saturn
  std::int16_t bodyMultiplier;   // p
  std::int16_t earthMultiplier;  // q
  double lonAmplitude;           // arcseconds
  double lonPhase;               // degrees
  double radAmplitude;           // 1e-9 of log10(distance)
  double radPhase;               // degrees
};

// One periodic term of the planetary perturbations in latitude:
// latAmplitude x cos(latPhase - p A(body) - q g) arcseconds.
struct LatitudeTerm {
  std::int16_t body;
  std::int16_t bodyMultiplier;
  std::int16_t earthMultiplier;
  double latAmplitude;  // arcseconds
  double latPhase;      // degrees
};

inline constexpr std::size_t kPlanetTermCount = 120;
inline constexpr std::size_t kLatitudeTermCount = 34;
inline constexpr std::string_view kPlanetFileName = "planet.txt";
inline constexpr std::string_view kLatitudeFileName = "latitude.txt";
// The values a file must hold: 7 per planet row, 5 per latitude row.
inline constexpr std::size_t kPlanetValueCount = kPlanetTermCount * 7;
inline constexpr std::size_t kLatitudeValueCount = kLatitudeTermCount * 5;
// The shipped files hold 3 KiB and 0.6 KiB; anything near this size is not one of them.
inline constexpr std::uintmax_t kDataFileMaxBytes = 256 * 1024;
// A bad value is quoted in a message up to this many bytes, then "…".
inline constexpr std::size_t kQuotedTokenMaxBytes = 40;

// The solar theory's periodic terms, loaded once at start-up and never changed
// afterwards. The Sun's longitude and distance read the planetary terms. The
// latitude terms are read by nothing: they are loaded, checked and shipped
// because the design's start-up reads both files, and a damaged latitude.txt
// stops both programs like a damaged planet.txt.
struct CalendarTables {
  std::array<PlanetTerm, kPlanetTermCount> planetTerms;
  std::array<LatitudeTerm, kLatitudeTermCount> latitudeTerms;
};

// Either the tables or a Japanese message naming the file, the row and the
// field, e.g. "planet.txt の 57 行目 (body) が範囲外です".
struct TablesOrError {
  std::optional<CalendarTables> tables;
  std::string error;  // empty when tables holds a value
};

// The raw contents of the two files.
struct DataFileTexts {
  std::string planet;
  std::string latitude;
};

struct TextsOrError {
  std::optional<DataFileTexts> texts;
  std::string error;  // a Japanese message naming the file, empty when texts holds a value
};

// Parses the contents of the two files, planet.txt first.
TablesOrError ParseCalendarTables(std::string_view planetText, std::string_view latitudeText);

// Reads planet.txt and latitude.txt from the given directory (regular files of
// at most kDataFileMaxBytes each).
TextsOrError ReadDataFiles(const std::filesystem::path& directory);

// Reads and parses planet.txt and latitude.txt from the given directory. The
// programs load through LoadShippedCalendarTables (core/data_digest.h), which
// also checks the values against the shipped ones.
TablesOrError LoadCalendarTables(const std::filesystem::path& directory);

// The first `count` values of a file as the loader reads them (byte order mark
// skipped, any run of separators between two values), each followed by "\n";
// fewer when the file holds fewer.
std::string ValueLines(std::string_view text, std::size_t count);

// A value quoted in a message: at most kQuotedTokenMaxBytes bytes, cut at a
// UTF-8 character boundary and followed by "…" when longer; control bytes
// are shown as "?".
std::string QuotedExcerpt(std::string_view token);

}  // namespace mireto
