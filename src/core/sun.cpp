#include "core/sun.h"

#include <cmath>
#include <optional>

#include "core/bounded.h"
#include "core/calendar.h"
#include "core/constants.h"
#include "core/numeric.h"
#include "core/nutation.h"

namespace mireto {

namespace {

// Every term below is written once, for both ways of evaluating it (see
// core/bounded.h): Calc is LibmTrig (the reference, std::sin and std::cos) or
// BoundedTrig (the fast sine and cosine with an error bound).
template <class Calc>
using RealOf = typename Calc::Real;

template <class Calc>
RealOf<Calc> SinDeg(double degrees) {
  return Calc::Sin(degrees * kDegreesToRadians);
}
template <class Calc>
RealOf<Calc> CosDeg(double degrees) {
  return Calc::Cos(degrees * kDegreesToRadians);
}

// The mean anomaly with the long-period terms, ReduceAngle(raw + sum / 3600):
// non-decreasing in the sum (within one turn).
double ShiftedMeanAnomaly(double raw, double longPeriodSum) { return ReduceAngle(raw + longPeriodSum / 3600); }

// The longitude (degrees, reduced) from its five parts, summed in this order:
// non-decreasing in every part (within one turn).
double ReducedLongitude(double p1, double p0, double p2, double p3, double p4) {
  return ReduceAngle((((p1 + p0) + p2) + p3) + p4);
}

// log10 of the distance from its three parts: non-decreasing in every part.
double LogDistanceFromParts(double p1, double p2, double p3) {
  return (p3 + p1) * std::pow(10.0, -8) + p2 * std::pow(10.0, -9);
}

// Mean longitude of the Sun (degrees, reduced). T in Julian centuries.
template <class Real>
void SunMeanLongitudeTerm(double T, SunTerms<Real>& s) {
  s.longitudeParts[0] = ReduceAngle(279.696677778 + 36000.768925 * T + Scaled(-4, 3.025) * std::pow(T, 2));
}

// Mean anomaly of the Sun, without (raw) and with the long-period terms (g).
// False when g is not certain (the bounded evaluation only).
template <class Calc>
bool SunMeanAnomalyTerm(double T, SunTerms<RealOf<Calc>>& s) {
  s.sunMeanAnomalyRaw = 358.475833333 + 35999.04975 * T - 0.00015 * std::pow(T, 2) - 0.0000033333 * std::pow(T, 3);
  s.longPeriodSum = (1.882 - 0.016 * T) * SinDeg<Calc>(57.24 + 150.27 * T) + 6.4 * SinDeg<Calc>(231.19 + 20.2 * T) +
                    0.266 * SinDeg<Calc>(31.8 + 119.0 * T);
  const std::optional<double> g = Calc::Settle(ShiftedMeanAnomaly, s.sunMeanAnomalyRaw, s.longPeriodSum);
  if (!g) return false;
  s.meanAnomaly[3] = *g;
  return true;
}

// Equation of the centre (degrees).
template <class Calc, class Real>
void EquationOfCenterLongitude(double T, SunTerms<Real>& s) {
  const double g = s.meanAnomaly[3];
  s.longitudeParts[1] =
      ((6910.057 - 17.24 * T - 0.052 * std::pow(T, 2)) * SinDeg<Calc>(g) + (72.338 - 0.361 * T) * SinDeg<Calc>(2 * g) +
       (1.054 - 0.001 * T) * SinDeg<Calc>(3 * g) + 0.018 * SinDeg<Calc>(4 * g)) /
      3600;
}

// The elliptic part of log10 distance (1e-8).
template <class Calc, class Real>
void EquationOfCenterDistance(double T, SunTerms<Real>& s) {
  const double g = s.meanAnomaly[3];
  s.logDistanceParts[1] = 3057 - 15 * T + (-727412 + 1814 * T + 5 * std::pow(T, 2)) * CosDeg<Calc>(g) +
                          (-9138 + 46 * T) * CosDeg<Calc>(2 * g) + (-145 + T) * CosDeg<Calc>(3 * g) -
                          2 * CosDeg<Calc>(4 * g);
}

// Mean anomalies of Mercury, Venus, Mars, Jupiter and Saturn (degrees, not reduced).
template <class Real>
void PlanetMeanAnomalies(double jd, SunTerms<Real>& s) {
  const double t = (jd - 2396758.0) / 365.25;  // Julian years
  s.meanAnomaly[1] = 248.07 + 1494.7253 * t;   // Mercury
  s.meanAnomaly[2] = 114.5 + 585.17493 * t;    // Venus
  s.meanAnomaly[4] = 109.856 + 191.39977 * t;  // Mars
  s.meanAnomaly[5] = 148.031 + 30.34583 * t;   // Jupiter
  s.meanAnomaly[6] = 284.716 + 12.21794 * t;   // Saturn
}

// The phases (radians) of the planetary terms, from each term's phase in
// longitude or in distance.
template <double PlanetTerm::*Phase, class Real>
std::array<double, kPlanetTermCount> PlanetaryPhases(const CalendarTables& tables, const SunTerms<Real>& s) {
  const double g = s.meanAnomaly[3];
  std::array<double, kPlanetTermCount> radians;
  for (std::size_t i = 0; i < kPlanetTermCount; ++i) {
    const PlanetTerm& term = tables.planetTerms[i];
    const double a = s.meanAnomaly.at(static_cast<std::size_t>(term.body));
    radians[i] = (term.*Phase - term.bodyMultiplier * a - term.earthMultiplier * g) * kDegreesToRadians;
  }
  return radians;
}

// Planetary perturbations in longitude (degrees).
template <class Calc>
void PlanetaryLongitude(const CalendarTables& tables, SunTerms<RealOf<Calc>>& s) {
  const auto cosines = Calc::CosEach(PlanetaryPhases<&PlanetTerm::lonPhase>(tables, s));
  RealOf<Calc> sl = 0;  // arcseconds
  for (std::size_t i = 0; i < kPlanetTermCount; ++i) {
    sl = sl + tables.planetTerms[i].lonAmplitude * cosines[i];
  }
  s.longitudeParts[2] = sl / 3600;
}

// Planetary perturbations in log10 distance (1e-9).
template <class Calc>
void PlanetaryDistance(const CalendarTables& tables, SunTerms<RealOf<Calc>>& s) {
  const auto cosines = Calc::CosEach(PlanetaryPhases<&PlanetTerm::radPhase>(tables, s));
  RealOf<Calc> sr = 0;
  for (std::size_t i = 0; i < kPlanetTermCount; ++i) {
    sr = sr + tables.planetTerms[i].radAmplitude * cosines[i];
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
  return {350.737486 + 12.19074919142 * d - 0.00143611 * std::pow(T, 2) + 0.00000189 * std::pow(T, 3),
          296.104608 + 13.0649924465 * d + 0.00919167 * std::pow(T, 2) + 0.00001439 * std::pow(T, 3)};
}

// Lunar perturbations plus nutation (degrees).
template <class Calc>
void LunarLongitude(double T, const MoonArguments& moon, SunTerms<RealOf<Calc>>& s) {
  const double d = T * 36525;  // days
  const double g = s.meanAnomaly[3];
  const double D = moon.D;
  const double l = moon.l;
  // Longitude of the Moon's node and argument of latitude, degrees, not reduced.
  const double om =
      259.183275 - 0.0529539222 * d + Scaled(-12, 1.557) * std::pow(d, 2) + Scaled(-20, 4.6) * std::pow(d, 3);
  const double F =
      11.250889 + 13.229350449 * d - Scaled(-12, 2.407) * std::pow(d, 2) - Scaled(-20, 0.7) * std::pow(d, 3);
  const RealOf<Calc> lunar = 6.454 * SinDeg<Calc>(D) + 0.013 * SinDeg<Calc>(3 * D) + 0.177 * SinDeg<Calc>(D + l) -
                             0.424 * SinDeg<Calc>(D - l) + 0.039 * SinDeg<Calc>(3 * D - l) -
                             0.064 * SinDeg<Calc>(D + g) + 0.172 * SinDeg<Calc>(D - g);  // arcseconds
  s.nutation = NutationInLongitude<Calc>(l, s.sunMeanAnomalyRaw, F, D, om, T);
  s.longitudeParts[3] = s.nutation + lunar / 3600;
}

// The lunar part of log10 distance (1e-8).
template <class Calc>
void LunarDistance(const MoonArguments& moon, SunTerms<RealOf<Calc>>& s) {
  const double g = s.meanAnomaly[3];
  const double D = moon.D;
  const double l = moon.l;
  s.logDistanceParts[3] = 3 * CosDeg<Calc>(3 * D) + 1336 * CosDeg<Calc>(D) + 37 * CosDeg<Calc>(D + l) -
                          133 * CosDeg<Calc>(D - l) + 8 * CosDeg<Calc>(3 * D - l) - 14 * CosDeg<Calc>(D + g) +
                          36 * CosDeg<Calc>(D - g);
}

// Long-period terms (degrees).
template <class Calc>
void LongPeriodTerm(double T, SunTerms<RealOf<Calc>>& s) {
  s.longitudeParts[4] = (0.202 * SinDeg<Calc>(315.6 + 893.3 * T) + s.longPeriodSum) / 3600;
}

// The longitude's five parts; false when g is not certain.
template <class Calc>
bool LongitudeParts(const CalendarTables& tables, double year, double month, double day, SunTerms<RealOf<Calc>>& s) {
  s.julianDay = JulianDay(year, month, day);
  const double T = JulianCenturies(s.julianDay);
  SunMeanLongitudeTerm(T, s);
  if (!SunMeanAnomalyTerm<Calc>(T, s)) return false;
  EquationOfCenterLongitude<typename Calc::LargeTerms>(T, s);
  PlanetMeanAnomalies(s.julianDay, s);
  PlanetaryLongitude<Calc>(tables, s);
  LunarLongitude<Calc>(T, MoonElongationAndAnomaly(T), s);
  LongPeriodTerm<Calc>(T, s);
  return true;
}

// The distance's three parts; false when g is not certain.
template <class Calc>
bool DistanceParts(const CalendarTables& tables, double year, double month, double day, SunTerms<RealOf<Calc>>& s) {
  s.julianDay = JulianDay(year, month, day);
  const double T = JulianCenturies(s.julianDay);
  if (!SunMeanAnomalyTerm<Calc>(T, s)) return false;
  EquationOfCenterDistance<typename Calc::LargeTerms>(T, s);
  PlanetMeanAnomalies(s.julianDay, s);
  PlanetaryDistance<Calc>(tables, s);
  LunarDistance<Calc>(MoonElongationAndAnomaly(T), s);
  return true;
}

double LongitudeFromParts(const SunWorkingState& s) {
  const auto& lp = s.longitudeParts;
  return ReducedLongitude(lp[1], lp[0], lp[2], lp[3], lp[4]);
}

double DistanceFromParts(const SunWorkingState& s) {
  const auto& rp = s.logDistanceParts;
  return std::pow(10.0, LogDistanceFromParts(rp[1], rp[2], rp[3]));
}

}  // namespace

double ReduceAngle(double degrees) {
  const double reduced = (degrees / 360 - Int(degrees / 360)) * 360;
  return reduced >= 360 ? 0.0 : reduced;
}

SunPosition ComputeSunPosition(const CalendarTables& tables, double year, double month, double day,
                               SunWorkingState& s) {
  s = SunWorkingState{};
  LongitudeParts<LibmTrig>(tables, year, month, day, s);
  // The distance's terms (as DistanceParts) on the mean anomalies already computed.
  const double T = JulianCenturies(s.julianDay);
  EquationOfCenterDistance<LibmTrig>(T, s);
  PlanetaryDistance<LibmTrig>(tables, s);
  LunarDistance<LibmTrig>(MoonElongationAndAnomaly(T), s);
  return SunPosition{LongitudeFromParts(s), DistanceFromParts(s)};
}

SunPosition ComputeSunPosition(const CalendarTables& tables, double year, double month, double day) {
  SunWorkingState state;
  return ComputeSunPosition(tables, year, month, day, state);
}

double ComputeSunDistance(const CalendarTables& tables, double year, double month, double day) {
  SunWorkingState s;
  DistanceParts<LibmTrig>(tables, year, month, day, s);
  return DistanceFromParts(s);
}

std::optional<DistanceBounds> BoundSunDistance(const CalendarTables& tables, double year, double month, double day) {
  SunTerms<Bounded> s;
  if (!DistanceParts<BoundedTrig>(tables, year, month, day, s)) return std::nullopt;
  const auto& rp = s.logDistanceParts;
  const double lowLog = LogDistanceFromParts(Lower(rp[1]), Lower(rp[2]), Lower(rp[3]));
  const double highLog = LogDistanceFromParts(Upper(rp[1]), Upper(rp[2]), Upper(rp[3]));
  // pow(10, x) within 1 ulp (glibc's documented bound) but not proven monotone:
  // two ulps outward on each side.
  const double low = NextDown(NextDown(std::pow(10.0, lowLog)));
  const double high = NextUp(NextUp(std::pow(10.0, highLog)));
  return DistanceBounds{low, high};
}

double ComputeSunLongitude(const CalendarTables& tables, double year, double month, double day) {
  if (const std::optional<double> fast = CertainSunLongitude(tables, year, month, day)) return *fast;
  SunWorkingState s;
  LongitudeParts<LibmTrig>(tables, year, month, day, s);
  return LongitudeFromParts(s);
}

std::optional<double> CertainSunLongitude(const CalendarTables& tables, double year, double month, double day) {
  SunTerms<Bounded> s;
  if (!LongitudeParts<BoundedTrig>(tables, year, month, day, s)) return std::nullopt;
  const auto& lp = s.longitudeParts;
  return BoundedTrig::Settle(ReducedLongitude, lp[1], lp[0], lp[2], lp[3], lp[4]);
}

double SolarTermLongitude(int month, int kind) {
  double longitude = 15.0 * (2 * month + 17 + kind);
  if (longitude >= 360) longitude -= 360;
  return longitude;
}

}  // namespace mireto
