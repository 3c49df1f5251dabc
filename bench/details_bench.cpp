// What the chart details add to one chart: the readings, and the readings
// written as the "details" member of mireto-chart's JSON; and the part of
// them that the five-element balance and the relations take.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_tables.h"
#include "chart/chart_details.h"
#include "chart/chart_steps.h"
#include "cli/details_json.h"

namespace mireto {
namespace {

// Charts of a run of different days and hours, computed once.
std::vector<Chart> SampleCharts() {
  const LocalDateTime now{2024, 6, 1, 12, 0};
  std::vector<Chart> charts;
  BirthInput input;
  input.year = 1975;
  input.month = 4;
  input.minute = 5;
  for (int step = 0; step < 64; ++step) {
    input.day = 1 + step % 28;
    input.hour = step % 24;
    input.sex = step % 2 == 0 ? Sex::Male : Sex::Female;
    ChartOrError result = ComputeChart(input, bench::Tables(), now);
    if (result.chart) charts.push_back(*result.chart);
  }
  return charts;
}

void BM_ChartDetails(benchmark::State& state) {
  const std::vector<Chart> charts = SampleCharts();
  DetailsRequest request;
  request.birthYear = 1975;
  std::size_t i = 0;
  for (auto _ : state) {
    ChartDetails d = ComputeChartDetails(charts[i++ % charts.size()], request);
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_ChartDetails);

void BM_ChartDetailsJson(benchmark::State& state) {
  const std::vector<Chart> charts = SampleCharts();
  DetailsRequest request;
  request.birthYear = 1975;
  std::string out;
  std::size_t i = 0;
  for (auto _ : state) {
    out.clear();  // a line buffer reused as the batch writer does
    cli::AppendDetailsJson(out, ComputeChartDetails(charts[i++ % charts.size()], request));
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_ChartDetailsJson);

// The balance, the natal relations and those of the eleven luck columns.
void BM_BalanceAndRelations(benchmark::State& state) {
  const std::vector<Chart> charts = SampleCharts();
  std::array<RelationList, kLuckColumnCount + 1> lists;
  std::size_t i = 0;
  for (auto _ : state) {
    const ChartRecord& r = charts[i++ % charts.size()].record;
    const NatalPillars natal = NatalPillarsOf(r, true);
    FiveElementBalance balance = BalanceOf(natal);
    benchmark::DoNotOptimize(balance);
    const NatalRelationIndex index = IndexNatalPillars(natal);
    FindNatalRelations(lists.back(), index);
    for (std::size_t c = 0; c < kLuckColumnCount; ++c) {
      const auto [stem, branch] = steps::LuckColumn(r, static_cast<int>(c));
      FindRelationsWith(lists[c], Place::Luck, stem, branch, index);
    }
    benchmark::DoNotOptimize(lists);
  }
}
BENCHMARK(BM_BalanceAndRelations);

}  // namespace
}  // namespace mireto
