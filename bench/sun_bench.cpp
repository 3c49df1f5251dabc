// The Sun's position: one call of the full theory (120 planetary terms,
// 69 nutation terms).
#include <benchmark/benchmark.h>

#include "bench_tables.h"
#include "core/sun.h"

namespace mireto {
namespace {

void BM_ComputeSunPosition(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  double day = 1.0;
  for (auto _ : state) {
    const SunPosition pos = ComputeSunPosition(tables, 1990, 5, day);
    benchmark::DoNotOptimize(pos);
    day += 0.37;  // a new instant each time, within about ten years
    if (day > 3650) day = 1.0;
  }
}
BENCHMARK(BM_ComputeSunPosition);

// The distance alone, as the chart's first position.
void BM_ComputeSunDistance(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  double day = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeSunDistance(tables, 1990, 5, day));
    day += 0.37;
    if (day > 3650) day = 1.0;
  }
}
BENCHMARK(BM_ComputeSunDistance);

// The longitude from the fast sine and cosine under an error bound; the
// counter "certain" is the share of instants it settles (the rest fall back to
// the C library path, about the cost of BM_ComputeSunPosition's longitude).
void BM_CertainSunLongitude(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  double day = 1.0;
  double certain = 0;
  for (auto _ : state) {
    const std::optional<double> longitude = CertainSunLongitude(tables, 1990, 5, day);
    benchmark::DoNotOptimize(longitude);
    if (longitude) ++certain;
    day += 0.37;
    if (day > 3650) day = 1.0;
  }
  state.counters["certain"] = benchmark::Counter(certain, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CertainSunLongitude);

// The distance bounds from the fast sine and cosine.
void BM_BoundSunDistance(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  double day = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BoundSunDistance(tables, 1990, 5, day));
    day += 0.37;
    if (day > 3650) day = 1.0;
  }
}
BENCHMARK(BM_BoundSunDistance);

// As the chart uses it: the distance, then the position earlier by the light time.
void BM_ApparentSunWithLightTime(benchmark::State& state) {
  const CalendarTables& tables = bench::Tables();
  double day = 1.0;
  for (auto _ : state) {
    const double distance = ComputeSunDistance(tables, 1990, 5, day);
    const double lightTimeDays = ((1495.9787 * distance / 2.99792458) / 3600) / 24;
    const double seen = ComputeSunLongitude(tables, 1990, 5, day - lightTimeDays);
    benchmark::DoNotOptimize(seen);
    day += 0.37;
    if (day > 3650) day = 1.0;
  }
}
BENCHMARK(BM_ApparentSunWithLightTime);

}  // namespace
}  // namespace mireto
