// Helpers shared by the fuzz targets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_files.h"

namespace mireto::fuzz {

// The fuzzer's bytes as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The parts of the input between NUL bytes (n NUL bytes give n + 1 parts).
inline std::vector<std::string> SplitAtNul(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t nul = text.find('\0', start);
    parts.emplace_back(text.substr(start, nul == std::string_view::npos ? nul : nul - start));
    if (nul == std::string_view::npos) return parts;
    start = nul + 1;
  }
}

// A broken invariant: report it and abort, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "invariant broken: %s %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void Require(bool condition, const char* what, std::string_view detail = {}) {
  if (!condition) Fail(what, detail);
}

// The real tables of the data folder, loaded once.
inline const CalendarTables& RealTables() {
  static const CalendarTables tables = [] {
    const TablesOrError loaded = LoadCalendarTables(MIRETO_FUZZ_DATA_DIR);
    if (!loaded.tables) Fail("data files do not load:", loaded.error);
    return *loaded.tables;
  }();
  return tables;
}

}  // namespace mireto::fuzz
