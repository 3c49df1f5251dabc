// Fuzzes one line of mireto-chart --batch: the strict reader against a general
// JSON parser (see batch_line_checks.h), then on success the whole chart
// computation with the real tables, and the line the tool writes (also as a
// --compat line).
#include "batch_line_checks.h"
#include "chart_checks.h"
#include "cli/batch.h"
#include "cli/json_writer.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line = mireto::fuzz::AsText(data, size);
  mireto::fuzz::CheckBatchObject(line);

  std::string error;
  const auto request = mireto::exchange::ParseBatchLine(line, error);
  mireto::ChartOrError result;
  if (request) {
    mireto::fuzz::Require(error.empty(), "request and an error at once", error);
    mireto::fuzz::CheckAcceptedRequest(*request);
    constexpr mireto::LocalDateTime kNow{2024, 6, 15, 12, 0};
    result = mireto::ComputeChart(request->input, mireto::fuzz::RealTables(), request->now.value_or(kNow));
    error = result.error;
  } else {
    mireto::fuzz::CheckMessageLength(error);
  }
  mireto::fuzz::WriteBatchOutput(request ? &*request : nullptr, result, error);
  // The direct writer gives the bytes of the document dump.
  std::string direct;
  if (request && result.chart) {
    mireto::cli::AppendChartJson(direct, *request, *result.chart);
    mireto::fuzz::Require(direct == mireto::cli::ReferenceChartJson(*request, *result.chart).dump(),
                          "the direct writer differs from the dump", direct);
  } else {
    mireto::cli::AppendErrorJson(direct, 1, error);
    mireto::fuzz::Require(direct == nlohmann::ordered_json{{"line", 1}, {"error", error}}.dump(),
                          "the direct error line differs from the dump", direct);
  }

  // The tool's own line writer gives the same as the checks above, never throws.
  static const mireto::cli::BatchContext context{mireto::fuzz::RealTables(), {}, {2024, 6, 15, 12, 0}};
  std::string out;
  const bool ok = mireto::cli::AppendBatchLine(line, 1, context, out);
  mireto::fuzz::Require(!out.empty() && out.back() == '\n' && out.find('\n') == out.size() - 1,
                        "not exactly one output line", out);
  mireto::fuzz::Require(ok == (request && result.chart), "the tool and the checks disagree on a line", line);

  // The same line as a 相性 line (--compat, the partner's keys beside the
  // batch keys): exactly one line of valid JSON, never a throw.
  static const mireto::cli::BatchContext compat = [] {
    mireto::cli::BatchContext c{mireto::fuzz::RealTables(), {}, {2024, 6, 15, 12, 0}};
    c.compat = true;
    return c;
  }();
  std::string pair;
  mireto::cli::AppendBatchLine(line, 1, compat, pair);
  mireto::fuzz::Require(!pair.empty() && pair.back() == '\n' && pair.find('\n') == pair.size() - 1,
                        "not exactly one compat output line", pair);
  mireto::fuzz::Require(nlohmann::json::accept(pair), "a compat output line that is not JSON", pair);
  return 0;
}
