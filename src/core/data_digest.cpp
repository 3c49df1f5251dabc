#include "core/data_digest.h"

#include <algorithm>

#include "core/sha256.h"
#include "core/utf8_path.h"

namespace mireto {

std::string Sha256Hex(std::string_view bytes) {
  const auto digest = Sha256(bytes);
  if (!digest) return {};
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string hex;
  for (const unsigned char byte : *digest) {
    hex.push_back(kHex[byte >> 4]);
    hex.push_back(kHex[byte & 0x0F]);
  }
  return hex;
}

std::string CheckShippedValues(std::string_view fileName, std::string_view text, const std::filesystem::path& path) {
  const auto* const shipped = std::find_if(kShippedValues.begin(), kShippedValues.end(),
                                           [&](const ShippedValues& s) { return s.fileName == fileName; });
  if (shipped != kShippedValues.end() && Sha256Hex(ValueLines(text, shipped->valueCount)) == shipped->sha256) return {};
  std::string message = std::string(fileName) + " が壊れています（数値が配布時のものと一致しません）";
  if (!path.empty()) message += ": " + Utf8Text(path);
  return message;
}

TablesOrError LoadShippedCalendarTables(const std::filesystem::path& directory) {
  const TextsOrError read = ReadDataFiles(directory);
  if (!read.texts) return TablesOrError{std::nullopt, read.error};
  TablesOrError parsed = ParseCalendarTables(read.texts->planet, read.texts->latitude);
  if (!parsed.tables) return parsed;
  for (const auto& [name, text] : {std::pair{kPlanetFileName, std::string_view(read.texts->planet)},
                                   std::pair{kLatitudeFileName, std::string_view(read.texts->latitude)}}) {
    std::string damaged = CheckShippedValues(name, text, directory / name);
    if (!damaged.empty()) return TablesOrError{std::nullopt, std::move(damaged)};
  }
  return parsed;
}

}  // namespace mireto
