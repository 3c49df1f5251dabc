// What --details and --annual FROM:TO add to mireto-chart's output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_details.h"
#include "cli/chart_io.h"

namespace mireto::cli {

struct DetailsOptions {
  bool details = false;             // --details
  std::optional<YearSpan> annual;   // --annual FROM:TO (only with --details)
};

// Years 1..9999 as FROM:TO with FROM <= TO, plain decimal digits only;
// nullopt for anything else.
std::optional<YearSpan> ParseYearSpan(std::string_view text);

// The details of a computed chart for the options; the present year (from
// now) is the one the text marks.
ChartDetails DetailsOf(const BirthRequest& request, const Chart& chart, const DetailsOptions& options,
                       const LocalDateTime& now);

}  // namespace mireto::cli
