// The chart as one block of plain text, for the preview window.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_snapshot.h"

namespace mireto {

// The text with every line break (CR LF, CR or LF) written as CR LF.
std::string CrLfLineBreaks(std::string_view text);

// The 17-line chart text of a displayed chart (the sex, the birth summary, the
// age, the luck start and change, the four pillars and the luck pillars with
// their first ages; the roster entry's name and note when the chart is
// one's, the note's line breaks as CR LF), lines separated by CR LF, no line end after the last.
// nowText is the present local date and time as the platform writes it.
std::string MakeExportText(const ChartSnapshot& chart, std::string_view nowText);

}  // namespace mireto
