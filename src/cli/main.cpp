// mireto-chart: the chart of one birth, or of many in JSON Lines, on the command line.
#include <cerrno>
#include <ctime>
#include <iostream>
#include <string>

#include "cli/batch.h"
#include "cli/calendar_json.h"
#include "cli/chart_io.h"
#include "cli/compat_output.h"
#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/roster_commands.h"
#include "cli/stream_io.h"
#include "cli/system.h"
#include "core/data_files.h"
#include "core/data_location.h"
#include "output/details_text.h"

namespace {

using mireto::LocalDateTime;
using mireto::cli::ExitStatus;

LocalDateTime SystemNow() {
  const std::tm local = mireto::cli::LocalTime(std::time(nullptr));
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

int Fail(const std::string& message, ExitStatus status) {
  std::cerr << "mireto-chart: " << message << '\n';
  return static_cast<int>(status);
}

int OutputFailed(int errorNumber) {
  return Fail("標準出力に書き込めません: " + mireto::cli::DescribeIoError(errorNumber), ExitStatus::OutputFailed);
}

// Writes the whole text and reports a failure.
int WriteAll(mireto::cli::OutputSink& out, const std::string& text) {
  if (!out.Write(text) || !out.Flush()) return OutputFailed(out.errorNumber());
  return static_cast<int>(ExitStatus::Ok);
}

}  // namespace

int main(int argc, char** argv) {
  mireto::cli::PrepareStandardStreams();
  // A closed standard output would be taken by the next file opened.
  if (!mireto::cli::IsOpen(mireto::cli::kStandardOutput)) return OutputFailed(EBADF);
  mireto::cli::OutputSink out(mireto::cli::kStandardOutput);

  std::string error;
  const std::vector<std::string> args = mireto::cli::Utf8Arguments(argc, argv);
  // --import and --export work on the roster and need no data files.
  if (mireto::cli::IsRosterCommand(args)) {
    const auto command = mireto::cli::ParseRosterCommand(args, error);
    if (!command) return Fail(error, ExitStatus::Usage);
    return mireto::cli::RunRosterCommand(*command, std::cout, std::cerr);
  }
  const auto options = mireto::cli::ParseOptions(args, error);
  if (!options) return Fail(error, ExitStatus::Usage);
  if (options->mode == mireto::cli::Mode::Help) return WriteAll(out, options->helpText);
  if (options->mode == mireto::cli::Mode::Batch && !mireto::cli::IsOpen(mireto::cli::kStandardInput)) {
    return Fail("標準入力を読めません: " + mireto::cli::DescribeIoError(EBADF), ExitStatus::InputFailed);
  }
  const LocalDateTime now = options->now.value_or(SystemNow());

  const auto loaded = mireto::LoadProgramTables(argc > 0 ? argv[0] : "");
  if (!loaded.tables) return Fail(loaded.error, ExitStatus::Usage);
  const mireto::CalendarTables& tables = *loaded.tables;

  if (options->mode == mireto::cli::Mode::Calendar) {
    std::string text;
    mireto::cli::AppendCalendarJson(
        text, mireto::ComputeYearCalendar(tables, options->calendarYear, options->calendarJisaDays));
    return WriteAll(out, text + '\n');
  }

  if (options->mode == mireto::cli::Mode::Batch) {
    mireto::cli::BatchContext context{tables, options->batchDefaults, now, options->details, options->summerTime};
    context.compat = options->compat;
    context.partnerDefaults = options->partnerDefaults;
    return static_cast<int>(mireto::cli::RunBatch(mireto::cli::kStandardInput, out, context, options->jobs));
  }

  const auto& request = options->request;
  if (options->partner) {
    // Two births: the 相性 object or text.
    const mireto::cli::BatchContext context{tables, {}, now, options->details, options->summerTime};
    const mireto::cli::CompatRequest pair{request, *options->partner};
    std::string text;
    const bool done = options->json ? mireto::cli::AppendCompatJson(text, pair, context, error)
                                    : mireto::cli::AppendCompatText(text, pair, context, error);
    if (!done) return Fail(error, ExitStatus::Usage);
    return WriteAll(out, text + '\n');
  }
  mireto::TermCache cache;
  const mireto::BirthChart birth = mireto::ComputeBirthChart(
      request.input, options->summerTime, tables, now,
      options->details.details ? mireto::Boundaries::Solve : mireto::Boundaries::Skip, &cache);
  if (!birth.result.chart) return Fail(birth.result.error, ExitStatus::Usage);
  const mireto::Chart& chart = *birth.result.chart;
  std::optional<mireto::ChartDetails> details;
  if (options->details.details) {
    details = mireto::cli::DetailsOf(request, chart, options->details, now, tables, cache);
  }
  if (options->json) {
    mireto::cli::ChartExtras extras{.notices = &birth.notices, .summerTime = options->summerTime};
    if (details) {
      extras.details = &*details;
      if (birth.boundaries) extras.boundaries = &*birth.boundaries;
    }
    std::string text;
    mireto::cli::AppendChartJson(text, request, chart, extras);
    return WriteAll(out, text + '\n');
  }
  std::string text = mireto::cli::ChartText(request, chart, mireto::cli::NowText(now));
  // The details text after one blank line, with the chart text's CR LF line ends.
  if (details) text += "\r\n\r\n" + mireto::MakeDetailsText(*details);
  return WriteAll(out, text + '\n');
}
