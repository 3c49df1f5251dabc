#include "cli/batch.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/notices_json.h"

namespace mireto::cli {

namespace {

void ReportOutputFailure(const OutputSink& out) {
  std::cerr << "mireto-chart: 標準出力に書き込めません: " << DescribeIoError(out.errorNumber()) << '\n';
}

}  // namespace

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

void AppendErrorLine(long lineNumber, std::string_view error, std::string& out) {
  out += nlohmann::ordered_json{{"line", lineNumber}, {"error", std::string(error)}}.dump();
  out += '\n';
}

bool AppendBatchLine(std::string_view line, long lineNumber, const BatchContext& context,
                     std::string& out) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  std::string error;
  const auto request = ParseBatchLine(line, context.defaults, error);
  if (request) {
    const BirthChart birth = ComputeBirthChart(request->input, context.summerTime, context.tables,
                                               request->now.value_or(context.defaultNow), false);
    if (birth.result.chart) {
      AppendChartObject(out, ChartJson(*request, *birth.result.chart).dump(), birth.notices);
      out += '\n';
      return true;
    }
    error = birth.result.error;
  }
  AppendErrorLine(lineNumber, error, out);
  return false;
}

ExitStatus RunBatch(int inputFd, OutputSink& out, const BatchContext& context) {
  LineReader reader(inputFd, kMaxBatchLineBytes);
  std::string_view line;
  long lineNumber = 0;
  long pendingBlank = 0;  // blank lines not yet known to be trailing
  bool anyFailed = false;
  for (;;) {
    const auto got = reader.Next(line);
    if (got == LineReader::Result::End) break;
    if (got == LineReader::Result::ReadError) {
      out.Flush();
      std::cerr << "mireto-chart: 標準入力を読めません: " << DescribeIoError(reader.errorNumber()) << '\n';
      return ExitStatus::InputFailed;
    }
    ++lineNumber;
    if (got == LineReader::Result::Line && IsBlankLine(line)) {
      ++pendingBlank;
      continue;
    }
    for (long n = lineNumber - pendingBlank; n < lineNumber; ++n) {
      AppendErrorLine(n, "空行です", out.buffer());
      anyFailed = true;
    }
    pendingBlank = 0;
    if (got == LineReader::Result::TooLong) {
      AppendErrorLine(lineNumber, "行が長すぎます（" + std::to_string(kMaxBatchLineBytes) + " バイトまで）",
                      out.buffer());
      anyFailed = true;
    } else if (!AppendBatchLine(line, lineNumber, context, out.buffer())) {
      anyFailed = true;
    }
    if (!out.Commit()) {
      ReportOutputFailure(out);
      return ExitStatus::OutputFailed;
    }
  }
  if (!out.Flush()) {
    ReportOutputFailure(out);
    return ExitStatus::OutputFailed;
  }
  return anyFailed ? ExitStatus::SomeLinesFailed : ExitStatus::Ok;
}

}  // namespace mireto::cli
