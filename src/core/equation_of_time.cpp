#include "core/equation_of_time.h"

#include <cmath>

#include "core/constants.h"
#include "core/sun.h"

namespace mireto {

double MeanObliquity(double T) {
  return 23.452294 - 0.0130125 * T - 0.00000164 * std::pow(T, 2) + 0.000000503 * std::pow(T, 3);
}

double SunMeanLongitude(double T) {
  return ReduceAngle(279.696678 + 36000.768925 * T + Scaled(-4, 3.025) * std::pow(T, 2));
}

double SunPerigeeLongitude(double T) {
  return ReduceAngle(281.2206 + 1.717697 * T + Scaled(-4, 4.83333) * std::pow(T, 2) +
                     Scaled(-6, 2.77777) * std::pow(T, 3));
}

double OrbitEccentricity(double T) { return 0.0167498 - Scaled(-5, 4.258) * T - Scaled(-7, 1.37) * std::pow(T, 2); }

double EquationOfTime(double eps, double L, double M, double e) {
  const double tau = std::tan(eps * kPi / 360);          // tangent of half the obliquity
  const double e1 = tau * tau * std::sin(L * kPi / 90);  // tau^2 sin 2L
  const double e2 = 2 * e * std::sin(M * kPi / 180);     // 2e sin M
  const double e3 = 4 * e * tau * tau * std::sin(M * kPi / 180) * std::cos(L * kPi / 90);  // 4e tau^2 sin M cos 2L
  const double e4 = -0.5 * tau * tau * tau * tau * std::sin(L * kPi / 45);                 // -1/2 tau^4 sin 4L
  const double e5 = (-5.0 / 4) * e * e * std::sin(M * kPi / 90);                           // -5/4 e^2 sin 2M
  return ((e1 - e2) + e3) + e4 + e5;
}

}  // namespace mireto
