// Numbers beyond the range of a double, where the readers have to decide
// between 0 and infinity themselves: LeadingNumber must give what an exact
// decimal-to-double conversion gives (strtod in the C locale), and the data
// files read a tiny amplitude as 0 and refuse a huge one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "broken_data.h"
#include "core/data_files.h"
#include "core/numeric.h"

namespace mireto {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Zeros(std::size_t n) { return std::string(n, '0'); }

void ExpectExactly(const std::string& text, double expected) {
  const double value = LeadingNumber(text);
  EXPECT_EQ(value, expected) << text.substr(0, 60);
  EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text.substr(0, 60);
}

TEST(LeadingNumberLimits, TinyNumbersAreZeroWithTheirSign) {
  ExpectExactly("0." + Zeros(400) + "1", 0.0);
  ExpectExactly("-0." + Zeros(400) + "1", -0.0);
  ExpectExactly("1e-400", 0.0);
  ExpectExactly("-1e-400x", -0.0);
  // A small exponent does not lift 400 zeros into range, nor does a long integer
  // part lift a huge negative exponent.
  ExpectExactly("0." + Zeros(400) + "1e50", 0.0);
  ExpectExactly("1" + Zeros(400) + "e-800", 0.0);
  ExpectExactly("2e-324", 0.0);  // below half the smallest subnormal
}

TEST(LeadingNumberLimits, HugeNumbersAreInfinityWithTheirSign) {
  ExpectExactly(std::string(400, '9'), kInf);
  ExpectExactly("-" + std::string(400, '9') + ".5", -kInf);
  ExpectExactly("1e400", kInf);
  ExpectExactly("+1E+400", kInf);
  ExpectExactly("-1e99999999999999999999999", -kInf);
  ExpectExactly("1" + Zeros(400) + "e-50", kInf);
  ExpectExactly("0." + Zeros(10) + "1e400", kInf);
  ExpectExactly("1.7976931348623159e308", kInf);  // rounds past the largest double
}

TEST(LeadingNumberLimits, ValuesJustInsideTheRangeAreExact) {
  ExpectExactly("1.7976931348623157e308", std::numeric_limits<double>::max());
  ExpectExactly("3e-324", std::numeric_limits<double>::denorm_min());
  ExpectExactly("1e-310", std::strtod("1e-310", nullptr));
  ExpectExactly("1" + Zeros(300), std::strtod(("1" + Zeros(300)).c_str(), nullptr));
  ExpectExactly("0." + Zeros(300) + "1", 1e-301);
  ExpectExactly(Zeros(500) + "12.5", 12.5);  // leading zeros are not magnitude
  ExpectExactly("0e99999999999999999999", 0.0);
}

// planet.txt with the longitude amplitude of its first row replaced.
std::string PlanetWithFirstAmplitude(const std::string& amplitude) {
  std::string text = test::ShippedDataFile("planet.txt");
  std::size_t start = 0;
  for (int comma = 0; comma < 3; ++comma) start = text.find(',', start) + 1;
  return text.replace(start, text.find(',', start) - start, amplitude);
}

TEST(DataFileNumberLimits, TinyAmplitudeReadsAsZeroAndHugeOneIsRefused) {
  const std::string latitude = test::ShippedDataFile("latitude.txt");
  for (const std::string& tiny : std::vector<std::string>{"1e-400", "-1e-400", "0." + Zeros(400) + "7"}) {
    const auto loaded = ParseCalendarTables(PlanetWithFirstAmplitude(tiny), latitude);
    ASSERT_TRUE(loaded.tables) << loaded.error;
    EXPECT_EQ(loaded.tables->planetTerms[0].lonAmplitude, 0.0) << tiny;
  }
  for (const std::string& huge : std::vector<std::string>{"1e400", "-1e400", std::string(400, '9')}) {
    const auto loaded = ParseCalendarTables(PlanetWithFirstAmplitude(huge), latitude);
    EXPECT_FALSE(loaded.tables) << huge;
    EXPECT_EQ(loaded.error, "planet.txt の 1 行目 (lonAmplitude) が範囲外です");
  }
}

}  // namespace
}  // namespace mireto
