// The Sun's position against an independent reference: the apparent
// longitude of date and the geometric distance from the IAU 2006/2000A models
// (ERFA) at 600 instants of 1800-2080, written by tools/make-sun-reference.py.
//
// The classical theory gives the geometric longitude of date plus nutation;
// the chart turns it into the apparent longitude the way this test does, by
// computing the position again earlier by the light time of the distance.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "core/sun.h"
#include "test_support.h"

namespace mireto {
namespace {

constexpr double kMaxLongitudeErrorArcsec = 2.2;
constexpr double kMaxDistanceErrorAu = 2e-6;

struct ReferenceInstant {
  int year;
  int month;
  double day;        // day of the month with the fraction of the day
  double julianDay;  // TT
  double longitude;  // apparent, true equinox and ecliptic of date, degrees
  double distance;   // geometric, AU
};

std::vector<ReferenceInstant> LoadReference() {
  std::ifstream in(std::string(MIRETO_TEST_DATA_DIR) + "/sun_reference.csv");
  std::vector<ReferenceInstant> rows;
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream fields(line);
    ReferenceInstant r{};
    if (fields >> r.year >> r.month >> r.day >> r.julianDay >> r.longitude >> r.distance) rows.push_back(r);
  }
  return rows;
}

const std::vector<ReferenceInstant>& Reference() {
  static const std::vector<ReferenceInstant> rows = LoadReference();
  return rows;
}

// Light time of a distance in AU, in days: 1 AU = 1495.9787e5 km, c = 2.99792458e5 km/s.
double LightTimeDays(double distanceAu) { return ((1495.9787 * distanceAu / 2.99792458) / 3600) / 24; }

// Difference of two longitudes in arcseconds, in (-648000, 648000].
double LongitudeDifferenceArcsec(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d * 3600;
}

struct Deviation {
  double maxLongitudeArcsec = 0;
  double rmsLongitudeArcsec = 0;
  double meanLongitudeArcsec = 0;
  double maxDistanceAu = 0;
  double rmsDistanceAu = 0;
  int worstYear = 0;

  bool WithinBounds() const {
    return maxLongitudeArcsec <= kMaxLongitudeErrorArcsec && maxDistanceAu <= kMaxDistanceErrorAu;
  }
};

// Compares the model with the reference at every instant; with lightTime the
// longitude is taken earlier by the light time of the first distance.
Deviation Compare(const CalendarTables& tables, bool lightTime = true) {
  Deviation dev;
  double sumLon2 = 0, sumLon = 0, sumDist2 = 0;
  for (const ReferenceInstant& r : Reference()) {
    const SunPosition now = ComputeSunPosition(tables, r.year, r.month, r.day);
    const double earlier = lightTime ? LightTimeDays(now.distance) : 0.0;
    const SunPosition seen = ComputeSunPosition(tables, r.year, r.month, r.day - earlier);
    const double dLon = LongitudeDifferenceArcsec(seen.longitude, r.longitude);
    const double dDist = now.distance - r.distance;
    if (std::abs(dLon) > dev.maxLongitudeArcsec) {
      dev.maxLongitudeArcsec = std::abs(dLon);
      dev.worstYear = r.year;
    }
    dev.maxDistanceAu = std::max(dev.maxDistanceAu, std::abs(dDist));
    sumLon += dLon;
    sumLon2 += dLon * dLon;
    sumDist2 += dDist * dDist;
  }
  const auto n = static_cast<double>(Reference().size());
  dev.meanLongitudeArcsec = sumLon / n;
  dev.rmsLongitudeArcsec = std::sqrt(sumLon2 / n);
  dev.rmsDistanceAu = std::sqrt(sumDist2 / n);
  return dev;
}

TEST(SunReferenceTest, FixtureSpansTheYearsAndItsDaysGiveItsJulianDays) {
  const auto& rows = Reference();
  ASSERT_GE(rows.size(), 500u);
  EXPECT_EQ(rows.front().year, 1800);
  EXPECT_GE(rows.back().year, 2079);
  for (const ReferenceInstant& r : rows) {
    ASSERT_EQ(JulianDay(r.year, r.month, r.day), r.julianDay) << r.year << "-" << r.month << "-" << r.day;
  }
}

TEST(SunReferenceTest, ApparentLongitudeAndDistanceWithinBounds) {
  const CalendarTables* tables = test::RealTables();
  ASSERT_NE(tables, nullptr);
  ASSERT_FALSE(Reference().empty());
  const Deviation dev = Compare(*tables);
  std::printf(
      "Sun vs reference at %zu instants: longitude max %.3f\" (in %d), RMS %.3f\", mean %+.3f\"; "
      "distance max %.2e AU, RMS %.2e AU\n",
      Reference().size(), dev.maxLongitudeArcsec, dev.worstYear, dev.rmsLongitudeArcsec, dev.meanLongitudeArcsec,
      dev.maxDistanceAu, dev.rmsDistanceAu);
  RecordProperty("max_longitude_arcsec", std::to_string(dev.maxLongitudeArcsec));
  RecordProperty("rms_longitude_arcsec", std::to_string(dev.rmsLongitudeArcsec));
  RecordProperty("max_distance_au", std::to_string(dev.maxDistanceAu));
  EXPECT_LE(dev.maxLongitudeArcsec, kMaxLongitudeErrorArcsec);
  EXPECT_LE(dev.maxDistanceAu, kMaxDistanceErrorAu);
  EXPECT_LE(dev.rmsLongitudeArcsec, 1.0);
}

// At the same instant the theory is ahead of the apparent Sun by the
// aberration, about 20.5": the light-time step is what removes it.
TEST(SunReferenceTest, WithoutTheLightTimeTheLongitudeLeadsByTheAberration) {
  const CalendarTables* tables = test::RealTables();
  ASSERT_NE(tables, nullptr);
  const Deviation dev = Compare(*tables, /*lightTime=*/false);
  EXPECT_NEAR(dev.meanLongitudeArcsec, 20.5, 1.0);
  EXPECT_GT(dev.maxLongitudeArcsec, kMaxLongitudeErrorArcsec);
}

// Index of the row with the largest |amplitude| chosen by `amplitude`.
std::size_t LargestRow(const CalendarTables& tables, double PlanetTerm::*amplitude) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < kPlanetTermCount; ++i) {
    if (std::abs(tables.planetTerms[i].*amplitude) > std::abs(tables.planetTerms[best].*amplitude)) best = i;
  }
  return best;
}

