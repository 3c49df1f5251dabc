#include "chart/almanac.h"

#include <cmath>

#include "core/delta_t.h"
#include "core/sun.h"

namespace mireto {

namespace {

constexpr double kFirstTermLongitude = 285;  // degrees: 小寒
constexpr double kDegreesPerTerm = 15;
constexpr double kFirstTermDay = 5.6;  // 小寒 falls about January 5-6
constexpr double kMeanDaysPerTerm = 365.2422 / 24;
constexpr double kMeanDegreesPerDay = 0.9856474;
constexpr double kSecondsPerDayF = 86400;
constexpr double kRootToleranceDays = 0.01 / kSecondsPerDayF;
constexpr int kMaxSecantSteps = 30;
constexpr double kJstAheadOfUtDays = 9.0 / 24;
// Light time of one astronomical unit in days: 1.4959787e8 km / 299792.458 km/s.
constexpr double kLightDaysPerAu = 1495.9787 / 2.99792458 / 3600 / 24;

double Wrap180(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

// The apparent longitude at an instant in TT, given as the day of January of
// the year (1.0 = January 1, 0h): the geometric longitude of the theory at
// the instant the light now seen left the Sun.
double ApparentLongitude(const CalendarTables& tables, int year, double ttDay) {
  const double distance = ComputeSunDistance(tables, year, 1, ttDay);
  return ComputeSunLongitude(tables, year, 1, ttDay - distance * kLightDaysPerAu);
}

}  // namespace

SolarTermInstant AlmanacTerm(const CalendarTables& tables, int year, int index) {
  SolarTermInstant term;
  term.index = index;
  term.name = kSolarTermNames[static_cast<std::size_t>(index)];
  term.longitude = std::fmod(kFirstTermLongitude + kDegreesPerTerm * index, 360.0);
  term.sectional = index % 2 == 0;
  term.solarMonth = term.sectional ? index / 2 + 1 : 0;

  // Secant on the wrapped difference, in TT days of January.
  const auto miss = [&](double day) { return Wrap180(ApparentLongitude(tables, year, day) - term.longitude); };
  double d0 = kFirstTermDay + kMeanDaysPerTerm * index;
  double f0 = miss(d0);
  double d1 = d0 - f0 / kMeanDegreesPerDay;
  for (int i = 0; i < kMaxSecantSteps; ++i) {
    const double f1 = miss(d1);
    if (f1 == f0) break;
    const double d2 = d1 - f1 * (d1 - d0) / (f1 - f0);
    d0 = d1;
    f0 = f1;
    d1 = d2;
    if (std::fabs(d1 - d0) < kRootToleranceDays) break;
  }
  // TT -> UT -> JST, counted in seconds from January 1, 0h.
  const double decimalYear = year + (d1 - 1) / 365.2425;
  const double utDay = d1 - DeltaTSeconds(decimalYear) / kSecondsPerDayF;
  const auto seconds = static_cast<std::int64_t>(std::llround((utDay - 1 + kJstAheadOfUtDays) * kSecondsPerDayF));
  term.jst = FromClockSeconds(ClockSeconds(ClockTime{year, 1, 1, 0, 0, 0}) + seconds);
  return term;
}

std::array<SolarTermInstant, kSolarTermsPerYear> AlmanacTermsOfYear(const CalendarTables& tables, int year) {
  std::array<SolarTermInstant, kSolarTermsPerYear> terms;
  for (int i = 0; i < kSolarTermsPerYear; ++i) terms[static_cast<std::size_t>(i)] = AlmanacTerm(tables, year, i);
  return terms;
}

}  // namespace mireto
