#include "core/data_digest.h"

#include <openssl/evp.h>

#include <algorithm>

namespace mireto {

std::string Sha256Hex(std::string_view bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1) return {};
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string hex;
  for (unsigned int i = 0; i < length; ++i) {
    hex.push_back(kHex[digest[i] >> 4]);
    hex.push_back(kHex[digest[i] & 0x0F]);
  }
  return hex;
}

std::string CheckShippedValues(std::string_view fileName, std::string_view text,
                               const std::filesystem::path& path) {
  const auto shipped = std::find_if(kShippedValues.begin(), kShippedValues.end(),
                                    [&](const ShippedValues& s) { return s.fileName == fileName; });
  if (shipped != kShippedValues.end() && Sha256Hex(ValueLines(text, shipped->valueCount)) == shipped->sha256)
    return {};
  std::string message = std::string(fileName) + " が壊れています（数値が配布時のものと一致しません）";
  if (!path.empty()) message += ": " + path.string();
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
