// The Sun's apparent geocentric ecliptic longitude and distance from a
// classical analytical theory in the form of Newcomb's Tables of the Sun,
// and the longitudes of the solar terms.
#pragma once

#include <array>
#include <optional>

#include "core/data_files.h"

namespace mireto {

// Result of one position computation.
struct SunPosition {
  double longitude;  // apparent longitude of date, degrees in [0, 360)
  double distance;   // astronomical units
};

// Working state of one computation, exposed for tests and diagnostics. Real is
// double, or Bounded inside the certified fast path (core/bounded.h).
template <class Real>
struct SunTerms {
  double julianDay = 0;                    // instant computed
  std::array<Real, 5> longitudeParts{};    // degrees: 0 mean longitude, 1 equation of
                                           // the centre, 2 planetary, 3 lunar + nutation,
                                           // 4 long-period
  std::array<Real, 4> logDistanceParts{};  // log10 distance: [1] elliptic (1e-8),
                                           // [2] planetary (1e-9), [3] lunar (1e-8); [0] unused
  std::array<double, 7> meanAnomaly{};     // degrees, index 1..6 (Mercury .. Saturn, 3 = g)
  double sunMeanAnomalyRaw = 0;            // degrees, without long-period terms, not reduced
  Real longPeriodSum = 0;                  // arcseconds
  Real nutation = 0;                       // degrees, the nutation share of longitudeParts[3]
};
using SunWorkingState = SunTerms<double>;

// Reduces an angle in degrees to [0, 360): (x/360 - Int(x/360)) x 360.
// A tiny negative x for which the formula rounds to exactly 360 gives 0.
double ReduceAngle(double degrees);

// The Sun's apparent longitude and distance.
//   Given:    tables   the loaded planetary perturbation terms
//             year, month  integral reals (Gregorian)
//             day      day of the month with the time of day as a fraction;
//                      any offset may be folded in (see JulianDay)
//   Returned: longitude (degrees, [0, 360)) and distance (AU)
// Notes:
//   1. The instant is used as given; no time-scale conversion is made.
//   2. No aberration is included: the caller applies the light time by
//      computing the position again at an earlier instant.
//   3. Angles are turned into radians with the literal 0.017453292519943.
// Source: S. Newcomb, Tables of the Sun, Astron. Papers Amer. Ephemeris VI (1895);
//         mean elements of the Explanatory Supplement (1961).
SunPosition ComputeSunPosition(const CalendarTables& tables, double year, double month, double day);

// As ComputeSunPosition, also returning the working state.
SunPosition ComputeSunPosition(const CalendarTables& tables, double year, double month, double day,
                               SunWorkingState& state);

// The Sun's distance alone, as ComputeSunPosition computes it, bit for bit: the
// same terms in the same order, without the longitude terms and the nutation.
//   Given:    tables, year, month, day as for ComputeSunPosition
//   Returned: distance (AU)
// Notes:
//   1. Used for the light time, the only use of the first of the two positions
//      of a chart; about half the work of a whole position.
// Source: S. Newcomb, Tables of the Sun, Astron. Papers Amer. Ephemeris VI (1895):
//         the elliptic, planetary and lunar terms of the radius vector.
double ComputeSunDistance(const CalendarTables& tables, double year, double month, double day);

// The Sun's longitude alone, as ComputeSunPosition computes it, bit for bit.
//   Given:    tables, year, month, day as for ComputeSunPosition
//   Returned: apparent longitude of date (degrees, [0, 360))
// Notes:
//   1. Used for the second position of a chart, whose distance nobody reads.
//   2. Tries CertainSunLongitude first and computes the terms with the C
//      library's sine and cosine only when that gives no answer.
// Source: as ComputeSunPosition.
double ComputeSunLongitude(const CalendarTables& tables, double year, double month, double day);

// The longitude of ComputeSunPosition, bit for bit, from the fast sine and
// cosine, or nullopt when their error bound leaves the last bit in doubt.
//   Given:    tables, year, month, day as for ComputeSunPosition
//   Returned: longitude (degrees, [0, 360)), or nullopt
// Notes:
//   1. Every term is evaluated with FastSin/FastCos while a bound on its
//      distance from the std::sin/std::cos evaluation is carried along
//      (core/bounded.h). The final sum and reduction are monotone, so when both
//      ends of the intervals give the same double, that is the answer.
//   2. Gives no answer for about 1.7 % of instants (it settles 98.3 %); see
//      bench/sun_bench.cpp.
std::optional<double> CertainSunLongitude(const CalendarTables& tables, double year, double month, double day);

// Doubles that enclose ComputeSunDistance's result.
struct DistanceBounds {
  double low;   // AU
  double high;  // AU
};

// Bounds on the distance of ComputeSunDistance from the fast sine and cosine,
// or nullopt when the mean anomaly itself is in doubt.
//   Given:    tables, year, month, day as for ComputeSunPosition
//   Returned: low <= ComputeSunDistance(...) <= high, a few ulps apart
// Notes:
//   1. For a caller whose result is a monotone function of the distance (the
//      light time): when that function agrees at both ends it is exact.
std::optional<DistanceBounds> BoundSunDistance(const CalendarTables& tables, double year, double month, double day);

// Longitude in degrees of the solar term of solar month m (1 = 丑 .. 12 = 子):
// kind 0 the sectional term that opens the month (節), kind 1 the middle (中気).
// 15 (2m + 17 + kind), less 360 once if 360 or more. (1,0) = 285, (3,1) = 0.
double SolarTermLongitude(int month, int kind);

}  // namespace mireto
