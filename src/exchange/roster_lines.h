// The roster as JSON Lines, shared by mireto-chart and the desktop program.
//
// Import: each line is a --batch input object plus "name" (required), "note",
// "reading" (ふりがな), "birthplace" (出生地) and "summerTime" ("apply" or
// "ignore", the summer-time decision), all optional; an "id" (of an exported
// line) is ignored. Only what the desktop program can hold is taken: a date
// of 1800-2080, no minute without an hour, a time difference the spinners or
// the map give, and a clock time that never existed only with "ignore".
// A line longer than kMaxImportLineBytes is refused before it is parsed;
// blank lines at the end are ignored, as --batch ignores them.
//
// Export: one object per entry, in the order added, with id, name, note,
// date, hour, minute, sex, jisaMinutes and jisaSeconds exactly as stored, and
// summerTime, reading and birthplace where there is one.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/roster.h"
#include "roster/roster_entry.h"

namespace mireto::exchange {

// One import line as a roster entry, or nullopt and a Japanese message. The
// hour and the minute are written as their lists show them ("09" -> "9").
std::optional<roster::NewEntry> ParseImportLine(std::string_view line, std::string& error);

// The longest import line: a name and a note of the longest, every character
// written as a JSON escape, and the birth keys.
inline constexpr std::size_t kMaxImportLineBytes = 128 * 1024;

// Every line of an import, or the first bad one; no entries when the stream
// failed (the caller checks in.bad()).
struct ImportLines {
  std::vector<roster::NewEntry> entries;
  long badLine = 0;    // 1-based; 0 when every line was read
  std::string error;   // the bad line's message
  bool empty = false;  // nothing but blank lines, or no line at all
};
ImportLines ReadImportLines(std::istream& in);

// "N 行目: message" for a bad import, the words of an empty one.
std::string ImportErrorText(const ImportLines& lines);

// "6 件を追加、6 件は同じ内容が既にあるため飛ばしました" ("6 件を名簿に追加しました" when none was skipped).
std::string ImportCountText(const roster::AddCount& count);

// One export line, without its line end.
std::string ExportLine(const roster::Entry& entry);

}  // namespace mireto::exchange
