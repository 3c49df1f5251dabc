// The equation-of-time chain of one chart: Julian day, centuries, the four
// elements and the five-term series.
#include <benchmark/benchmark.h>

#include "core/calendar.h"
#include "core/equation_of_time.h"

namespace mireto {
namespace {

void BM_EquationOfTimeChain(benchmark::State& state) {
  double day = 1.0;
  for (auto _ : state) {
    const double T = JulianCenturies(JulianDay(1990, 5, day));
    const double L = SunMeanLongitude(T);
    const double E = EquationOfTime(MeanObliquity(T), L, L - SunPerigeeLongitude(T), OrbitEccentricity(T));
    benchmark::DoNotOptimize(E);
    day += 0.37;
    if (day > 3650) day = 1.0;
  }
}
BENCHMARK(BM_EquationOfTimeChain);

}  // namespace
}  // namespace mireto
