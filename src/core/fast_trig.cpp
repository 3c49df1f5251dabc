#include "core/fast_trig.h"

#include <cstring>

// The inlined steps of fast_trig.h take vectors by value; see the note there.
#pragma GCC diagnostic ignored "-Wpsabi"

// Choosing a variant when the program loads needs the ELF loader's indirect
// functions; where there are none (Windows) only the baseline is built. Clang
// (the fuzzing build) refuses vector arguments inside a clone before it
// inlines them, so it too builds the baseline only. Both variants give the
// same bits.
#if defined(__ELF__) && !defined(__clang__)
#define MIRETO_CLONES_FOR_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define MIRETO_CLONES_FOR_AVX2
#endif

namespace mireto::fast_trig_detail {

namespace {

// Four doubles (one AVX register, or two SSE2 registers) and their bits.
using Doubles = double __attribute__((vector_size(32)));
using Bits = std::int64_t __attribute__((vector_size(32)));
constexpr std::size_t kLanes = 4;

}  // namespace

// SinShifted on four elements at a time, without a branch; the quadrant is
// read from the integer bits of the rounded k. Built twice, for AVX2 and for
// the baseline, and chosen when the program loads. Elements outside the fast
// range are then recomputed one by one as FastSin/FastCos would.
MIRETO_CLONES_FOR_AVX2
void SinShiftedEach(const double* x, double* out, std::size_t n, std::int64_t q) {
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Doubles v;
    std::memcpy(&v, x + i, sizeof v);
    const Doubles shifted = ShiftedQuarterTurns(v);
    const Bits quadrant = (__builtin_bit_cast(Bits, shifted) + q) & 3;
    Doubles s, c;
    SinCosOfReduced(ReducedArgument(v, shifted - kRoundingShift), s, c);
    const Bits takeCosine = -(quadrant & 1);    // all ones in quadrants 1, 3
    const Bits signBit = (quadrant & 2) << 62;  // set in quadrants 2, 3
    const Bits picked = (__builtin_bit_cast(Bits, s) & ~takeCosine) | (__builtin_bit_cast(Bits, c) & takeCosine);
    const Doubles result = __builtin_bit_cast(Doubles, picked ^ signBit);
    std::memcpy(out + i, &result, sizeof result);
  }
  for (; i < n; ++i) out[i] = SinShifted(x[i], q);
  for (std::size_t j = 0; j < n; ++j) {
    if (!(std::fabs(x[j]) <= kFastTrigMaxArgument)) out[j] = q == 0 ? std::sin(x[j]) : std::cos(x[j]);
  }
}

}  // namespace mireto::fast_trig_detail
