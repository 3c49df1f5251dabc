// What --details and --annual FROM:TO add to mireto-chart's output.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "chart/chart_details.h"
#include "cli/chart_io.h"

namespace mireto::cli {

struct DetailsOptions {
  bool details = false;                      // --details
  std::optional<YearSpan> annual;            // --annual FROM:TO (only with --details)
  std::optional<int> monthly;                // --monthly YEAR (only with --details)
  std::optional<std::pair<int, int>> daily;  // --daily YYYY-MM (only with --details)
};

// The calendar's years 1800..2080, plain decimal digits; nullopt otherwise.
std::optional<int> ParseCalendarYear(std::string_view text);
// YYYY-MM within 1800-01..2080-12; nullopt otherwise.
std::optional<std::pair<int, int>> ParseCalendarMonth(std::string_view text);
// A time difference checked by ParseJisa, in days.
double JisaDaysOf(const std::string& minutesText, const std::string& secondsText);

// Years 1..9999 as FROM:TO with FROM <= TO, plain decimal digits only;
// nullopt for anything else.
std::optional<YearSpan> ParseYearSpan(std::string_view text);

// The details of a computed chart for the options; the present year (from
// now) is the one the text marks. 月運 needs the tables (solved terms kept in
// cache).
ChartDetails DetailsOf(const BirthRequest& request, const Chart& chart, const DetailsOptions& options,
                       const LocalDateTime& now, const CalendarTables& tables, TermCache& cache);

}  // namespace mireto::cli
