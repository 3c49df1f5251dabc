// The distance-only and longitude-only solar routines give the very bits of
// the full position's distance and longitude: a seeded sweep of instants over 1800-2080, with the odd day
// offsets (negative days, days past the month's end) the chart passes in.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "core/sun.h"
#include "test_support.h"

namespace mireto {
namespace {

struct DistanceSweep {
  const char* name;
  int firstYear;
  int lastYear;
  double lowDay;  // day of the month with fraction, as the chart passes it
  double highDay;
};

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

class SunDistanceBits : public ::testing::TestWithParam<DistanceSweep> {};

TEST_P(SunDistanceBits, EqualTheFullPositionsParts) {
  const CalendarTables* tables = test::RealTables();
  ASSERT_NE(tables, nullptr);
  const DistanceSweep& sweep = GetParam();
  std::mt19937_64 random(20261208);
  int differing = 0;
  constexpr int kInstants = 4000;
  for (int i = 0; i < kInstants; ++i) {
    const int year =
        sweep.firstYear + static_cast<int>(random() % static_cast<unsigned>(sweep.lastYear - sweep.firstYear + 1));
    const int month = 1 + static_cast<int>(random() % 12);
    const double unit = static_cast<double>(random() >> 11) * 0x1.0p-53;
    const double day = sweep.lowDay + unit * (sweep.highDay - sweep.lowDay);
    const SunPosition full = ComputeSunPosition(*tables, year, month, day);
    const double distance = ComputeSunDistance(*tables, year, month, day);
    const double longitude = ComputeSunLongitude(*tables, year, month, day);
    if (!SameBits(full.distance, distance) || !SameBits(full.longitude, longitude)) {
      if (++differing <= 3) {
        ADD_FAILURE() << year << "-" << month << " day " << day << ": " << full.distance << " vs " << distance << ", "
                      << full.longitude << " vs " << longitude;
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Instants, SunDistanceBits,
                         ::testing::Values(DistanceSweep{"WholeRange", 1800, 2080, 0.5, 32.0},
                                           DistanceSweep{"EarlyYears", 1800, 1801, -1.0, 1.5},
                                           DistanceSweep{"LateYears", 2079, 2080, 27.0, 32.5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto
