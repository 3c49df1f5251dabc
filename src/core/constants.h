// The constants shared by the calculation, each defined once, with where it
// comes from. The literals are kept exactly as the classical routines write
// them: the 15-digit longitude shown depends on their last bits.
#pragma once

#include <cmath>

namespace mireto {

// π as the equation of time is written with it: 3.14159265358979, the
// 15-significant-digit value (the double nearest π differs in the last bits).
inline constexpr double kPi = 3.14159265358979;

// Degrees to radians as the solar theory and the nutation series write it:
// π / 180 to 14 decimals, 0.017453292519943 (Newcomb's tables in their
// classical programmed form).
inline constexpr double kDegreesToRadians = 0.017453292519943;

// Japan Standard Time is Universal Time + 9 h (the Standard Time Ordinance of
// 1886, meridian 135° E): 9/24 = 0.375 days.
inline constexpr double kJstToUtDays = 0.375;

// The birth years the program supports, 1800 to 2080: the span of the year
// dialog's three centuries and of the checked solar theory (the ephemeris
// comparison and the full sweep cover exactly these years).
inline constexpr int kFirstSupportedYear = 1800;
inline constexpr int kLastSupportedYear = 2080;

// A coefficient written as a power of ten times a mantissa, formed the same way
// the published tables write it (the product rounds differently from the
// decimal literal in the last bit): Scaled(-4, 3.025) = 10^-4 x 3.025.
inline double Scaled(int power, double mantissa) { return std::pow(10.0, power) * mantissa; }

}  // namespace mireto
