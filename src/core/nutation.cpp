#include "core/nutation.h"

#include <array>
#include <cmath>

#include "core/constants.h"

namespace mireto {

namespace {

// One term of the series: multipliers of l, l', F, D, Omega and the coefficient
// a + b T of the sine, in arcseconds (b per Julian century).
struct NutationTerm {
  int l, lp, F, D, Om;
  double a;  // arcseconds
  double b;  // arcseconds per Julian century
};

// clang-format off
constexpr auto kNutationTerms = std::to_array<NutationTerm>({
    //  l  l'   F   D  Om          a         b
    { 0,  0,  0,  0,  1,  -17.2327, -0.01737},  // 1
    { 0,  0,  2, -2,  2,   -1.2729, -0.00013},  // 2
    { 0,  0,  0,  0,  2,    0.2088,  0.00002},  // 3
    { 0,  1,  0,  0,  0,    0.1261, -0.00031},  // 4
    { 0,  1,  2, -2,  2,   -0.0497,  0.00012},  // 5
    { 0, -1,  2, -2,  2,    0.0214, -0.00005},  // 6
    { 0,  0,  2, -2,  1,    0.0124,  0.00001},  // 7
    {-2,  0,  2,  0,  1,    0.0045,        0},  // 8
    { 2,  0,  0, -2,  0,    0.0045,        0},  // 9
    { 0,  0,  2, -2,  0,   -0.0021,        0},  // 10
    { 0,  2,  0,  0,  0,    0.0016, -0.00001},  // 11
    { 0,  2,  2, -2,  2,   -0.0015,  0.00001},  // 12
    { 0,  1,  0,  0,  1,   -0.0015,        0},  // 13
    { 0, -1,  0,  0,  1,    -0.001,        0},  // 14
    { 2,  0, -2,  0,  0,     0.001,        0},  // 15
    {-2,  0,  0,  2,  1,   -0.0005,        0},  // 16
    { 0, -1,  2, -2,  1,   -0.0005,        0},  // 17
    { 0, -2,  2, -2,  1,   -0.0004,        0},  // 18
    { 2,  0,  0, -2,  1,    0.0004,        0},  // 19
    { 0,  1,  2, -2,  1,    0.0003,        0},  // 20
    {-2,  0,  2,  0,  2,   -0.0003,        0},  // 21
    { 1,  0,  0, -1,  0,   -0.0003,        0},  // 22
    { 1, -1,  0, -1,  0,   -0.0002,        0},  // 23
    { 0,  0,  2,  0,  2,   -0.2037, -0.00002},  // 24
    { 1,  0,  0,  0,  0,    0.0675,  0.00001},  // 25
    { 0,  0,  2,  0,  1,   -0.0342, -0.00004},  // 26
    { 1,  0,  2,  0,  2,   -0.0261,        0},  // 27
    { 1,  0,  0, -2,  0,   -0.0149,        0},  // 28
    {-1,  0,  2,  0,  2,    0.0114,        0},  // 29
    { 0,  0,  0,  2,  0,     0.006,        0},  // 30
    { 1,  0,  0,  0,  1,    0.0058,        0},  // 31
    {-1,  0,  0,  0,  1,   -0.0057,        0},  // 32
    {-1,  0,  2,  2,  2,   -0.0052,        0},  // 33
    { 1,  0,  2,  0,  1,   -0.0044,        0},  // 34
    { 0,  0,  2,  2,  2,   -0.0032,        0},  // 35
    { 2,  0,  0,  0,  0,    0.0028,        0},  // 36
    { 1,  0,  2, -2,  2,    0.0026,        0},  // 37
    { 2,  0,  2,  0,  2,   -0.0026,        0},  // 38
    { 0,  0,  2,  0,  0,    0.0025,        0},  // 39
    {-1,  0,  2,  0,  1,    0.0019,        0},  // 40
    {-1,  0,  0,  2,  1,    0.0014,        0},  // 41
    { 1,  0,  0, -2,  1,   -0.0013,        0},  // 42
    {-1,  0,  2,  2,  1,   -0.0009,        0},  // 43
    { 1,  1,  0, -2,  0,   -0.0007,        0},  // 44
    { 0,  1,  2,  0,  2,    0.0007,        0},  // 45
    { 1,  0,  0,  2,  0,    0.0006,        0},  // 46
    { 0,  0,  0,  2,  1,   -0.0006,        0},  // 47
    { 0, -1,  2,  0,  2,   -0.0006,        0},  // 48
    { 1,  0,  2,  2,  2,   -0.0006,        0},  // 49
    { 2,  0,  2, -2,  2,    0.0006,        0},  // 50
    { 0,  0,  0, -2,  1,   -0.0005,        0},  // 51
    { 0,  0,  2,  2,  1,   -0.0005,        0},  // 52
    { 1,  0,  2, -2,  1,    0.0005,        0},  // 53
    { 0,  0,  0,  1,  0,   -0.0004,        0},  // 54
    { 0,  1,  0, -2,  0,   -0.0004,        0},  // 55
    { 1, -1,  0,  0,  0,    0.0004,        0},  // 56
    { 1,  0, -2,  0,  0,    0.0004,        0},  // 57
    { 2,  0,  2,  0,  1,   -0.0004,        0},  // 58
    { 1,  0,  2,  0,  0,    0.0003,        0},  // 59
    { 1,  1,  0,  0,  0,   -0.0003,        0},  // 60
    { 1, -1,  2,  0,  2,   -0.0003,        0},  // 61
    {-2,  0,  0,  0,  1,   -0.0002,        0},  // 62
    {-1,  0,  2, -2,  1,   -0.0002,        0},  // 63
    { 2,  0,  0,  0,  1,    0.0002,        0},  // 64
    {-1, -1,  2,  2,  2,   -0.0002,        0},  // 65
    { 0, -1,  2,  2,  2,   -0.0002,        0},  // 66
    { 1,  0,  0,  0,  2,   -0.0002,        0},  // 67
    { 1,  1,  2,  0,  2,    0.0002,        0},  // 68
    { 3,  0,  2,  0,  2,   -0.0002,        0},  // 69
});
// clang-format on
static_assert(kNutationTerms.size() == 69, "the classical series has 69 terms");

}  // namespace

template <class Calc>
typename Calc::Real NutationInLongitude(double l, double lp, double F, double D, double Om, double T) {
  std::array<double, kNutationTerms.size()> radians;
  for (std::size_t i = 0; i < kNutationTerms.size(); ++i) {
    const NutationTerm& term = kNutationTerms[i];
    const double theta = term.l * l + term.lp * lp + term.F * F + term.D * D + term.Om * Om;
    radians[i] = theta * kDegreesToRadians;
  }
  const auto sines = Calc::SinEach(radians);
  typename Calc::Real sum = 0;  // arcseconds
  for (std::size_t i = 0; i < kNutationTerms.size(); ++i) {
    sum = sum + (kNutationTerms[i].a + kNutationTerms[i].b * T) * sines[i];
  }
  return sum / 3600;
}

template double NutationInLongitude<LibmTrig>(double, double, double, double, double, double);
template Bounded NutationInLongitude<BoundedTrig>(double, double, double, double, double, double);

}  // namespace mireto
