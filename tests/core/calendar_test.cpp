// Julian days, month lengths, weekdays, sexagenary cycle numbers and the
// stem/branch value types.
#include "core/calendar.h"

#include <chrono>
#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "core/cycles.h"
#include "core/names.h"

namespace mireto {
namespace {

// Julian day of 1970-01-01 0h, the epoch of std::chrono::sys_days.
constexpr double kUnixEpochJulianDay = 2440587.5;

std::string Text(const std::chrono::year_month_day& ymd) {
  return std::to_string(static_cast<int>(ymd.year())) + "-" + std::to_string(static_cast<unsigned>(ymd.month())) + "-" +
         std::to_string(static_cast<unsigned>(ymd.day()));
}

TEST(JulianDayTest, WorkedValues) {
  EXPECT_EQ(JulianDay(2000, 1, 1), 2451544.5);
  EXPECT_EQ(JulianDay(1900, 1, 0.5), 2415020.0);
  EXPECT_EQ(JulianCenturies(JulianDay(1900, 1, 0.5)), 0.0);
  EXPECT_EQ(JulianDay(2000, 3, 0), JulianDay(2000, 2, 29));
  EXPECT_EQ(JulianDay(1900, 3, 0), JulianDay(1900, 2, 28));
  EXPECT_EQ(JulianCenturies(2451545.0), 1.0);
}

TEST(JulianDayTest, DayFractionAndOutOfRangeDaysCountOnLinearly) {
  EXPECT_EQ(JulianDay(2000, 1, 1.5), 2451545.0);
  EXPECT_EQ(JulianDay(2000, 1, 1.25), 2451544.75);
  EXPECT_EQ(JulianDay(2000, 3, 0.5), JulianDay(2000, 2, 29) + 0.5);  // noon of 29 February
  EXPECT_EQ(JulianDay(2000, 1, 32), JulianDay(2000, 2, 1));
  EXPECT_EQ(JulianDay(2000, 1, 0), JulianDay(1999, 12, 31));
  EXPECT_EQ(JulianDay(2000, 1, -0.25), JulianDay(1999, 12, 30.75));
}

// Every day of 1800..2080 against the standard library's proleptic Gregorian
// day count: the Julian day, the weekday and the step of the day cycle.
TEST(JulianDayTest, AgreesWithChronoForEveryDayOf1800To2080) {
  using namespace std::chrono;
  const sys_days first = year{1800} / January / 1;
  const sys_days last = year{2080} / December / 31;
  int previousCycle = 0;
  int checked = 0;
  for (sys_days day = first; day <= last; day += days{1}) {
    const year_month_day ymd{day};
    const double jd =
        JulianDay(static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    const double expected = day.time_since_epoch().count() + kUnixEpochJulianDay;
    ASSERT_EQ(jd, expected) << Text(ymd);
    const auto n = static_cast<std::int32_t>(jd - 0.5);
    ASSERT_EQ(WeekdayIndex(n), static_cast<int>(weekday{day}.c_encoding()) + 1) << Text(ymd);
    const int cycle = SexagenaryDayIndex(n);
    ASSERT_GE(cycle, 1);
    ASSERT_LE(cycle, 60);
    if (previousCycle != 0) {
      ASSERT_EQ(cycle, previousCycle % 60 + 1) << Text(ymd);
    }
    previousCycle = cycle;
    ++checked;
  }
  EXPECT_EQ(checked, 102634);  // 281 years, 69 of them leap years
}

TEST(MonthLengthsTest, FebruaryFollowsTheGregorianRule) {
  EXPECT_EQ(MonthLengths(1900)[2], 28);
  EXPECT_EQ(MonthLengths(2000)[2], 29);
  EXPECT_EQ(MonthLengths(2004)[2], 29);
  EXPECT_EQ(MonthLengths(2100)[2], 28);
  EXPECT_EQ(MonthLengths(2023)[2], 28);
  const MonthLengthTable expected2023 = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(MonthLengths(2023)[m], expected2023[m]) << m;
}

TEST(MonthLengthsTest, AgreesWithChronoForEveryMonthOf1800To2080) {
  using namespace std::chrono;
  for (int y = 1800; y <= 2080; ++y) {
    const MonthLengthTable lengths = MonthLengths(y);
    for (unsigned m = 1; m <= 12; ++m) {
      const year_month_day_last last{year{y}, month_day_last{month{m}}};
      ASSERT_EQ(lengths[m], static_cast<int>(static_cast<unsigned>(last.day()))) << y << "-" << m;
    }
  }
}

TEST(WeekdayIndexTest, SaturdayExampleAndNeverZero) {
  EXPECT_EQ(WeekdayIndex(2451544), 7);  // 2000-01-01, Saturday; (n + 3) Mod 7 = 0
  EXPECT_EQ(WeekdayIndex(2451545), 1);  // Sunday
  EXPECT_EQ(WeekdayNames[WeekdayIndex(2451544)], "土");
  for (std::int32_t n = 2451500; n < 2451600; ++n) {
    const int w = WeekdayIndex(n);
    ASSERT_GE(w, 1);
    ASSERT_LE(w, 7);
  }
}

TEST(SexagenaryDayIndexTest, ExampleZeroWrapAndReductionBy1200) {
  EXPECT_EQ(SexagenaryDayIndex(2451544), 55);  // 2000-01-01, 戊午
  EXPECT_EQ(SexagenaryDayIndex(2451549), 60);  // (n - 9) Mod 60 = 0
  EXPECT_EQ(SexagenaryDayIndex(2451550), 1);
  for (std::int32_t n = 2451000; n < 2451200; ++n) {
    const int full = SexagenaryDayIndex(n);
    ASSERT_GE(full, 1);
    ASSERT_LE(full, 60);
    ASSERT_EQ(SexagenaryDayIndex(n - 1200), full) << n;
    ASSERT_EQ(SexagenaryDayIndex(n - 1200 * 2000), full) << n;
  }
  const CycleNumber day{SexagenaryDayIndex(2451544)};
  EXPECT_EQ(day.stem().name(), "戊");
  EXPECT_EQ(day.branch().name(), "午");
}

TEST(SexagenaryYearIndexTest, ExamplesAndZeroWrap) {
  EXPECT_EQ(SexagenaryYearIndex(1984), 1);   // 甲子
  EXPECT_EQ(SexagenaryYearIndex(2000), 17);  // 庚辰
  EXPECT_EQ(SexagenaryYearIndex(1983), 60);  // 1983 Mod 60 = 3: 癸亥, never 0
  EXPECT_EQ(SexagenaryYearIndex(1985), 2);
  EXPECT_EQ(SexagenaryYearIndex(2043), 60);
  for (int y = 1800; y <= 2080; ++y) {
    const int r = SexagenaryYearIndex(y);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 60);
    ASSERT_EQ(SexagenaryYearIndex(y + 1), r % 60 + 1) << y;
  }
}

TEST(SexagenaryMonthIndexTest, ExamplesAndSequence) {
  EXPECT_EQ(SexagenaryMonthIndex(1984, 2), 3);    // 丙寅
  EXPECT_EQ(SexagenaryMonthIndex(1984, 12), 13);  // 丙子
  EXPECT_EQ(SexagenaryMonthIndex(1984, 1), 14);   // 丁丑, in the next calendar year
  for (int h = 1800; h <= 2080; ++h) {
    // 寅 .. 子 follow one another, then the 丑 month closes the year, and the
    // next year's 寅 month follows it.
    for (int t = 2; t < 12; ++t) ASSERT_EQ(SexagenaryMonthIndex(h, t + 1), SexagenaryMonthIndex(h, t) % 60 + 1);
    ASSERT_EQ(SexagenaryMonthIndex(h, 1), SexagenaryMonthIndex(h, 12) % 60 + 1) << h;
    ASSERT_EQ(SexagenaryMonthIndex(h + 1, 2), SexagenaryMonthIndex(h, 1) % 60 + 1) << h;
    // The 寅 month's branch is always 寅.
    ASSERT_EQ(CycleNumber{SexagenaryMonthIndex(h, 2)}.branch().name(), "寅") << h;
  }
}

TEST(CyclesTest, WrapCycleIntoOneToN) {
  EXPECT_EQ(WrapCycle(0, 10), 10);
  EXPECT_EQ(WrapCycle(10, 10), 10);
  EXPECT_EQ(WrapCycle(11, 10), 1);
  EXPECT_EQ(WrapCycle(-1, 12), 11);
  EXPECT_EQ(WrapCycle(-12, 12), 12);
  EXPECT_EQ(WrapCycle(-25, 12), 11);
  EXPECT_EQ(WrapCycle(121, 60), 1);
}

TEST(CyclesTest, StemAndBranchSteppingWraps) {
  using namespace stems;
  using namespace branches;
  EXPECT_EQ(癸.next().name(), "甲");
  EXPECT_EQ(甲.next(-1).name(), "癸");
  EXPECT_EQ(丙.next(25).name(), "辛");
  EXPECT_EQ(亥.next().name(), "子");
  EXPECT_EQ(子.next(-1).name(), "亥");
  EXPECT_EQ(Stem{}.name(), "□");
  EXPECT_EQ(Branch{}.name(), "□");
}

TEST(CyclesTest, NamedStemsAndBranchesAreTheNameTables) {
  std::string stemNames, branchNames;
  for (const Stem s : kAllStems) stemNames += s.name();
  for (const Branch b : kAllBranches) branchNames += b.name();
  EXPECT_EQ(stemNames, "甲乙丙丁戊己庚辛壬癸");
  EXPECT_EQ(branchNames, "子丑寅卯辰巳午未申酉戌亥");
  EXPECT_EQ(stems::己.name(), "己");
  EXPECT_EQ(branches::午.name(), "午");
}

TEST(CyclesTest, SixtyCycleNumbersAreSixtyDistinctPairs) {
  EXPECT_EQ(CycleNumber{1}.stem().name(), "甲");
  EXPECT_EQ(CycleNumber{1}.branch().name(), "子");
  EXPECT_EQ(CycleNumber{60}.stem().name(), "癸");
  EXPECT_EQ(CycleNumber{60}.branch().name(), "亥");
  std::set<std::pair<int, int>> pairs;
  for (int n = 1; n <= 60; ++n) {
    const CycleNumber c{n};
    EXPECT_EQ(c.stem().index % 2, c.branch().index % 2) << n;  // yang with yang
    pairs.insert({c.stem().index, c.branch().index});
  }
  EXPECT_EQ(pairs.size(), 60u);
}

}  // namespace
}  // namespace mireto
