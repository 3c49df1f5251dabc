// Nutation, the Sun's position with its working state, the solar-term
// longitudes and the equation of time: the worked values and limiting cases.
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "core/equation_of_time.h"
#include "core/nutation.h"
#include "core/sun.h"
#include "test_support.h"

namespace mireto {
namespace {

constexpr double kPi = 3.14159265358979;  // the literal the equation of time uses
constexpr double kSixDecimals = 5e-7;     // "to six decimals"

// Minutes of time from the equation of time in radians.
double Minutes(double radians) { return radians * 4 * 180 / kPi; }

TEST(NutationTest, ZeroArgumentsGiveExactlyZero) { EXPECT_EQ(NutationInLongitude(0, 0, 0, 0, 0, 0), 0.0); }

TEST(NutationTest, NodeAtNinetyDegreesSumsTheNodeTerms) {
  // Rows whose only non-zero multiplier acting is that of the node: -17.2581".
  EXPECT_NEAR(NutationInLongitude(0, 0, 0, 0, 90, 0), -0.00479392, 5e-9);
  // The leading time term -0.01737" T moves it by that much per century.
  const double perCentury = NutationInLongitude(0, 0, 0, 0, 90, 1) - NutationInLongitude(0, 0, 0, 0, 90, 0);
  EXPECT_NEAR(perCentury * 3600, -0.01737, 5e-5);
}

// For a tiny argument x in one fundamental argument alone, sin(m x) = m x, so
// the series gives x times the sum of m a over the 69 rows (and of m b for the
// time terms). These sums, taken by hand over the published table, catch a
// mistyped coefficient, sign or multiplier in any row.
struct FirstMoments {
  int argument;  // 0 l, 1 l', 2 F, 3 D, 4 Omega
  double sumMA;  // sum of m a, arcseconds
  double sumMB;  // sum of m b, arcseconds per century
};
// clang-format off
constexpr FirstMoments kNutationMoments[] = {
    {0, 0.0319, 0.00001},
    {1, 0.0569, -0.00014},
    {2, -3.1060, -0.0002},
    {3, 2.5971, 0.00008},
    {4, -19.9017, -0.0175},
};
// clang-format on

TEST(NutationTest, EveryRowAgreesWithThePublishedTable) {
  constexpr double kStepDegrees = 1e-4;
  constexpr double kStepRadians = kStepDegrees * 0.017453292519943;
  for (const FirstMoments& moments : kNutationMoments) {
    double args[5] = {0, 0, 0, 0, 0};
    args[moments.argument] = kStepDegrees;
    const double at0 = NutationInLongitude(args[0], args[1], args[2], args[3], args[4], 0) * 3600;
    const double at1 = NutationInLongitude(args[0], args[1], args[2], args[3], args[4], 1) * 3600;
    EXPECT_NEAR(at0 / kStepRadians, moments.sumMA, 2e-6) << "argument " << moments.argument;
    EXPECT_NEAR((at1 - at0) / kStepRadians, moments.sumMB, 2e-7) << "argument " << moments.argument;
  }
}

TEST(NutationTest, StaysWithinTheSeriesAmplitude) {
  // |delta psi| <= sum of |a| + |b| T, about 19.2" for |T| <= 2.
  for (int i = 0; i < 200; ++i) {
    const double x = i * 37.1;
    const double psi = NutationInLongitude(x, 0.7 * x, 1.3 * x, 2.1 * x, 0.9 * x + 11, -1 + i / 100.0);
    ASSERT_LT(std::abs(psi) * 3600, 19.3) << i;
  }
}

TEST(ReduceAngleTest, LandsInZeroTo360) {
  EXPECT_NEAR(ReduceAngle(360.2), 0.2, 1e-12);
  EXPECT_NEAR(ReduceAngle(-0.5), 359.5, 1e-12);
  EXPECT_EQ(ReduceAngle(0.0), 0.0);
  EXPECT_EQ(ReduceAngle(720.0), 0.0);
  EXPECT_NEAR(ReduceAngle(36280.4659055), 280.4659055, 1e-9);
  // The formula gives exactly 360 for a tiny negative angle; it must be 0.
  EXPECT_EQ(ReduceAngle(-1e-15), 0.0);
  for (double x : {-1e-13, -1e-14, -1e-16, -1e-300, -5e-324, -360.0 * (1 + 1e-16), 359.99999999999997}) {
    const double r = ReduceAngle(x);
    EXPECT_GE(r, 0.0) << x;
    EXPECT_LT(r, 360.0) << x;
  }
}

TEST(SolarTermLongitudeTest, WorkedValues) {
  EXPECT_EQ(SolarTermLongitude(1, 0), 285.0);
  EXPECT_EQ(SolarTermLongitude(1, 1), 300.0);
  EXPECT_EQ(SolarTermLongitude(2, 0), 315.0);
  EXPECT_EQ(SolarTermLongitude(3, 1), 0.0);
  EXPECT_EQ(SolarTermLongitude(4, 0), 15.0);
  EXPECT_EQ(SolarTermLongitude(12, 0), 255.0);
  EXPECT_EQ(SolarTermLongitude(12, 1), 270.0);
}

TEST(SolarTermLongitudeTest, TwentyFourDistinctTermsFifteenDegreesApart) {
  std::set<double> terms;
  for (int month = 1; month <= 12; ++month) {
    for (int kind = 0; kind <= 1; ++kind) {
      const double lon = SolarTermLongitude(month, kind);
      EXPECT_GE(lon, 0.0);
      EXPECT_LT(lon, 360.0);
      EXPECT_EQ(std::fmod(lon, 15.0), 0.0);
      terms.insert(lon);
    }
    EXPECT_EQ(std::fmod(SolarTermLongitude(month, 1) - SolarTermLongitude(month, 0) + 360, 360), 15.0);
  }
  EXPECT_EQ(terms.size(), 24u);
}

// The real tables with every amplitude set to zero (bodies kept valid).
CalendarTables WithoutPlanetaryTerms(const CalendarTables& real) {
  CalendarTables tables = real;
  for (PlanetTerm& term : tables.planetTerms) {
    term.lonAmplitude = 0;
    term.radAmplitude = 0;
  }
  return tables;
}

TEST(SunPositionTest, WorkedValuesWithoutPlanetaryTerms) {
  const CalendarTables* real = test::RealTables();
  ASSERT_NE(real, nullptr);
  const CalendarTables tables = WithoutPlanetaryTerms(*real);
  SunWorkingState state;
  const SunPosition pos = ComputeSunPosition(tables, 2000, 1, 1.5, state);
  EXPECT_EQ(state.julianDay, 2451545.0);
  EXPECT_NEAR(state.longitudeParts[0], 280.465905, kSixDecimals);
  EXPECT_NEAR(state.longitudeParts[1], -0.084495, kSixDecimals);
  EXPECT_EQ(state.longitudeParts[2], 0.0);
  EXPECT_EQ(state.logDistanceParts[2], 0.0);
  EXPECT_NEAR(state.longitudeParts[3], -0.005471, kSixDecimals);
  EXPECT_NEAR(state.nutation, -0.003880, kSixDecimals);
  EXPECT_NEAR(state.longitudeParts[4], -0.001845, kSixDecimals);
  EXPECT_NEAR(pos.longitude, 280.374095, kSixDecimals);
  EXPECT_NEAR(pos.distance, 0.983325, kSixDecimals);
  // The overload without the state gives the same result.
  const SunPosition plain = ComputeSunPosition(tables, 2000, 1, 1.5);
  EXPECT_EQ(plain.longitude, pos.longitude);
  EXPECT_EQ(plain.distance, pos.distance);
}

TEST(SunPositionTest, PlanetaryMeanAnomaliesAreNotReduced) {
  const CalendarTables* tables = test::RealTables();
  ASSERT_NE(tables, nullptr);
  SunWorkingState state;
  ComputeSunPosition(*tables, 2000, 1, 1.5, state);
  // t = (2451545 - 2396758) / 365.25, about 150 Julian years.
  const double t = (2451545.0 - 2396758.0) / 365.25;
  EXPECT_DOUBLE_EQ(state.meanAnomaly[1], 248.07 + 1494.7253 * t);  // about 224,450 degrees
  EXPECT_DOUBLE_EQ(state.meanAnomaly[5], 148.031 + 30.34583 * t);
  EXPECT_GE(state.meanAnomaly[3], 0.0);
  EXPECT_LT(state.meanAnomaly[3], 360.0);
  EXPECT_GT(state.sunMeanAnomalyRaw, 360.0);  // 358.48 + 35999.05 T at T = 1
}

TEST(SunPositionTest, LongitudeAlwaysReducedAndMovingAboutOneDegreeADay) {
  const CalendarTables* tables = test::RealTables();
  ASSERT_NE(tables, nullptr);
  double previous = ComputeSunPosition(*tables, 1999, 12, 31).longitude;
  for (int day = 1; day <= 366; ++day) {
    const SunPosition pos = ComputeSunPosition(*tables, 2000, 1, day);
    ASSERT_GE(pos.longitude, 0.0);
    ASSERT_LT(pos.longitude, 360.0);
    ASSERT_GT(pos.distance, 0.983);
    ASSERT_LT(pos.distance, 1.0168);
    const double step = std::fmod(pos.longitude - previous + 360.0, 360.0);
    ASSERT_GT(step, 0.95) << day;
    ASSERT_LT(step, 1.02) << day;
    previous = pos.longitude;
  }
}

TEST(EquationOfTimeTest, ElementsAtTZero) {
  EXPECT_NEAR(MeanObliquity(0), 23.452294, 1e-12);
  EXPECT_NEAR(SunMeanLongitude(0), 279.696678, 1e-12);
  EXPECT_NEAR(SunPerigeeLongitude(0), 281.2206, 1e-12);
  EXPECT_NEAR(OrbitEccentricity(0), 0.0167498, 1e-15);
}

TEST(EquationOfTimeTest, WorkedValuesAtTOne) {
  const double jd = JulianDay(2000, 1, 1.5);
  const double T = JulianCenturies(jd);
  ASSERT_EQ(T, 1.0);
  const double eps = MeanObliquity(T);
  const double L = SunMeanLongitude(T);
  const double perigee = SunPerigeeLongitude(T);
  const double e = OrbitEccentricity(T);
  const double M = L - perigee;
  EXPECT_NEAR(eps, 23.439280, kSixDecimals);
  EXPECT_NEAR(L, 280.465905, 1e-6);  // 280.4659055, a tie at six decimals
  EXPECT_NEAR(perigee, 282.938783, kSixDecimals);
  EXPECT_NEAR(e, 0.016707083, 5e-10);
  EXPECT_NEAR(M, -2.472878, kSixDecimals);
  const double E = EquationOfTime(eps, L, M, e);
  EXPECT_NEAR(E, -0.0144046, 5e-8);
  EXPECT_NEAR(Minutes(E), -3.3013, 5e-5);
}

TEST(EquationOfTimeTest, LimitingCases) {
  for (double L = 0; L < 720; L += 17.3) {
    for (double M = -200; M < 400; M += 23.9) {
      ASSERT_EQ(EquationOfTime(0, L, M, 0), 0.0) << L << " " << M;
      const double e = 0.0167;
      const double expected = -2 * e * std::sin(M * kPi / 180) - 5.0 / 4.0 * e * e * std::sin(M * kPi / 90);
      ASSERT_NEAR(EquationOfTime(0, L, M, e), expected, 1e-15) << L << " " << M;
    }
  }
}

TEST(EquationOfTimeTest, ElementsStayReducedOverFourCenturies) {
  for (double T = -2; T <= 2; T += 0.01) {
    ASSERT_GE(SunMeanLongitude(T), 0.0);
    ASSERT_LT(SunMeanLongitude(T), 360.0);
    ASSERT_GE(SunPerigeeLongitude(T), 0.0);
    ASSERT_LT(SunPerigeeLongitude(T), 360.0);
  }
  // Obliquity and eccentricity are polynomials, not reduced or clamped.
  EXPECT_NEAR(MeanObliquity(-2000), 23.452294 + 26.025 - 6.56 - 4024, 1e-6);
  EXPECT_LT(OrbitEccentricity(1000), 0.0);
}

// The equation of time over the year 2000 against its well-known extremes:
// about -14.2 minutes near 11-12 February and +16.4 minutes near 3 November.
TEST(EquationOfTimeTest, YearlyExtremesOf2000) {
  double lowest = 0, highest = 0;
  int lowestDay = 0, highestDay = 0;
  for (int day = 1; day <= 366; ++day) {
    const double T = JulianCenturies(JulianDay(2000, 1, day + 0.125));  // 12h JST = 3h UT
    const double L = SunMeanLongitude(T);
    const double E = EquationOfTime(MeanObliquity(T), L, L - SunPerigeeLongitude(T), OrbitEccentricity(T));
    const double minutes = Minutes(E);
    if (minutes < lowest) lowest = minutes, lowestDay = day;
    if (minutes > highest) highest = minutes, highestDay = day;
  }
  EXPECT_NEAR(lowest, -14.2, 0.2);
  EXPECT_NEAR(lowestDay, 42, 3);  // 11 February
  EXPECT_NEAR(highest, 16.4, 0.2);
  EXPECT_NEAR(highestDay, 308, 3);  // 3 November
}

}  // namespace
}  // namespace mireto
