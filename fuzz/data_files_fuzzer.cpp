// Fuzzes the data-file parser. The input is planet.txt, a NUL byte, then
// latitude.txt (without a NUL the whole input is planet.txt and latitude.txt
// is empty).
#include <cmath>
#include <string>

#include "core/data_files.h"
#include "fuzz_support.h"

namespace {

using mireto::fuzz::Require;

void CheckBody(std::int16_t body) { Require(body >= 1 && body <= 6, "loaded body outside 1..6"); }

void CheckTables(const mireto::CalendarTables& t) {
  for (const auto& row : t.planetTerms) {
    CheckBody(row.body);
    Require(std::isfinite(row.lonAmplitude) && std::isfinite(row.lonPhase) && std::isfinite(row.radAmplitude) &&
                std::isfinite(row.radPhase),
            "loaded planet term not finite");
  }
  for (const auto& row : t.latitudeTerms) {
    CheckBody(row.body);
    Require(std::isfinite(row.latAmplitude) && std::isfinite(row.latPhase), "loaded latitude term not finite");
  }
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool SameRow(const mireto::PlanetTerm& a, const mireto::PlanetTerm& b) {
  return a.body == b.body && a.bodyMultiplier == b.bodyMultiplier && a.earthMultiplier == b.earthMultiplier &&
         a.lonAmplitude == b.lonAmplitude && a.lonPhase == b.lonPhase && a.radAmplitude == b.radAmplitude &&
         a.radPhase == b.radPhase;
}

bool SameRow(const mireto::LatitudeTerm& a, const mireto::LatitudeTerm& b) {
  return a.body == b.body && a.bodyMultiplier == b.bodyMultiplier && a.earthMultiplier == b.earthMultiplier &&
         a.latAmplitude == b.latAmplitude && a.latPhase == b.latPhase;
}

bool SameTables(const mireto::CalendarTables& a, const mireto::CalendarTables& b) {
  for (std::size_t i = 0; i < a.planetTerms.size(); ++i) {
    if (!SameRow(a.planetTerms[i], b.planetTerms[i])) return false;
  }
  for (std::size_t i = 0; i < a.latitudeTerms.size(); ++i) {
    if (!SameRow(a.latitudeTerms[i], b.latitudeTerms[i])) return false;
  }
  return true;
}

// The file as another editor would save it: a byte order mark first, CR LF
// line ends, and commas turned into blanks. It must read the same values.
std::string AsSavedElsewhere(std::string_view text) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  std::string saved = StartsWith(text, kBom) ? std::string() : std::string(kBom);
  for (char c : text) {
    if (c == '\n') saved += "\r\n";
    else if (c == ',') saved += ' ';
    else saved += c;
  }
  return saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = mireto::fuzz::AsText(data, size);
  const std::size_t nul = text.find('\0');
  const std::string_view planet = text.substr(0, nul);
  const std::string_view latitude = nul == std::string_view::npos ? std::string_view{} : text.substr(nul + 1);

  const mireto::TablesOrError result = mireto::ParseCalendarTables(planet, latitude);
  if (result.tables) {
    Require(result.error.empty(), "tables and an error at once");
    CheckTables(*result.tables);
    const mireto::TablesOrError again =
        mireto::ParseCalendarTables(AsSavedElsewhere(planet), AsSavedElsewhere(latitude));
    Require(again.tables && SameTables(*result.tables, *again.tables),
            "the same values saved with BOM, CR LF and blanks read differently:", again.error);
    // The shipped-values digest covers the values, not their layout.
    Require(mireto::ValueLines(planet, mireto::kPlanetValueCount) ==
                    mireto::ValueLines(AsSavedElsewhere(planet), mireto::kPlanetValueCount) &&
                mireto::ValueLines(latitude, mireto::kLatitudeValueCount) ==
                    mireto::ValueLines(AsSavedElsewhere(latitude), mireto::kLatitudeValueCount),
            "the values digested change with the layout");
  } else {
    // Every refusal names the file it comes from.
    Require(StartsWith(result.error, mireto::kPlanetFileName) || StartsWith(result.error, mireto::kLatitudeFileName),
            "error names no file:", result.error);
    // A bad value is quoted only in part: the message stays short.
    Require(result.error.size() <= 160, "message too long:", result.error);
  }
  return 0;
}
