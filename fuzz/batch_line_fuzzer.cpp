// Fuzzes one line of mireto-chart --batch: the JSON reader, and on success the
// whole chart computation with the real tables, then the JSON written back.
#include "chart_checks.h"
#include "cli/chart_io.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line = mireto::fuzz::AsText(data, size);
  std::string error;
  const auto request = mireto::cli::ParseBatchLine(line, error);
  mireto::ChartOrError result;
  if (request) {
    mireto::fuzz::Require(error.empty(), "request and an error at once", error);
    constexpr mireto::LocalDateTime kNow{2024, 6, 15, 12, 0};
    result = mireto::ComputeChart(request->input, mireto::fuzz::RealTables(),
                                   request->now.value_or(kNow));
    error = result.error;
  }
  mireto::fuzz::WriteBatchOutput(request ? &*request : nullptr, result, error);
  return 0;
}
