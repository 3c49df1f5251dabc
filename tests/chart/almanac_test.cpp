// The almanac instants of the 24 solar terms against an independent
// ephemeris (tests/chart/data/solar-terms-jst.csv, every term 1800-2080).
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "chart/almanac.h"
#include "chart/year_calendar.h"
#include "core/calendar.h"
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

namespace mireto {
namespace {

std::string PillarName(CycleNumber n) { return std::string(n.stem().name()) + std::string(n.branch().name()); }

// 立春 2000: the almanac's 21:40 and the chart's own 21:57:34 at time
// difference 0; the month it opens is 戊寅, the year from it 庚辰.
TEST(YearCalendar, TellsTheAlmanacAndTheChartSwitchApart) {
  const YearCalendar calendar = ComputeYearCalendar(test::Tables(), 2000, 0);
  const CalendarTerm& risshun = calendar.terms[2];
  EXPECT_EQ(IsoText(risshun.chartSwitch), "2000-02-04T21:57:34");
  EXPECT_EQ(PillarName(*risshun.monthPillar), "戊寅");
  EXPECT_EQ(PillarName(calendar.yearPillar), "庚辰");
  EXPECT_EQ(PillarName(*calendar.terms[0].monthPillar), "丁丑");  // 小寒 opens the last month of 己卯
  EXPECT_FALSE(calendar.terms[3].monthPillar.has_value());        // 雨水 is a 中気
  // A birthplace 20 minutes east switches about 20 minutes earlier on the clock.
  const YearCalendar east = ComputeYearCalendar(test::Tables(), 2000, 20.0 / 1440);
  const auto shift = ClockSeconds(risshun.chartSwitch) - ClockSeconds(east.terms[2].chartSwitch);
  EXPECT_NEAR(static_cast<double>(shift), 1200, 2);
  ASSERT_EQ(calendar.days.size(), 366u);
  EXPECT_EQ(PillarName(calendar.days[0].pillar), "戊午");
  EXPECT_EQ(calendar.days[0].weekday, 7);  // Saturday
}

// The month pillar of a chart on either side of each switch of a year.
TEST(YearCalendar, MonthPillarsFlipAtTheChartSwitch) {
  const YearCalendar calendar = ComputeYearCalendar(test::Tables(), 1987, 0);
  for (const CalendarTerm& term : calendar.terms) {
    if (!term.almanac.sectional) continue;
    const std::int64_t at = ClockSeconds(term.chartSwitch);
    // The first whole minute at or after the switch, and the minute before it.
    const ClockTime after = FromClockSeconds((at + 59) / 60 * 60);
    const ClockTime before = FromClockSeconds((at + 59) / 60 * 60 - 60);
    const auto pillarAt = [](const ClockTime& t) {
      BirthInput in{t.year, t.month, t.day, t.hour, t.minute, Sex::Female, "0", "0"};
      const ChartOrError result = ComputeChart(in, test::Tables(), {2026, 1, 1, 0, 0});
      const ChartDisplay& d = result.chart->display;
      return d.stems[Pillar::Month] + d.branches[Pillar::Month];
    };
    const std::string name = PillarName(*term.monthPillar);
    EXPECT_EQ(pillarAt(after), name) << term.almanac.name;
    EXPECT_NE(pillarAt(before), name) << term.almanac.name;
  }
}

// Every day 1800-2080 against the chart's own day pillar at noon.
TEST(YearCalendar, DayPillarsAreTheChartsEveryDay) {
  int checked = 0;
  for (int year = 1800; year <= 2080; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= MonthLengths(year)[static_cast<std::size_t>(month)]; ++day) {
        BirthInput in{year, month, day, 12, 0, Sex::Female, "0", "0"};
        const ChartOrError result = ComputeChart(in, test::Tables(), {2026, 1, 1, 0, 0});
        const ChartDisplay& d = result.chart->display;
        ASSERT_EQ(PillarName(CalendarDayOf(year, month, day).pillar), d.stems[Pillar::Day] + d.branches[Pillar::Day])
            << year << "-" << month << "-" << day;
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, (ClockSeconds({2081, 1, 1}) - ClockSeconds({1800, 1, 1})) / kSecondsPerDay);
}

}  // namespace
}  // namespace mireto
