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
#include <vector>

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

// A part of the details: the lines that head it (its title and a table's
// column header), repeated when its rows continue on another page, and its
// rows. Lines keep their padding (see TrimmedLine).
struct DetailsBlock {
  std::vector<std::string> head;
  std::vector<std::string> rows;
};

// The blocks of MakeDetailsTablesText and MakeDetailsReadingsText, which
// join them with one blank line between two blocks.
std::vector<DetailsBlock> DetailsTableBlocks(const ChartDetails& details);
std::vector<DetailsBlock> DetailsReadingBlocks(const ChartDetails& details);

// The line without the spaces, ASCII or ideographic, that pad its end.
std::string TrimmedLine(std::string line);

// The heading a copied or printed chart carries: the name when the chart is
// a roster entry's, then the birth data with the sex, e.g.
// "山田　花子　1984年2月10日 12時0分 女 時差 0分0秒".
std::string DetailsHeadingText(std::string_view name, std::string_view birth);

// Width of text in fixed-pitch columns (UTF-8; ASCII and half-width kana one
// column, everything else two).
std::size_t DisplayColumns(std::string_view text);

// The ages of a luck column: " 10～ 19歳", or "  0歳" for a period within
// one year of age.
std::string AgeRangeText(const LuckColumnDetails& column);

}  // namespace mireto
