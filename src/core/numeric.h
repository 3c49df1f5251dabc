// Numeric conventions of the calculation.
//
// The chart arithmetic depends on exactly how reals are turned into integers:
//   Int(x)        floor, the largest integer not greater than x;
//   Fix(x)        truncation toward zero;
//   ToInt16(x)    nearest integer with ties to even, as a 16-bit signed integer;
//   Mod(a, b)     both operands first brought to the nearest integer (ties to
//                 even), remainder with the sign of the dividend;
//   LeadingNumber the leading decimal number of a text, 0 when there is none.
// A conversion whose value does not fit its integer type gives std::nullopt
// instead of undefined behaviour; callers decide how to report it.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace mireto {

// Floor, as a real.
inline double Int(double x) { return std::floor(x); }

// Truncation toward zero, as a real.
inline double Fix(double x) { return std::trunc(x); }

// Nearest integer, ties to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2), as a real.
// Independent of the floating-point rounding mode.
inline double RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double diff = x - lower;  // exact for every finite double
  if (diff < 0.5) return lower;
  if (diff > 0.5) return lower + 1.0;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Conversion to a 16-bit signed integer, ties to even; nullopt when the rounded
// value lies outside -32768..32767 or x is not a number.
inline std::optional<std::int16_t> ToInt16(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double r = RoundHalfEven(x);
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

// Conversion to a 32-bit signed integer, ties to even; nullopt when out of range.
inline std::optional<std::int32_t> ToInt32(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double r = RoundHalfEven(x);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

// a Mod b: both operands rounded half to even to 32-bit integers, remainder
// with the sign of the dividend (-7 Mod 3 = -1). nullopt when an operand does
// not fit 32 bits or the divisor rounds to 0.
inline std::optional<std::int32_t> Mod(double a, double b) {
  const auto ia = ToInt32(a);
  const auto ib = ToInt32(b);
  if (!ia || !ib || *ib == 0) return std::nullopt;
  if (*ib == -1) return 0;  // avoids INT32_MIN % -1
  return *ia % *ib;
}

// Position in a cycle of length n (1..n) from a remainder in 0..n-1:
// a zero remainder stands for the top of the cycle, n.
constexpr int CyclePosition(int remainder, int n) { return remainder == 0 ? n : remainder; }

// Single precision, for the quantities that are kept as 4-byte reals.
inline float ToSingle(double x) { return static_cast<float>(x); }

// The leading decimal number of a text, as a BASIC Val reads it: blanks
// (space, tab, line ends) before it are skipped, then an optional sign, digits,
// an optional decimal point with digits and an optional exponent (E or e, with
// optional sign and digits). Reading stops at the first character that does
// not fit; a text without a number gives 0.
//   "-5abc" -> -5,  "abc" -> 0,  " 12" -> 12,  "" -> 0,  "1.5e2x" -> 150.
// A number too large for a double gives +/-infinity.
double LeadingNumber(std::string_view text);

}  // namespace mireto
