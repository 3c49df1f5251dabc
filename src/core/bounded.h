// The second half of the solar theory's certified fast path: a value computed
// with the fast sine and cosine, together with a bound on how far the same
// expression computed with the C library's sine and cosine lies from it.
//
// The solar terms are sums of products of fixed coefficients with sines and
// cosines. Evaluated once with FastSin/FastCos and once with std::sin/cos, the
// two evaluations see the same arguments and coefficients; they differ only
// through the trigonometric values and through the roundings those
// differences cause. Bounded carries that difference forward. At the end a
// monotone step (a sum, a reduction to [0, 360), a subtraction) is evaluated at
// both ends of each interval: when both ends give the same double, that double
// is what the C library path gives, bit for bit; otherwise the caller computes
// that path. This is Ziv's rounding test applied to a whole formula.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/fast_trig.h"

namespace mireto {

// Unit roundoff of a double: |fl(a) - a| <= u |a|.
inline constexpr double kUnitRoundoff = 0x1p-53;

// Bound on the C library's sine and cosine error, absolute: glibc documents at
// most 1 ulp for both on x86-64 (its manual's table of known maximum errors),
// and an ulp of a value of magnitude below 1 is at most 2^-53. Taken as 2^-52.
inline constexpr double kLibmTrigMaxError = 0x1p-52;

struct Bounded {
  double value = 0;
  double error = 0;  // |value along the C library path - value| <= error

  constexpr Bounded() = default;
  // A value computed without trigonometry is the same along both paths.
  constexpr Bounded(double exact) : value(exact) {}  // NOLINT(google-explicit-constructor)
  constexpr Bounded(double v, double e) : value(v), error(e) {}
};

namespace bounded_detail {

// The result of one rounded operation whose exact operands differ between the
// paths by at most `spread`: both paths round, each by at most u |result|.
// (The u x spread of the second order is left to kErrorSlack.) Equal operands
// round alike, so a zero spread stays zero. `carried` is the spread of the
// left operand, kept out of the other additions so that a running sum's bound
// waits on one addition per term.
inline Bounded Rounded(double value, double carried, double added) {
  const double rounding = carried + added > 0 ? 2 * kUnitRoundoff * std::fabs(value) : 0.0;
  return Bounded{value, carried + (added + rounding)};
}

}  // namespace bounded_detail

inline Bounded operator+(const Bounded& a, const Bounded& b) {
  return bounded_detail::Rounded(a.value + b.value, a.error, b.error);
}
inline Bounded operator-(const Bounded& a, const Bounded& b) {
  return bounded_detail::Rounded(a.value - b.value, a.error, b.error);
}
inline Bounded operator-(const Bounded& a) { return Bounded{-a.value, a.error}; }
inline Bounded operator*(double c, const Bounded& b) {
  return bounded_detail::Rounded(c * b.value, 0, std::fabs(c) * b.error);
}
inline Bounded operator/(const Bounded& a, double c) {
  return bounded_detail::Rounded(a.value / c, 0, a.error / std::fabs(c));
}

// The error arithmetic itself rounds to nearest, by a relative 2^-53 a step,
// and leaves out terms of order u x error; over a few hundred steps both stay
// far below this slack.
inline constexpr double kErrorSlack = 1 + 0x1p-30;

// The next double above x: std::nextafter(x, +infinity) without its checks,
// by one step of the bit pattern (which orders finite doubles of one sign).
inline double NextUp(double x) {
  if (!std::isfinite(x)) return std::nextafter(x, std::numeric_limits<double>::infinity());
  if (x == 0) return std::numeric_limits<double>::denorm_min();
  const auto bits = std::bit_cast<std::uint64_t>(x);
  return std::bit_cast<double>(x > 0 ? bits + 1 : bits - 1);
}
// The next double below x: std::nextafter(x, -infinity).
inline double NextDown(double x) { return -NextUp(-x); }

// The ends of the interval that holds the C library path's value.
inline double Lower(double x) { return x; }
inline double Upper(double x) { return x; }
inline double Lower(const Bounded& x) {
  if (x.error == 0) return x.value;
  return NextDown(x.value - x.error * kErrorSlack);
}
inline double Upper(const Bounded& x) {
  if (x.error == 0) return x.value;
  return NextUp(x.value + x.error * kErrorSlack);
}

// f(args...) along the C library path when that is certain. f must be
// non-decreasing in every argument; it is evaluated at the lower and at the
// upper ends, and when the two agree every argument in between gives the same.
template <class F, class... Args>
std::optional<double> SettleMonotone(F f, const Args&... args) {
  const double low = f(Lower(args)...);
  const double high = f(Upper(args)...);
  if (low != high) return std::nullopt;
  return low;
}

// The two ways of evaluating the solar terms. Settle(f, args...) is
// f(args...) when the result is certain, nullopt otherwise. LargeTerms is how
// the equation of the centre is evaluated: its coefficients (6910", 727412e-8)
// are so large that the last-bit roundings they allow in a bounded evaluation
// would leave the longitude in doubt one time in three, so its four sines or
// cosines come from the C library on both paths.
struct LibmTrig {
  using Real = double;
  using LargeTerms = LibmTrig;
  static double Sin(double radians) { return std::sin(radians); }
  static double Cos(double radians) { return std::cos(radians); }
  template <std::size_t N>
  static std::array<double, N> SinEach(const std::array<double, N>& radians) {
    std::array<double, N> out;
    for (std::size_t i = 0; i < N; ++i) out[i] = std::sin(radians[i]);
    return out;
  }
  template <std::size_t N>
  static std::array<double, N> CosEach(const std::array<double, N>& radians) {
    std::array<double, N> out;
    for (std::size_t i = 0; i < N; ++i) out[i] = std::cos(radians[i]);
    return out;
  }
  template <class F, class... Args>
  static std::optional<double> Settle(F f, const Args&... args) {
    return f(args...);
  }
};

struct BoundedTrig {
  using Real = Bounded;
  using LargeTerms = LibmTrig;
  static Bounded Sin(double radians) { return Bounded{FastSin(radians), kFastTrigMaxError + kLibmTrigMaxError}; }
  static Bounded Cos(double radians) { return Bounded{FastCos(radians), kFastTrigMaxError + kLibmTrigMaxError}; }
  // Fast values read as Bounded, each with the bound of a single sine or cosine.
  template <std::size_t N>
  struct Values {
    std::array<double, N> values;
    Bounded operator[](std::size_t i) const { return Bounded{values[i], kFastTrigMaxError + kLibmTrigMaxError}; }
  };
  template <std::size_t N>
  static Values<N> SinEach(const std::array<double, N>& radians) {
    Values<N> out;
    FastSinEach(radians, out.values);
    return out;
  }
  template <std::size_t N>
  static Values<N> CosEach(const std::array<double, N>& radians) {
    Values<N> out;
    FastCosEach(radians, out.values);
    return out;
  }
  template <class F, class... Args>
  static std::optional<double> Settle(F f, const Args&... args) {
    return SettleMonotone(f, args...);
  }
};

}  // namespace mireto
