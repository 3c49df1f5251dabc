// Equation of time from the mean elements of the Sun's apparent orbit.
//
// T is in Julian centuries from JD 2415020.0; angles in degrees. pi is the
// literal 3.14159265358979.
#pragma once

namespace mireto {

// Mean obliquity of the ecliptic, degrees (not reduced):
// 23.452294 - 0.0130125 T - 0.00000164 T^2 + 0.000000503 T^3.
double MeanObliquity(double T);

// The Sun's mean longitude, degrees in [0, 360):
// 279.696678 + 36000.768925 T + 0.0003025 T^2, reduced.
double SunMeanLongitude(double T);

// Longitude of the Sun's perigee, degrees in [0, 360):
// 281.2206 + 1.717697 T + 0.000483333 T^2 + 0.00000277777 T^3, reduced.
double SunPerigeeLongitude(double T);

// Eccentricity of the Earth's orbit: 0.0167498 - 0.00004258 T - 0.000000137 T^2.
double OrbitEccentricity(double T);

// Equation of time (apparent minus mean solar time).
//   Given:    eps  obliquity, degrees
//             L    the Sun's mean longitude, degrees
//             M    the Sun's mean anomaly L - perigee, degrees (not reduced)
//             e    eccentricity
//   Returned: E, radians (x 4 x 180 / pi gives minutes of time)
// Notes:
//   1. With tau = tan(eps/2): E = ((tau^2 sin 2L - 2e sin M) + 4e tau^2 sin M cos 2L)
//      - 1/2 tau^4 sin 4L - 5/4 e^2 sin 2M, summed in that order.
// Source: the classical five-term series (e.g. Smart, Text-Book on Spherical
//         Astronomy, sect. 89).
double EquationOfTime(double eps, double L, double M, double e);

}  // namespace mireto
