// Fuzzes the command line of mireto-chart: the input split at NUL bytes gives
// the arguments. An accepted single chart is computed as the tool would.
#include "chart_checks.h"
#include "cli/options.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using mireto::fuzz::Require;
  const std::vector<std::string> args = mireto::fuzz::SplitAtNul(mireto::fuzz::AsText(data, size));
  std::string error;
  const auto options = mireto::cli::ParseOptions(args, error);
  if (!options) {
    Require(!error.empty(), "refused without a message");
    Require(error.find_first_of("\r\n") == std::string::npos, "message of more than one line", error);
    return 0;
  }
  if (options->mode == mireto::cli::Mode::Help) {
    Require(!options->helpText.empty(), "empty help");
    return 0;
  }
  if (options->mode != mireto::cli::Mode::Single) return 0;
  constexpr mireto::LocalDateTime kNow{2024, 6, 15, 12, 0};
  const auto result = mireto::ComputeChart(options->request.input, mireto::fuzz::RealTables(),
                                            options->now.value_or(kNow));
  if (result.chart) {
    mireto::fuzz::CheckChart(*result.chart);
    (void)mireto::cli::ChartText(options->request, *result.chart, "2024/06/15 12:00:00");
  } else {
    Require(!result.error.empty(), "chart refused without a message");
  }
  return 0;
}
