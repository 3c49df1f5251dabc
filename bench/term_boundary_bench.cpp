// The two sectional-term boundaries of a chart, and the notices of a chart
// that lies far from every term (the quick test alone).
#include <benchmark/benchmark.h>

#include "bench_tables.h"
#include "chart/birth_notices.h"
#include "chart/chart.h"

namespace mireto {
namespace {

const LocalDateTime kNow{2024, 6, 1, 12, 0};

BirthInput BenchBirth(int step) {
  BirthInput input;
  input.year = 1800 + (step * 37) % 281;
  input.month = 1 + step % 12;
  input.day = 1 + step % 28;
  input.hour = step % 24;
  input.minute = (step * 7) % 60;
  input.jisaMinutesText = "-19";
  input.jisaSecondsText = "45";
  return input;
}

// Both boundaries solved to the second, as --details and the details window need them.
void BM_FindTermBoundaries(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  std::vector<Chart> charts;
  for (int i = 0; i < 64; ++i) charts.push_back(*ComputeChart(BenchBirth(i), tables, kNow).chart);
  int step = 0;
  for (auto _ : state) {
    const int i = step++ % 64;
    const TermBoundaries b = FindTermBoundaries(tables, ComputedClockTime(BenchBirth(i)), charts[i].record);
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(BM_FindTermBoundaries)->Unit(benchmark::kMicrosecond);

// What the notices add to an ordinary chart: the summer-time decision and the
// notices, most decided by the quick test.
void BM_BirthNotices(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  std::vector<std::pair<SummerTimeDecision, Chart>> births;
  for (int i = 0; i < 64; ++i) {
    SummerTimeDecision d = DecideSummerTime(BenchBirth(i), SummerTimeRule::Ignore);
    Chart c = *ComputeChart(*d.computed, tables, kNow).chart;
    births.emplace_back(std::move(d), std::move(c));
  }
  int step = 0;
  for (auto _ : state) {
    const int i = step++ % 64;
    const auto& chart = births[i].second;
    const BirthInput entered = BenchBirth(i);
    const SummerTimeDecision decision = DecideSummerTime(entered, SummerTimeRule::Ignore);
    auto notices = BirthNotices(entered, decision, BoundariesIfNear(tables, decision, chart));
    benchmark::DoNotOptimize(notices);
  }
}
BENCHMARK(BM_BirthNotices);

}  // namespace
}  // namespace mireto
