#include "core/sun.h"

#include <cmath>

#include "core/calendar.h"
#include "core/constants.h"
#include "core/numeric.h"
#include "core/nutation.h"

namespace mireto {

namespace {

double SinDeg(double degrees) { return std::sin(degrees * kDegreesToRadians); }
double CosDeg(double degrees) { return std::cos(degrees * kDegreesToRadians); }

// Mean longitude of the Sun (degrees, reduced). T in Julian centuries.
void SunMeanLongitudeTerm(double T, SunWorkingState& s) {
  s.longitudeParts[0] =
      ReduceAngle(279.696677778 + 36000.768925 * T + Scaled(-4, 3.025) * std::pow(T, 2));
}

// Mean anomaly of the Sun, without (raw) and with the long-period terms (g).
void SunMeanAnomalyTerm(double T, SunWorkingState& s) {
  s.sunMeanAnomalyRaw =
      358.475833333 + 35999.04975 * T - 0.00015 * std::pow(T, 2) - 0.0000033333 * std::pow(T, 3);
  s.longPeriodSum = (1.882 - 0.016 * T) * SinDeg(57.24 + 150.27 * T) +
                    6.4 * SinDeg(231.19 + 20.2 * T) + 0.266 * SinDeg(31.8 + 119.0 * T);
  s.meanAnomaly[3] = ReduceAngle(s.sunMeanAnomalyRaw + s.longPeriodSum / 3600);
}

// Equation of the centre (degrees).
void EquationOfCenterLongitude(double T, SunWorkingState& s) {
  const double g = s.meanAnomaly[3];
  s.longitudeParts[1] = ((6910.057 - 17.24 * T - 0.052 * std::pow(T, 2)) * SinDeg(g) +
                         (72.338 - 0.361 * T) * SinDeg(2 * g) +
                         (1.054 - 0.001 * T) * SinDeg(3 * g) + 0.018 * SinDeg(4 * g)) /
                        3600;
}

// The elliptic part of log10 distance (1e-8).
void EquationOfCenterDistance(double T, SunWorkingState& s) {
  const double g = s.meanAnomaly[3];
  s.logDistanceParts[1] = 3057 - 15 * T + (-727412 + 1814 * T + 5 * std::pow(T, 2)) * CosDeg(g) +
                          (-9138 + 46 * T) * CosDeg(2 * g) + (-145 + T) * CosDeg(3 * g) -
                          2 * CosDeg(4 * g);
}

// Mean anomalies of Mercury, Venus, Mars, Jupiter and Saturn (degrees, not reduced).
void PlanetMeanAnomalies(double jd, SunWorkingState& s) {
  const double t = (jd - 2396758.0) / 365.25;  // Julian years
  s.meanAnomaly[1] = 248.07 + 1494.7253 * t;    // Mercury
  s.meanAnomaly[2] = 114.5 + 585.17493 * t;     // Venus
  s.meanAnomaly[4] = 109.856 + 191.39977 * t;   // Mars
  s.meanAnomaly[5] = 148.031 + 30.34583 * t;    // Jupiter
  s.meanAnomaly[6] = 284.716 + 12.21794 * t;    // Saturn
}

// Planetary perturbations in longitude (degrees).
void PlanetaryLongitude(const CalendarTables& tables, SunWorkingState& s) {
  const double g = s.meanAnomaly[3];
  double sl = 0;  // arcseconds
  for (const PlanetTerm& term : tables.planetTerms) {
    const double a = s.meanAnomaly.at(static_cast<std::size_t>(term.body));
    sl = sl + term.lonAmplitude *
                  CosDeg(term.lonPhase - term.bodyMultiplier * a - term.earthMultiplier * g);
  }
  s.longitudeParts[2] = sl / 3600;
}

// Planetary perturbations in log10 distance (1e-9).
void PlanetaryDistance(const CalendarTables& tables, SunWorkingState& s) {
  const double g = s.meanAnomaly[3];
  double sr = 0;
  for (const PlanetTerm& term : tables.planetTerms) {
    const double a = s.meanAnomaly.at(static_cast<std::size_t>(term.body));
    sr = sr + term.radAmplitude *
                  CosDeg(term.radPhase - term.bodyMultiplier * a - term.earthMultiplier * g);
  }
  s.logDistanceParts[2] = sr;
}

// Mean elongation D and mean anomaly l of the Moon, degrees, not reduced.
struct MoonArguments {
  double D;
  double l;
};

MoonArguments MoonElongationAndAnomaly(double T) {
  const double d = T * 36525;  // days
  return {350.737486 + 12.19074919142 * d - 0.00143611 * std::pow(T, 2) +
              0.00000189 * std::pow(T, 3),
          296.104608 + 13.0649924465 * d + 0.00919167 * std::pow(T, 2) +
              0.00001439 * std::pow(T, 3)};
}

// Lunar perturbations plus nutation (degrees).
void LunarLongitude(double T, const MoonArguments& moon, SunWorkingState& s) {
  const double d = T * 36525;  // days
  const double g = s.meanAnomaly[3];
  const double D = moon.D;
  const double l = moon.l;
  // Longitude of the Moon's node and argument of latitude, degrees, not reduced.
  const double om = 259.183275 - 0.0529539222 * d + Scaled(-12, 1.557) * std::pow(d, 2) +
                    Scaled(-20, 4.6) * std::pow(d, 3);
  const double F = 11.250889 + 13.229350449 * d - Scaled(-12, 2.407) * std::pow(d, 2) -
                   Scaled(-20, 0.7) * std::pow(d, 3);
  const double lunar = 6.454 * SinDeg(D) + 0.013 * SinDeg(3 * D) + 0.177 * SinDeg(D + l) -
                       0.424 * SinDeg(D - l) + 0.039 * SinDeg(3 * D - l) -
                       0.064 * SinDeg(D + g) + 0.172 * SinDeg(D - g);  // arcseconds
  s.nutation = NutationInLongitude(l, s.sunMeanAnomalyRaw, F, D, om, T);
  s.longitudeParts[3] = s.nutation + lunar / 3600;
}

// The lunar part of log10 distance (1e-8).
void LunarDistance(const MoonArguments& moon, SunWorkingState& s) {
  const double g = s.meanAnomaly[3];
  const double D = moon.D;
  const double l = moon.l;
  s.logDistanceParts[3] = 3 * CosDeg(3 * D) + 1336 * CosDeg(D) + 37 * CosDeg(D + l) -
                          133 * CosDeg(D - l) + 8 * CosDeg(3 * D - l) - 14 * CosDeg(D + g) +
                          36 * CosDeg(D - g);
}

// The distance (AU) from the three parts of its logarithm.
double DistanceFromParts(const SunWorkingState& s) {
  const auto& rp = s.logDistanceParts;
  const double logDistance = (rp[3] + rp[1]) * std::pow(10.0, -8) + rp[2] * std::pow(10.0, -9);
  return std::pow(10.0, logDistance);
}

// The longitude (degrees, not reduced) from its five parts, summed in this order.
double SumOfLongitudeParts(const SunWorkingState& s) {
  const auto& lp = s.longitudeParts;
  return (((lp[1] + lp[0]) + lp[2]) + lp[3]) + lp[4];
}

// Long-period terms (degrees).
void LongPeriodTerm(double T, SunWorkingState& s) {
  s.longitudeParts[4] = (0.202 * SinDeg(315.6 + 893.3 * T) + s.longPeriodSum) / 3600;
}

}  // namespace

double ReduceAngle(double degrees) {
  const double reduced = (degrees / 360 - Int(degrees / 360)) * 360;
  return reduced >= 360 ? 0.0 : reduced;
}

SunPosition ComputeSunPosition(const CalendarTables& tables, double year, double month, double day,
                               SunWorkingState& s) {
  s = SunWorkingState{};
  s.julianDay = JulianDay(year, month, day);
  const double T = JulianCenturies(s.julianDay);
  SunMeanLongitudeTerm(T, s);
  SunMeanAnomalyTerm(T, s);
  EquationOfCenterLongitude(T, s);
  EquationOfCenterDistance(T, s);
  PlanetMeanAnomalies(s.julianDay, s);
  PlanetaryLongitude(tables, s);
  PlanetaryDistance(tables, s);
  const MoonArguments moon = MoonElongationAndAnomaly(T);
  LunarLongitude(T, moon, s);
  LunarDistance(moon, s);
  LongPeriodTerm(T, s);
  return SunPosition{ReduceAngle(SumOfLongitudeParts(s)), DistanceFromParts(s)};
}

double ComputeSunDistance(const CalendarTables& tables, double year, double month, double day) {
  SunWorkingState s;
  s.julianDay = JulianDay(year, month, day);
  const double T = JulianCenturies(s.julianDay);
  SunMeanAnomalyTerm(T, s);
  EquationOfCenterDistance(T, s);
  PlanetMeanAnomalies(s.julianDay, s);
  PlanetaryDistance(tables, s);
  LunarDistance(MoonElongationAndAnomaly(T), s);
  return DistanceFromParts(s);
}

double ComputeSunLongitude(const CalendarTables& tables, double year, double month, double day) {
  SunWorkingState s;
  s.julianDay = JulianDay(year, month, day);
  const double T = JulianCenturies(s.julianDay);
  SunMeanLongitudeTerm(T, s);
  SunMeanAnomalyTerm(T, s);
  EquationOfCenterLongitude(T, s);
  PlanetMeanAnomalies(s.julianDay, s);
  PlanetaryLongitude(tables, s);
  LunarLongitude(T, MoonElongationAndAnomaly(T), s);
  LongPeriodTerm(T, s);
  return ReduceAngle(SumOfLongitudeParts(s));
}

SunPosition ComputeSunPosition(const CalendarTables& tables, double year, double month,
                               double day) {
  SunWorkingState state;
  return ComputeSunPosition(tables, year, month, day, state);
}

double SolarTermLongitude(int month, int kind) {
  double longitude = 15.0 * (2 * month + 17 + kind);
  if (longitude >= 360) longitude -= 360;
  return longitude;
}

}  // namespace mireto
