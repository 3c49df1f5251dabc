// One whole chart from entered birth data to every displayed text.
#include <benchmark/benchmark.h>

#include "bench_tables.h"
#include "chart/chart.h"

namespace mireto {
namespace {

void BM_ComputeChart(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  const LocalDateTime now{2024, 6, 1, 12, 0};
  BirthInput input;
  input.year = 1975;
  input.month = 4;
  input.day = 8;
  input.hour = 13;
  input.minute = 5;
  input.sex = Sex::Male;
  input.jisaMinutesText = "-1";
  input.jisaSecondsText = "-22";
  int step = 0;
  for (auto _ : state) {
    input.day = 1 + step % 28;  // a different day each call
    input.hour = step % 24;
    ++step;
    ChartOrError result = ComputeChart(input, tables, now);
    if (!result.chart) state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ComputeChart);

}  // namespace
}  // namespace mireto
