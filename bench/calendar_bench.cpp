// A year of the perpetual calendar, and what --details, --details --monthly
// cost per chart on the batch path, on seeded births of many years and time
// differences (as make bench-batch draws them), beside the plain batch line.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench_tables.h"
#include "chart/year_calendar.h"
#include "cli/batch.h"

namespace mireto {
namespace {

// Batch input lines of births 1900-2080 at time differences of -60..60 minutes.
const std::vector<std::string>& BatchLines() {
  static const std::vector<std::string> lines = [] {
    std::mt19937 random(1);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<std::string> out;
    for (int i = 0; i < 20000; ++i) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", between(1900, 2080), between(1, 12), between(1, 28));
      out.push_back(std::string(R"({"date":")") + date + R"(","hour":")" + std::to_string(between(0, 23)) +
                    R"(","minute":")" + std::to_string(between(0, 59)) + R"(","sex":")" +
                    (between(0, 1) == 0 ? "M" : "F") + R"(","jisaMinutes":")" + std::to_string(between(-60, 60)) +
                    R"(","jisaSeconds":")" + std::to_string(between(0, 59)) + R"("})");
    }
    return out;
  }();
  return lines;
}

// range(0): 0 plain, 1 --details, 2 --details --monthly (the birth year);
// range(1): 1 with one cache for the run, as the batch keeps per thread.
void BM_BatchLine(benchmark::State& state) {
  cli::BatchContext context{bench::Tables(), {"F", "0", "0"}, {2026, 12, 7, 12, 0}, {}, SummerTimeRule::Ignore};
  context.details.details = state.range(0) >= 1;
  if (state.range(0) == 2) context.details.monthly = 2027;
  const bool cached = state.range(1) == 1;
  TermCache cache;
  std::string out;
  std::size_t i = 0;
  const auto& lines = BatchLines();
  for (auto _ : state) {
    out.clear();
    cli::AppendBatchLine(lines[i++ % lines.size()], 1, context, out, cached ? &cache : nullptr);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_BatchLine)->ArgNames({"details", "cached"})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Args({2, 1});

// One year's calendar: 24 almanac instants, 24 chart switches, 365 days.
// range(0) = 1: the terms already solved at another time difference.
void BM_YearCalendar(benchmark::State& state) {
  int year = 1900;
  TermCache cache;
  double jisa = 0;
  for (auto _ : state) {
    if (state.range(0) == 0) cache = TermCache{};
    jisa += 1.0 / 86400;  // a new time difference each time
    YearCalendar calendar = ComputeYearCalendar(bench::Tables(), year, jisa, cache);
    benchmark::DoNotOptimize(calendar);
    if (state.range(0) == 0) year = year == 2080 ? 1900 : year + 1;
  }
}
BENCHMARK(BM_YearCalendar)->ArgName("cached")->Arg(0)->Arg(1);

}  // namespace
}  // namespace mireto
