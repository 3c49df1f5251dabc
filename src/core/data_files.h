// The two data files read at start-up: the planetary perturbation terms of the
// Sun (planet.txt, 120 rows) and the latitude terms (latitude.txt, 34 rows).
//
// Format: sequential free-format numbers. A value starts at its first
// non-blank character and ends at the next comma, blank or line end; how the
// values are spread over lines does not matter, and anything after the last
// required value is never read. Line ends may be LF or CR LF; a UTF-8 byte
// order mark at the start is skipped.
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

// The tables loaded once at start-up and never changed afterwards.
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

// Parses the contents of the two files, planet.txt first.
TablesOrError ParseCalendarTables(std::string_view planetText, std::string_view latitudeText);

// Reads planet.txt and latitude.txt from the given directory.
TablesOrError LoadCalendarTables(const std::filesystem::path& directory);

}  // namespace mireto
