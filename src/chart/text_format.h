// Number-to-text conversions of the chart display.
#pragma once

#include <string>

namespace mireto {

// General decimal form of a double as a classic BASIC writes it: rounded to 15
// significant digits, no trailing zeros, no exponent from 1e-4 up to 1e15,
// otherwise "1.5E-05" / "1E+15" style. 359.99999999999997 gives "360".
std::string FormatGeneral(double value);

// One decimal, rounded half away from zero on the exact decimal value of the
// double, at least one integer digit: the "#0.0" and "0.0" patterns.
// 0.05 (just above 0.05) gives "0.1", 0.25 gives "0.3", -0.04 gives "-0.0".
std::string FormatOneDecimal(double value);

// A whole number as plain decimal text.
std::string FormatInteger(long long value);

}  // namespace mireto
