// The steps of the chart on hand-made records: solar month and pillar year,
// hour pillar, starting age and luck sequence, season element and hidden stems.
#include "chart/chart_steps.h"

#include <gtest/gtest.h>

#include "core/names.h"

namespace mireto {
namespace {

ChartRecord Record(double longitude, int year, int month, int day, int hour, double minute = 0) {
  ChartRecord r;
  r.sunLongitude = longitude;
  r.trueSolarTime.year = year;
  r.trueSolarTime.month = month;
  r.trueSolarTime.day = day;
  r.trueSolarTime.hour = hour;
  r.trueSolarTime.minute = minute;
  return r;
}

std::string PillarText(const ChartRecord& r, Pillar p) {
  return std::string(r.stems[p].name()) + std::string(r.branches[p].name());
}

TEST(SolarMonth, TermBoundariesAroundTheYearStart) {
  struct Case {
    double longitude;
    int month, day;
    int solarMonth, pillarYearOffset;
  };
  // clang-format off
  const Case cases[] = {
      {314.999, 2, 3, 1, -1},  // 3 February before 立春: 丑 month of the previous year
      {315.0, 2, 4, 2, 0},     // 立春 itself opens 寅
      {284.999, 1, 5, 12, -1}, // 2 January before 小寒: 子 of the previous year
      {285.0, 1, 6, 1, -1},    // 小寒 opens 丑, still the previous year
      {258.0, 12, 10, 12, 0},  // 10 December: 子 of this year
      {359.999, 3, 20, 3, 0},  // 卯 on both sides of 0 deg
      {0.0, 3, 21, 3, 0},
      {15.0, 4, 5, 4, 0},
      {254.999, 12, 6, 11, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    ChartRecord r = Record(c.longitude, 1984, c.month, c.day, 12);
    steps::FourPillars(r);
    EXPECT_EQ(r.solarMonth, c.solarMonth) << c.longitude;
    EXPECT_EQ(r.pillarYear, 1984 + c.pillarYearOffset) << c.longitude;
  }
}

TEST(FourPillars, YearAndMonthCycles) {
  ChartRecord r = Record(320, 1984, 2, 10, 12);  // 寅 month of 甲子 year
  steps::FourPillars(r);
  EXPECT_EQ(PillarText(r, Pillar::Year), "甲子");
  EXPECT_EQ(PillarText(r, Pillar::Month), "丙寅");
  ChartRecord december = Record(260, 1984, 12, 10, 12);
  steps::FourPillars(december);
  EXPECT_EQ(PillarText(december, Pillar::Month), "丙子");
  ChartRecord january = Record(290, 1985, 1, 10, 12);  // 丑 month, 1984's year
  steps::FourPillars(january);
  EXPECT_EQ(PillarText(january, Pillar::Year), "甲子");
  EXPECT_EQ(PillarText(january, Pillar::Month), "丁丑");
}

TEST(FourPillars, HourPillarAt23AndMidnight) {
  // 2000-01-01 is a 戊午 day; 23:30 gives 甲子 (the next day's 子 hour).
  ChartRecord r = Record(280, 2000, 1, 1, 23, 30);
  steps::FourPillars(r);
  EXPECT_EQ(PillarText(r, Pillar::Day), "戊午");
  EXPECT_EQ(PillarText(r, Pillar::Hour), "甲子");
  // 2000-01-07 is a 甲子 day: 23:30 gives 丙子, 00:30 gives 甲子.
  ChartRecord late = Record(286, 2000, 1, 7, 23, 30);
  steps::FourPillars(late);
  EXPECT_EQ(PillarText(late, Pillar::Day), "甲子");
  EXPECT_EQ(PillarText(late, Pillar::Hour), "丙子");
  ChartRecord early = Record(286, 2000, 1, 7, 0, 30);
  steps::FourPillars(early);
  EXPECT_EQ(PillarText(early, Pillar::Hour), "甲子");
}

ChartDisplay Luck(ChartRecord& r, Sex sex) {
  ChartDisplay d;
  steps::FourPillars(r);
  steps::LuckPillars(r, sex, d);
  return d;
}

TEST(LuckPillars, StartingAgeExamples) {
  // 卯 month going forward (1984 is yang: a male goes forward).
  ChartRecord a = Record(350, 1984, 3, 12, 12);
  EXPECT_EQ(Luck(a, Sex::Male).luckStartAge, "約8歳4カ月0日");
  EXPECT_TRUE(a.forward);
  ChartRecord b = Record(5, 1984, 3, 25, 12);  // A = 370 - 360 = 10
  EXPECT_EQ(Luck(b, Sex::Male).luckStartAge, "約3歳4カ月0日");
  // Born exactly on a sectional term going backward: starting age 0.
  ChartRecord c = Record(315, 1984, 2, 4, 12);
  const ChartDisplay d = Luck(c, Sex::Female);
  EXPECT_FALSE(c.forward);
  EXPECT_EQ(d.luckStartAge, "約0歳0カ月0日");
  EXPECT_EQ(d.luckFirstAges[0], "0");
  EXPECT_EQ(d.luckLastAges[0], "0");
  EXPECT_EQ(d.luckLastAges[1], "9");
  EXPECT_EQ(d.luckLastAges[10], "99");
  // The same moment going forward: the full 30 degrees, ten years.
  ChartRecord f = Record(315, 1984, 2, 4, 12);
  EXPECT_EQ(Luck(f, Sex::Male).luckStartAge, "約10歳0カ月0日");
}

TEST(LuckPillars, SequencesWrapThroughTheCycle) {
  ChartRecord back = Record(320, 1984, 2, 10, 12);  // month 丙寅, female in a yang year
  const ChartDisplay d = Luck(back, Sex::Female);
  EXPECT_EQ(d.luckStems[0] + d.luckBranches[0], "丙寅");
  EXPECT_EQ(d.luckStems[1] + d.luckBranches[1], "乙丑");
  EXPECT_EQ(d.luckStems[2] + d.luckBranches[2], "甲子");
  EXPECT_EQ(d.luckStems[3] + d.luckBranches[3], "癸亥");
  EXPECT_EQ(d.luckStems[10] + d.luckBranches[10], "丙辰");
  ChartRecord fwd = Record(320, 1984, 2, 10, 12);
  const ChartDisplay e = Luck(fwd, Sex::Male);
  EXPECT_EQ(e.luckStems[8] + e.luckBranches[8], "甲戌");
  EXPECT_EQ(e.luckStems[9] + e.luckBranches[9], "乙亥");
  EXPECT_EQ(e.luckStems[10] + e.luckBranches[10], "丙子");
  // Ages step by ten.
  for (int i = 1; i < 10; ++i) EXPECT_EQ(std::stoi(e.luckFirstAges[i]) - std::stoi(e.luckFirstAges[i - 1]), 10);
}

TEST(CurrentLuckColumn, ColumnsByDaysLived) {
  ChartRecord r;
  r.luckStartYears = 2;  // 730.4844 days
  r.birthMomentJulianDay = 2450000;
  const auto at = [&](double days) {
    r.nowJulianDay = r.birthMomentJulianDay + days;
    return steps::CurrentLuckColumn(r);
  };
  EXPECT_FALSE(at(-1));
  EXPECT_EQ(at(0), 0);
  EXPECT_EQ(at(730), 0);
  EXPECT_EQ(at(731), 1);
  EXPECT_EQ(at(730.4844 + 3652.422 + 1), 2);
  EXPECT_EQ(at(730.4844 + 36524.22 - 1), 10);
  EXPECT_FALSE(at(730.4844 + 36524.22 + 1));
}

ChartDisplay Hidden(ChartRecord& r) {
  ChartDisplay d;
  steps::FourPillars(r);
  steps::HiddenStems(r, d);
  return d;
}

TEST(HiddenStems, SeasonElementAndMonthStem) {
  struct Case {
    double longitude;
    int month;
    const char* element;
    const char* stem;
  };
  // clang-format off
  const Case cases[] = {
      {348, 3, "木", "甲"}, {10, 3, "木", "乙"}, {30, 4, "土", "戊"},
      {300, 2, "土", "己"}, {290, 1, "水", "癸"}, {50, 5, "火", "丙"},
      {120, 8, "土", "己"}, {140, 8, "金", "庚"}, {210, 10, "土", "戊"},
  };
  // clang-format on
  for (const Case& c : cases) {
    ChartRecord r = Record(c.longitude, 1990, c.month, 10, 12);
    const ChartDisplay d = Hidden(r);
    EXPECT_EQ(d.seasonElement, c.element) << c.longitude;
    EXPECT_EQ(r.hiddenStems[Pillar::Month].name(), c.stem) << c.longitude;
  }
}

// The year and day branches split at 72 or 144 deg after 立春 and at 4:48 or
// 9:36 of the day; the hour branches at 24 or 48 minutes into the branch.
TEST(HiddenStems, YearDayAndHourShares) {
  struct Case {
    const char* what;
    double longitude;
    int year, month, day, hour;
    double minute;
    Pillar pillar;
    const char* stem;
  };
  const Case cases[] = {
      {"年支 午 within 72 deg", 20, 1990, 4, 10, 12, 0, Pillar::Year, "丙"},
      {"年支 午 after 72 deg", 30, 1990, 4, 20, 12, 0, Pillar::Year, "丁"},
      {"年支 戌 before 99 deg", 98, 1994, 6, 20, 12, 0, Pillar::Year, "辛"},
      {"年支 戌 after 99 deg", 100, 1994, 6, 22, 12, 0, Pillar::Year, "戊"},
      {"日支 子 4:47", 286, 2000, 1, 7, 4, 47, Pillar::Day, "壬"},
      {"日支 子 4:48", 286, 2000, 1, 7, 4, 48, Pillar::Day, "癸"},
      {"時支 子 23:10", 286, 2000, 1, 7, 23, 10, Pillar::Hour, "壬"},
      {"時支 子 23:30", 286, 2000, 1, 7, 23, 30, Pillar::Hour, "癸"},
      {"時支 子 0:30", 286, 2000, 1, 7, 0, 30, Pillar::Hour, "癸"},
      {"時支 丑 1:47", 286, 2000, 1, 7, 1, 47, Pillar::Hour, "癸"},
      {"時支 丑 1:48", 286, 2000, 1, 7, 1, 48, Pillar::Hour, "己"},
      {"時支 寅 3:00", 286, 2000, 1, 7, 3, 0, Pillar::Hour, "甲"},
      {"時支 卯 5:23", 286, 2000, 1, 7, 5, 23, Pillar::Hour, "甲"},
      {"時支 卯 5:24", 286, 2000, 1, 7, 5, 24, Pillar::Hour, "乙"},
      {"時支 戌 19:47", 286, 2000, 1, 7, 19, 47, Pillar::Hour, "辛"},
      {"時支 戌 19:48", 286, 2000, 1, 7, 19, 48, Pillar::Hour, "戊"},
  };
  for (const Case& c : cases) {
    ChartRecord r = Record(c.longitude, c.year, c.month, c.day, c.hour, c.minute);
    Hidden(r);
    EXPECT_EQ(r.hiddenStems[c.pillar].name(), c.stem) << c.what;
  }
}

TEST(EquationOfTimeText, SignMinutesAndSecondsNeverSixty) {
  EXPECT_EQ(steps::EquationOfTimeText(3 + 25.4 / 60), "+3分25.4秒");
  EXPECT_EQ(steps::EquationOfTimeText(-0.7), "-0分42.0秒");
  EXPECT_EQ(steps::EquationOfTimeText(0), "+0分0.0秒");
  EXPECT_EQ(steps::EquationOfTimeText(4 + 59.97 / 60), "+4分59.9秒");
  EXPECT_EQ(steps::EquationOfTimeText(-(4 + 59.97 / 60)), "-4分59.9秒");
}

TEST(TrueSolarTimeText, MinutesNeverShowSixty) {
  ChartRecord r = Record(0, 1990, 5, 3, 14, 59.96);
  EXPECT_EQ(steps::TrueSolarTimeText(r.trueSolarTime, false), "1990年5月3日14時59.9分");
  r.trueSolarTime.minute = 27.25;
  EXPECT_EQ(steps::TrueSolarTimeText(r.trueSolarTime, false), "1990年5月3日14時27.3分");
  EXPECT_EQ(steps::TrueSolarTimeText(r.trueSolarTime, true), "1990年5月3日確定不能");
}

}  // namespace
}  // namespace mireto
