// Fuzzes the command line of mireto-chart: the input split at NUL bytes gives
// the arguments. An accepted single chart is computed as the tool would.
#include "chart_checks.h"
#include "cli/options.h"
#include "fuzz_support.h"

namespace {

bool HasNonAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using mireto::fuzz::Require;
  const std::vector<std::string> args = mireto::fuzz::SplitAtNul(mireto::fuzz::AsText(data, size));
  std::string error;
  const auto options = mireto::cli::ParseOptions(args, error);
  if (!options) {
    Require(!error.empty(), "refused without a message");
    Require(error.find_first_of("\r\n") == std::string::npos, "message of more than one line", error);
    // Each message quotes at most 40 characters of one argument.
    Require(error.size() <= 400, "message longer than a short quote allows", error);
    // The message's own words (before any quoted argument) are Japanese.
    const std::string own = error.substr(0, error.find(": "));
    Require(HasNonAscii(own), "a message without Japanese words", error);
    return 0;
  }
  if (options->mode == mireto::cli::Mode::Help) {
    Require(!options->helpText.empty(), "empty help");
    return 0;
  }
  if (options->now) {
    Require(options->now->year >= 1800 && options->now->year <= 2200, "now outside 1800..2200");
  }
  if (options->mode == mireto::cli::Mode::Batch) {
    Require(options->jobs >= 0, "negative --jobs");
    std::string m, s;
    const auto& d = options->batchDefaults;
    Require(d.sex == "M" || d.sex == "F", "batch default sex neither M nor F", d.sex);
    Require(mireto::exchange::ParseJisa(d.jisaMinutes + ":" + d.jisaSeconds, m, s), "bad batch default --jisa");
    return 0;
  }
  mireto::fuzz::CheckAcceptedRequest(options->request);
  constexpr mireto::LocalDateTime kNow{2024, 6, 15, 12, 0};
  const auto result =
      mireto::ComputeChart(options->request.input, mireto::fuzz::RealTables(), options->now.value_or(kNow));
  if (result.chart) {
    mireto::fuzz::CheckChart(*result.chart);
    (void)mireto::cli::ChartText(options->request, *result.chart, "2024/06/15 12:00:00");
  } else {
    Require(!result.error.empty(), "chart refused without a message");
  }
  return 0;
}
