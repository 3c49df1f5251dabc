// The almanac instants of the 24 solar terms against an independent
// ephemeris (tests/chart/data/solar-terms-jst.csv, every term 1800-2080).
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "chart/almanac.h"
#include "core/delta_t.h"
#include "test_support.h"

namespace mireto {
namespace {

struct FixtureTerm {
  std::string name;
  std::string jst;  // "1800-01-05T20:36:35"
};

std::vector<FixtureTerm> ReadFixture() {
  std::istringstream in(test::ReadFile(std::string(MIRETO_TEST_DATA_DIR) + "/solar-terms-jst.csv"));
  std::vector<FixtureTerm> rows;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    const auto comma = line.find(',');
    rows.push_back({line.substr(0, comma), line.substr(comma + 1)});
  }
  return rows;
}

std::int64_t SecondsOf(const std::string& iso) {
  ClockTime t;
  std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second);
  return ClockSeconds(t);
}

// Every term of every year, in the fixture's order, within a minute; the
// largest and the RMS difference are printed for the record.
TEST(AlmanacTerms, AgreeWithAnIndependentEphemerisEveryYear) {
  const std::vector<FixtureTerm> fixture = ReadFixture();
  ASSERT_EQ(fixture.size(), std::size_t{(2080 - 1800 + 1) * 24});
  double sumSquares = 0;
  std::int64_t largest = 0;
  std::string largestAt;
  std::size_t row = 0;
  for (int year = 1800; year <= 2080; ++year) {
    for (const SolarTermInstant& term : AlmanacTermsOfYear(test::Tables(), year)) {
      const FixtureTerm& expected = fixture[row++];
      ASSERT_EQ(std::string(term.name), expected.name) << year;
      const std::int64_t difference = ClockSeconds(term.jst) - SecondsOf(expected.jst);
      sumSquares += static_cast<double>(difference * difference);
      if (std::abs(difference) > std::abs(largest)) {
        largest = difference;
        largestAt = expected.name + " " + expected.jst;
      }
    }
  }
  const double rms = std::sqrt(sumSquares / static_cast<double>(fixture.size()));
  std::cout << "almanac against the ephemeris: largest " << largest << " s (" << largestAt << "), RMS " << rms
            << " s\n";
  EXPECT_LE(std::abs(largest), 60);
  EXPECT_LE(rms, 30);
}

TEST(AlmanacTerms, KnowTheirKindAndMonth) {
  const auto terms = AlmanacTermsOfYear(test::Tables(), 2000);
  EXPECT_EQ(terms[2].name, "立春");
  EXPECT_TRUE(terms[2].sectional);
  EXPECT_EQ(terms[2].solarMonth, 2);  // 寅
  EXPECT_EQ(terms[2].longitude, 315);
  EXPECT_EQ(terms[5].name, "春分");
  EXPECT_FALSE(terms[5].sectional);
  EXPECT_EQ(terms[5].longitude, 0);
  EXPECT_EQ(terms[23].name, "冬至");
  EXPECT_EQ(terms[23].longitude, 270);
  // 立春 2000 in the almanacs: 21:40 JST on February 4.
  EXPECT_EQ(IsoText(terms[2].jst).substr(0, 16), "2000-02-04T21:40");
}

// ΔT at the epochs its source tabulates (seconds, rounded as printed there).
TEST(DeltaT, MatchesTheTabulatedValues) {
  const std::vector<std::pair<double, double>> table = {
      {1800, 13.7}, {1900, -2.8}, {1950, 29.1}, {2000, 63.9}, {2050, 93.0},
  };
  for (const auto& [year, seconds] : table) EXPECT_NEAR(DeltaTSeconds(year), seconds, 0.6) << year;
}

}  // namespace
}  // namespace mireto
