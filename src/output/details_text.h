// The chart details as plain text for a fixed-pitch font: the pillar table,
// the luck columns and, when the details hold them, the years (年運); then
// the five-element balance and the relations (合冲刑害) of the natal pillars,
// of each luck column and of each year.
// Used by the details window's copy and print-out and by mireto-chart.
//
// A full-width character takes two columns, an ASCII character one; columns
// are padded with ideographic spaces, and one ASCII space for an odd column.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_details.h"

namespace mireto {

inline constexpr std::string_view kCrLf = "\r\n";

// The marks the text writes for a pillar in 空亡, one outside it and one of
// an unknown hour.
inline constexpr std::string_view kVoidMark = "空亡";
inline constexpr std::string_view kNotVoidMark = "－";
inline constexpr std::string_view kUnknownMark = "□";

// Lines separated by lineEnd, no line end after the last: the tables, one
// blank line, the balance and the relations.
std::string MakeDetailsText(const ChartDetails& details, std::string_view lineEnd = kCrLf);

// The two parts of MakeDetailsText (without the blank line between).
std::string MakeDetailsTablesText(const ChartDetails& details, std::string_view lineEnd = kCrLf);
std::string MakeDetailsReadingsText(const ChartDetails& details, std::string_view lineEnd = kCrLf);

// Width of text in fixed-pitch columns (UTF-8; ASCII and half-width kana one
// column, everything else two).
std::size_t DisplayColumns(std::string_view text);

}  // namespace mireto
