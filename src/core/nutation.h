// Nutation in longitude from the classical 69-term series.
#pragma once

#include "core/bounded.h"

namespace mireto {

// Nutation in longitude, delta psi.
//   Given:    l      mean anomaly of the Moon, degrees (not reduced)
//             lp     mean anomaly of the Sun, degrees (the unreduced value)
//             F      the Moon's mean argument of latitude, degrees
//             D      mean elongation of the Moon from the Sun, degrees
//             Om     longitude of the Moon's mean ascending node, degrees
//             T      Julian centuries from JD 2415020.0
//   Returned: delta psi, degrees
// Notes:
//   1. Each term is (a + b T) sin(theta x 0.017453292519943) arcseconds with
//      theta = ml l + mlp lp + mF F + mD D + mOm Om; the sine is taken of the
//      full, unreduced argument.
//   2. The terms are summed in table order starting from 0, then divided by 3600.
// Source: the 69-term series of the nutation in longitude (1980-era form whose
//         leading term is -17.2327" sin Om).
//   3. Calc is LibmTrig or BoundedTrig (core/bounded.h): the sines from the C
//      library, or the fast sines with an error bound.
template <class Calc>
typename Calc::Real NutationInLongitude(double l, double lp, double F, double D, double Om, double T);

inline double NutationInLongitude(double l, double lp, double F, double D, double Om, double T) {
  return NutationInLongitude<LibmTrig>(l, lp, F, D, Om, T);
}

}  // namespace mireto
