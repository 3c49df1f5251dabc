// ΔT = TT − UT: how far Terrestrial Time (the uniform time of the solar
// theory's tables) runs ahead of Universal Time (the Earth's rotation, on
// which civil clocks and Japan Standard Time are based).
#pragma once

namespace mireto {

// ΔT in seconds.
//   Given:    decimalYear  year with its fraction (1990.5 = the middle of 1990)
//   Returned: ΔT (seconds)
// Notes:
//   1. Piecewise polynomials fitted to the observed values of 1800-2005 and
//      extrapolated after 2005; within about a second of observation before
//      2005 and of the order of a minute of uncertainty by 2080.
//   2. Defined for 1800-2150, the span the program uses with some room;
//      outside it the nearest polynomial is extended.
// Source: F. Espenak and J. Meeus, Five Millennium Canon of Solar Eclipses
//         (NASA/TP-2006-214141), section 2.6, "Polynomial expressions for ΔT".
double DeltaTSeconds(double y);

}  // namespace mireto
