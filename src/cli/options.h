// The command line of mireto-chart.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/summer_time.h"
#include "cli/chart_io.h"
#include "cli/details_output.h"

namespace mireto::cli {

enum class Mode { Help, Single, Batch, Calendar };

struct Options {
  Mode mode = Mode::Single;
  bool json = false;
  std::optional<LocalDateTime> now;                    // --now; the system clock when absent
  BirthRequest request;                                // Mode::Single only
  exchange::BatchDefaults batchDefaults;               // Mode::Batch: --sex and --jisa for lines without them
  int jobs = 1;                                        // Mode::Batch: threads computing charts; 0 = one per core
  DetailsOptions details;                              // --details, --annual FROM:TO
  SummerTimeRule summerTime = SummerTimeRule::Ignore;  // --summer-time, every chart
  std::optional<BirthRequest> partner;                 // Mode::Single: --partner, the second birth
  bool compat = false;                                 // Mode::Batch: --compat, two births a line
  BatchDefaults partnerDefaults;                       // --partner-sex and --partner-jisa
  std::string helpText;                                // Mode::Help only
  int calendarYear = 0;                                // Mode::Calendar: --calendar YEAR
  double calendarJisaDays = 0;                         // Mode::Calendar: --jisa in days
};

// The text of --help.
std::string HelpText();

// Parses the arguments (without the program name). On failure returns nullopt
// and a one-line Japanese message in error.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace mireto::cli
