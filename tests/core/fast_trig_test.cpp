// The fast sine and cosine stay within their stated bound, the C library's
// within the bound the certified path assumes of it (both measured against
// long double), and Bounded's error covers what the C library path computes.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "core/bounded.h"
#include "core/fast_trig.h"

namespace mireto {
namespace {

double Uniform(std::mt19937_64& random, double low, double high) {
  return low + static_cast<double>(random() >> 11) * 0x1.0p-53 * (high - low);
}

struct ArgumentRange {
  const char* name;
  double low;
  double high;
  double nearQuarterTurns;  // > 0: x = k pi/2 + tiny, k up to this many
};

class TrigErrors : public ::testing::TestWithParam<ArgumentRange> {};

TEST_P(TrigErrors, StayWithinTheirBounds) {
  const ArgumentRange& range = GetParam();
  std::mt19937_64 random(7);
  double fastWorst = 0;
  double libmWorst = 0;
  for (int i = 0; i < 300000; ++i) {
    double x = Uniform(random, range.low, range.high);
    if (range.nearQuarterTurns > 0) {
      x = std::floor(Uniform(random, 0, range.nearQuarterTurns)) * 1.5707963267948966 + Uniform(random, -1e-7, 1e-7);
    }
    const long double sinRef = sinl(static_cast<long double>(x));
    const long double cosRef = cosl(static_cast<long double>(x));
    fastWorst = std::max(
        {fastWorst, static_cast<double>(fabsl(FastSin(x) - sinRef)), static_cast<double>(fabsl(FastCos(x) - cosRef))});
    libmWorst = std::max({libmWorst, static_cast<double>(fabsl(std::sin(x) - sinRef)),
                          static_cast<double>(fabsl(std::cos(x) - cosRef))});
  }
  EXPECT_LE(fastWorst, kFastTrigMaxError) << range.name;
  EXPECT_LE(libmWorst, kLibmTrigMaxError) << range.name;
  RecordProperty("fastWorst", std::to_string(fastWorst));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, TrigErrors,
    ::testing::Values(ArgumentRange{"Small", -7, 7, 0}, ArgumentRange{"SolarTheory", -1e5, 1e5, 0},
                      ArgumentRange{"UpToTheLimit", -kFastTrigMaxArgument, kFastTrigMaxArgument, 0},
                      ArgumentRange{"NearQuarterTurns", 0, 0, 300000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FastTrig, HandsOverOutsideItsRangeAndOnNonFiniteInput) {
  const double far = 3 * kFastTrigMaxArgument;
  EXPECT_EQ(FastSin(far), std::sin(far));
  EXPECT_EQ(FastCos(-far), std::cos(-far));
  EXPECT_TRUE(std::isnan(FastSin(NAN)));
  EXPECT_TRUE(std::isnan(FastCos(INFINITY)));
  EXPECT_EQ(FastSin(0.0), 0.0);
  EXPECT_EQ(FastCos(0.0), 1.0);
}

// The two-lane versions give what the one-by-one versions give, including an
// odd last element and elements outside the fast range.
TEST(FastTrig, EachAgreesWithOneByOne) {
  std::mt19937_64 random(3);
  std::array<double, 121> radians;
  for (double& x : radians) x = Uniform(random, -1e5, 1e5);
  radians[5] = 4 * kFastTrigMaxArgument;
  radians[6] = NAN;
  radians[120] = -3 * kFastTrigMaxArgument;
  std::array<double, 121> sines, cosines;
  FastSinEach(radians, sines);
  FastCosEach(radians, cosines);
  for (std::size_t i = 0; i < radians.size(); ++i) {
    if (i == 6) {
      EXPECT_TRUE(std::isnan(sines[i]) && std::isnan(cosines[i]));
      continue;
    }
    EXPECT_EQ(sines[i], FastSin(radians[i])) << i;
    EXPECT_EQ(cosines[i], FastCos(radians[i])) << i;
  }
}

// sum_i c_i trig(theta_i) / d evaluated as the solar terms are, once with the
// C library and once bounded: the bound holds, and a sum that never touches
// trigonometry keeps error 0.
TEST(BoundedSum, EnclosesTheLibraryEvaluation) {
  std::mt19937_64 random(11);
  int enclosed = 0;
  constexpr int kSums = 2000;
  for (int n = 0; n < kSums; ++n) {
    std::vector<double> coefficients(1 + random() % 120);
    std::vector<double> radians(coefficients.size());
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
      coefficients[i] = Uniform(random, -7000, 7000) * std::pow(10.0, -static_cast<int>(random() % 6));
      radians[i] = Uniform(random, -2e4, 2e4);
    }
    const double divisor = (random() % 2) ? 3600 : 1;
    double reference = Uniform(random, -400, 400);
    Bounded bounded = reference;
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
      const bool sine = i % 2 == 0;
      reference = reference + coefficients[i] * (sine ? std::sin(radians[i]) : std::cos(radians[i]));
      bounded = bounded + coefficients[i] * (sine ? BoundedTrig::Sin(radians[i]) : BoundedTrig::Cos(radians[i]));
    }
    reference = reference / divisor;
    bounded = bounded / divisor;
    if (Lower(bounded) <= reference && reference <= Upper(bounded)) ++enclosed;
  }
  EXPECT_EQ(enclosed, kSums);

  const Bounded exact = Bounded{2.5} + 3.0 * Bounded{1.25} - Bounded{0.5} / 4.0;
  EXPECT_EQ(exact.error, 0.0);
  EXPECT_EQ(Lower(exact), exact.value);
  EXPECT_EQ(Upper(exact), exact.value);
}

// Operands one ulp apart can round two ulps apart (ties go to even): along a
// chain of additions of half-ulp-sized terms the bound must grow by the
// roundings as well as by the spread it starts with.
TEST(BoundedSum, CoversRoundingsThatASpreadTipsOver) {
  std::mt19937_64 random(5);
  int enclosed = 0;
  constexpr int kChains = 5000;
  for (int n = 0; n < kChains; ++n) {
    const double start = 1 + static_cast<double>(random() % 64) * 0x1p-52;
    double other = std::nextafter(start, 2.0);  // the other path's starting value
    Bounded bounded{start, other - start};
    for (int i = 0; i < 12; ++i) {
      const double term = static_cast<double>(1 + random() % 7) * 0x1p-54;
      other = other + term;
      bounded = bounded + Bounded{term};
    }
    // The invariant itself, without the outward step Lower and Upper add.
    if (std::fabs(other - bounded.value) <= bounded.error) ++enclosed;
  }
  EXPECT_EQ(enclosed, kChains);
}

TEST(BoundedSum, NextUpAndDownAreNextafter) {
  std::mt19937_64 random(13);
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                -1.0,
                                5e-324,
                                -5e-324,
                                1.7976931348623157e308,
                                -1.7976931348623157e308,
                                INFINITY,
                                -INFINITY,
                                2.2250738585072014e-308};
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t bits = random();
    values.push_back(std::bit_cast<double>(bits));
  }
  for (const double x : values) {
    if (std::isnan(x)) continue;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(NextUp(x)), std::bit_cast<std::uint64_t>(std::nextafter(x, INFINITY))) << x;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(NextDown(x)), std::bit_cast<std::uint64_t>(std::nextafter(x, -INFINITY)))
        << x;
  }
}

TEST(BoundedSum, SettlesOnlyWhenBothEndsAgree) {
  const auto sum = [](double a, double b) { return a + b; };
  // 1 + tiny: every value within the bound rounds to 1.
  EXPECT_EQ(SettleMonotone(sum, 1.0, Bounded{1e-20, 1e-20}), 1.0);
  // 1 + (half an ulp of 1 give or take a little): the last bit is in doubt.
  EXPECT_EQ(SettleMonotone(sum, 1.0, Bounded{0x1p-53, 0x1p-60}), std::nullopt);
}

}  // namespace
}  // namespace mireto
