// The certified fast path of the solar theory: whenever it answers, the
// longitude is the C library path's to the bit and the distance bounds
// enclose the C library path's distance; and it answers for nearly every
// instant (a fast path that always declined would still be right, but slow).
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "core/sun.h"
#include "test_support.h"

namespace mireto {
namespace {

TEST(SunCertifiedPath, AgreesWithTheLibraryPathToTheBit) {
  const CalendarTables* tables = test::RealTables();
  ASSERT_NE(tables, nullptr);
  std::mt19937_64 random(20261208);
  constexpr int kInstants = 20000;
  int longitudes = 0;
  int distances = 0;
  for (int i = 0; i < kInstants; ++i) {
    const int year = 1800 + static_cast<int>(random() % 281);
    const int month = 1 + static_cast<int>(random() % 12);
    const double day = -1 + static_cast<double>(random() >> 11) * 0x1.0p-53 * 34;
    const SunPosition full = ComputeSunPosition(*tables, year, month, day);
    if (const std::optional<double> fast = CertainSunLongitude(*tables, year, month, day)) {
      ++longitudes;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(*fast), std::bit_cast<std::uint64_t>(full.longitude))
          << year << "-" << month << " day " << day;
    }
    if (const std::optional<DistanceBounds> bounds = BoundSunDistance(*tables, year, month, day)) {
      ++distances;
      ASSERT_LE(bounds->low, full.distance) << year << "-" << month << " day " << day;
      ASSERT_GE(bounds->high, full.distance) << year << "-" << month << " day " << day;
      ASSERT_LT(bounds->high - bounds->low, 1e-14);
    }
  }
  EXPECT_GT(longitudes, kInstants * 95 / 100);
  EXPECT_GT(distances, kInstants * 99 / 100);
}

}  // namespace
}  // namespace mireto
