// Sine and cosine with a stated error bound, several times faster than the C
// library's: the first half of the solar theory's certified fast path (see
// core/bounded.h for the second).
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace mireto {

// Largest |x| (radians) the fast routines reduce themselves; beyond it they
// return the C library's value. The solar theory's arguments stay below 1e5.
inline constexpr double kFastTrigMaxArgument = 0x1p19;

// Bound on |FastSin(x) - sin x| and |FastCos(x) - cos x| for any double x.
// Notes:
//   1. Reduction: r = x - k pi/2 with pi/2 split into a 33-bit part, so that
//      k C1 is exact for |k| < 2^20 and x - k C1 is exact (Sterbenz), and a
//      53-bit tail: r is off by at most u |r| + 1e-21.
//   2. Taylor polynomials to r^17 (sine) and r^16 (cosine) on |r| <= pi/4:
//      truncation below 2.1e-18.
//   3. Evaluation: the last addition rounds by at most 2^-54 (results below 1),
//      the rounding of r, of r^2 and of the polynomial steps add less than
//      5 x 2^-53 of terms themselves at most 0.31, and r's own rounding passes
//      through with a factor at most 1: about 3e-16 in all. The bound keeps
//      room to spare; tests/core/fast_trig_test.cpp measures the largest error
//      against long double.
inline constexpr double kFastTrigMaxError = 4e-16;

namespace fast_trig_detail {

// pi/2 = kC1 + kC2 + 3.5e-27, kC1 with 33 significant bits.
inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
inline constexpr double kC1 = 0x1.921fb54400000p+0;
inline constexpr double kC2 = 0x1.0b4611a626331p-34;

constexpr double Factorial(int n) { return n <= 1 ? 1.0 : n * Factorial(n - 1); }

// Taylor coefficients; every factorial up to 17! is exact in a double, so
// each is the nearest double to 1/n!.
inline constexpr double kS3 = -1 / Factorial(3), kS5 = 1 / Factorial(5), kS7 = -1 / Factorial(7),
                        kS9 = 1 / Factorial(9), kS11 = -1 / Factorial(11), kS13 = 1 / Factorial(13),
                        kS15 = -1 / Factorial(15), kS17 = 1 / Factorial(17);
inline constexpr double kC2t = -1 / Factorial(2), kC4 = 1 / Factorial(4), kC6 = -1 / Factorial(6),
                        kC8 = 1 / Factorial(8), kC10 = -1 / Factorial(10), kC12 = 1 / Factorial(12),
                        kC14 = -1 / Factorial(14), kC16 = 1 / Factorial(16);

// The steps below are written for a double or for a GCC vector of doubles
// (core/fast_trig.cpp), which computes them lane by lane alike. They are
// always inlined, so a vector never crosses a call and GCC's note that an
// AVX vector would be passed differently without AVX does not apply.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

// x 2/pi + 1.5 x 2^52: adding the shift rounds to the nearest integer k, and
// the low bits of the sum hold k (mod 4) for |k| < 2^51.
inline constexpr double kRoundingShift = 0x1.8p52;
template <class T>
[[gnu::always_inline]] inline T ShiftedQuarterTurns(T x) {
  return x * kTwoOverPi + kRoundingShift;
}

// x - k pi/2 for the k of ShiftedQuarterTurns (x - k C1 is exact).
template <class T>
[[gnu::always_inline]] inline T ReducedArgument(T x, T k) {
  return (x - k * kC1) - k * kC2;
}

// sin r and cos r for |r| <= pi/4 (plus rounding), by Estrin's scheme: the
// polynomial's steps run side by side instead of one after another.
template <class T>
[[gnu::always_inline]] inline void SinCosOfReduced(T r, T& s, T& c) {
  const T z = r * r;
  const T z2 = z * z;
  const T z4 = z2 * z2;
  const T sp = ((kS3 + kS5 * z) + (kS7 + kS9 * z) * z2) + ((kS11 + kS13 * z) + (kS15 + kS17 * z) * z2) * z4;
  const T cp = ((kC2t + kC4 * z) + (kC6 + kC8 * z) * z2) + ((kC10 + kC12 * z) + (kC14 + kC16 * z) * z2) * z4;
  s = r + (r * z) * sp;
  c = 1 + z * cp;
}
#pragma GCC diagnostic pop

// sin(x + q pi/2) from x, without a branch: the quadrant is as good as random
// from one term to the next, and a mispredicted branch costs more than the
// arithmetic. Multiplying by exactly 0 or 1 and adding 0 changes no bit.
inline double SinShifted(double x, std::int64_t q) {
  const double k = ShiftedQuarterTurns(x) - kRoundingShift;
  double s, c;
  SinCosOfReduced(ReducedArgument(x, k), s, c);
  const auto quadrant = (static_cast<std::int64_t>(k) + q) & 3;
  const auto odd = static_cast<double>(quadrant & 1);         // 1: the cosine
  const double sign = 1 - static_cast<double>(quadrant & 2);  // -1 in quadrants 2, 3
  return sign * (s * (1 - odd) + c * odd);
}

}  // namespace fast_trig_detail

inline double FastSin(double x) {
  if (!(std::fabs(x) <= kFastTrigMaxArgument)) return std::sin(x);
  return fast_trig_detail::SinShifted(x, 0);
}

inline double FastCos(double x) {
  if (!(std::fabs(x) <= kFastTrigMaxArgument)) return std::cos(x);
  return fast_trig_detail::SinShifted(x, 1);
}

namespace fast_trig_detail {

// sin(x[i] + q pi/2) for i < n into out, four at a time (core/fast_trig.cpp).
void SinShiftedEach(const double* x, double* out, std::size_t n, std::int64_t q);

}  // namespace fast_trig_detail

// FastSin / FastCos of every element, the same arithmetic as one by one.
template <std::size_t N>
void FastSinEach(const std::array<double, N>& radians, std::array<double, N>& out) {
  fast_trig_detail::SinShiftedEach(radians.data(), out.data(), N, 0);
}

template <std::size_t N>
void FastCosEach(const std::array<double, N>& radians, std::array<double, N>& out) {
  fast_trig_detail::SinShiftedEach(radians.data(), out.data(), N, 1);
}

}  // namespace mireto
