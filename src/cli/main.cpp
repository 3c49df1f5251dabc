// mireto-chart: the chart of one birth, or of many in JSON Lines, on the command line.
#include <ctime>
#include <iostream>
#include <string>

#include "cli/chart_io.h"
#include "cli/options.h"
#include "core/data_location.h"

namespace {

using mireto::LocalDateTime;

constexpr int kExitOk = 0;
constexpr int kExitSomeLinesFailed = 1;
constexpr int kExitUsage = 2;

LocalDateTime SystemNow() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

int Fail(const std::string& message) {
  std::cerr << "mireto-chart: " << message << '\n';
  return kExitUsage;
}

// One chart per input line, in order; a bad line gives {"line":N,"error":...}.
int RunBatch(const mireto::CalendarTables& tables, const LocalDateTime& defaultNow) {
  std::ios::sync_with_stdio(false);
  std::string line;
  long lineNumber = 0;
  bool anyFailed = false;
  while (std::getline(std::cin, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string error;
    const auto request = mireto::cli::ParseBatchLine(line, error);
    std::optional<mireto::Chart> chart;
    if (request) {
      auto result = mireto::compute_chart(request->input, tables, request->now.value_or(defaultNow));
      chart = std::move(result.chart);
      error = std::move(result.error);
    }
    if (chart) {
      std::cout << mireto::cli::ChartJson(*request, *chart).dump() << '\n';
    } else {
      anyFailed = true;
      std::cout << nlohmann::ordered_json{{"line", lineNumber}, {"error", error}}.dump() << '\n';
    }
  }
  std::cout.flush();
  return anyFailed ? kExitSomeLinesFailed : kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = mireto::cli::ParseOptions({argv + 1, argv + argc}, error);
  if (!options) return Fail(error);
  if (options->mode == mireto::cli::Mode::Help) {
    std::cout << options->helpText;
    return kExitOk;
  }
  const LocalDateTime now = options->now.value_or(SystemNow());

  const auto loaded = mireto::LoadProgramTables(argc > 0 ? argv[0] : "");
  if (!loaded.tables) return Fail(loaded.error);
  const mireto::CalendarTables& tables = *loaded.tables;

  if (options->mode == mireto::cli::Mode::Batch) return RunBatch(tables, now);

  const auto& request = options->request;
  const auto result = mireto::compute_chart(request.input, tables, now);
  if (!result.chart) return Fail(result.error);
  if (options->json) {
    std::cout << mireto::cli::ChartJson(request, *result.chart).dump() << '\n';
  } else {
    std::cout << mireto::cli::ChartText(request, *result.chart, mireto::cli::NowText(now)) << '\n';
  }
  return kExitOk;
}
