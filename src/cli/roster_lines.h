// The roster as JSON Lines, shared by mireto-chart and the desktop program.
//
// Import: each line is a --batch input object plus "name" (required), "note"
// and "summerTime" ("apply" or "ignore", the summer-time decision; optional);
// an "id" (of an exported line) is ignored. Export: one object per entry, in
// the order added, with id, name, note, date, hour, minute, sex, jisaMinutes
// and jisaSeconds exactly as stored, and summerTime where a decision was taken.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/roster_entry.h"

namespace mireto::cli {

// One import line as a roster entry, or nullopt and a Japanese message. The
// hour and the minute are written as their lists show them ("09" -> "9").
std::optional<roster::NewEntry> ParseImportLine(std::string_view line, std::string& error);

// Every line of an import, or the first bad one; no entries when the stream
// failed (the caller checks in.bad()).
struct ImportLines {
  std::vector<roster::NewEntry> entries;
  long badLine = 0;     // 1-based; 0 when every line was read
  std::string error;    // the bad line's message
};
ImportLines ReadImportLines(std::istream& in);

// "N 行目: message" for a bad import.
std::string ImportErrorText(const ImportLines& lines);

// One export line, without its line end.
std::string ExportLine(const roster::Entry& entry);

}  // namespace mireto::cli