struct Corruption {
  const char* what;
  std::function<void(CalendarTables&)> apply;
};

// A wrong row or a wrong unit in the tables must push the model outside the
// bounds somewhere in the fixture.
TEST(SunReferenceTest, ACorruptedRowOrUnitIsDetected) {
  const CalendarTables* real = test::RealTables();
  ASSERT_NE(real, nullptr);
  const std::size_t lonRow = LargestRow(*real, &PlanetTerm::lonAmplitude);
  const std::size_t radRow = LargestRow(*real, &PlanetTerm::radAmplitude);
  const std::vector<Corruption> corruptions = {
      {"largest longitude term doubled", [&](CalendarTables& t) { t.planetTerms[lonRow].lonAmplitude *= 2; }},
      {"largest longitude term dropped", [&](CalendarTables& t) { t.planetTerms[lonRow].lonAmplitude = 0; }},
      {"its phase read as radians", [&](CalendarTables& t) { t.planetTerms[lonRow].lonPhase *= 0.017453292519943; }},
      {"its body read as the next planet",
       [&](CalendarTables& t) {
         auto& body = t.planetTerms[lonRow].body;
         body = static_cast<std::int16_t>(body == 6 ? 5 : body + 1);
       }},
      {"largest distance term doubled", [&](CalendarTables& t) { t.planetTerms[radRow].radAmplitude *= 2; }},
      {"distance amplitudes in units of 1e-8",
       [](CalendarTables& t) {
         for (auto& term : t.planetTerms) term.radAmplitude *= 10;
       }},
      {"longitude amplitudes in units of 0.1\"",
       [](CalendarTables& t) {
         for (auto& term : t.planetTerms) term.lonAmplitude *= 0.1;
       }},
      {"all amplitudes zero",
       [](CalendarTables& t) {
         for (auto& term : t.planetTerms) term.lonAmplitude = term.radAmplitude = 0;
       }},
  };
  for (const Corruption& c : corruptions) {
    CalendarTables tables = *real;
    c.apply(tables);
    const Deviation dev = Compare(tables);
    std::printf("corrupted (%s): longitude max %.2f\", distance max %.2e AU\n", c.what, dev.maxLongitudeArcsec,
                dev.maxDistanceAu);
    EXPECT_FALSE(dev.WithinBounds()) << c.what;
  }
}

}  // namespace
}  // namespace mireto
