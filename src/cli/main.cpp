// mireto-chart: the chart of one birth, or of many in JSON Lines, on the command line.
#include <unistd.h>

#include <ctime>
#include <iostream>
#include <string>

#include "cli/batch.h"
#include "cli/chart_io.h"
#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/stream_io.h"
#include "core/data_files.h"
#include "core/data_location.h"

namespace {

using mireto::LocalDateTime;
using mireto::cli::ExitStatus;

LocalDateTime SystemNow() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

int Fail(const std::string& message, ExitStatus status) {
  std::cerr << "mireto-chart: " << message << '\n';
  return static_cast<int>(status);
}

int OutputFailed(int errorNumber) {
  return Fail("標準出力に書き込めません: " + mireto::cli::DescribeIoError(errorNumber),
              ExitStatus::OutputFailed);
}

// Writes the whole text and reports a failure.
int WriteAll(mireto::cli::OutputSink& out, const std::string& text) {
  if (!out.Write(text) || !out.Flush()) return OutputFailed(out.errorNumber());
  return static_cast<int>(ExitStatus::Ok);
}

}  // namespace

int main(int argc, char** argv) {
  // A closed standard output would be taken by the next file opened.
  if (!mireto::cli::IsOpen(STDOUT_FILENO)) return OutputFailed(EBADF);
  mireto::cli::OutputSink out(STDOUT_FILENO);

  std::string error;
  const auto options = mireto::cli::ParseOptions({argv + 1, argv + argc}, error);
  if (!options) return Fail(error, ExitStatus::Usage);
  if (options->mode == mireto::cli::Mode::Help) return WriteAll(out, options->helpText);
  if (options->mode == mireto::cli::Mode::Batch && !mireto::cli::IsOpen(STDIN_FILENO)) {
    return Fail("標準入力を読めません: " + mireto::cli::DescribeIoError(EBADF),
                ExitStatus::InputFailed);
  }
  const LocalDateTime now = options->now.value_or(SystemNow());

  const auto loaded = mireto::LoadProgramTables(argc > 0 ? argv[0] : "");
  if (!loaded.tables) return Fail(loaded.error, ExitStatus::Usage);
  const mireto::CalendarTables& tables = *loaded.tables;

  if (options->mode == mireto::cli::Mode::Batch) {
    const mireto::cli::BatchContext context{tables, options->batchDefaults, now, options->summerTime};
    return static_cast<int>(mireto::cli::RunBatch(STDIN_FILENO, out, context, options->jobs));
  }

  const auto& request = options->request;
  const mireto::BirthChart birth =
      mireto::ComputeBirthChart(request.input, options->summerTime, tables, now, false);
  if (!birth.result.chart) return Fail(birth.result.error, ExitStatus::Usage);
  const mireto::Chart& chart = *birth.result.chart;
  if (options->json) {
    std::string text;
    mireto::cli::AppendChartJson(text, request, chart, {.notices = &birth.notices});
    return WriteAll(out, text + '\n');
  }
  return WriteAll(out, mireto::cli::ChartText(request, chart, mireto::cli::NowText(now)) + '\n');
}
