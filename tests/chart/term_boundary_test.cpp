// The chart's own sectional-term boundaries: every term in every decade
// 1800-2080 solved to the second and checked against the month pillar
// ComputeChart gives on either side; the notices at 59 and 61 minutes and on
// the birth day of an unknown hour.
#include "chart/term_boundary.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/birth_notices.h"
#include "core/cycles.h"
#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::Compute;
using test::Tables;

// The Gregorian date each sectional term falls on or near, by the month it opens.
struct TermDate {
  int solarMonth;
  const char* name;
  int month, day;
};

constexpr TermDate kTermDates[] = {
    {1, "小寒", 1, 6}, {2, "立春", 2, 4},   {3, "啓蟄", 3, 6},   {4, "清明", 4, 5},
    {5, "立夏", 5, 6}, {6, "芒種", 6, 6},   {7, "小暑", 7, 7},   {8, "立秋", 8, 8},
    {9, "白露", 9, 8}, {10, "寒露", 10, 8}, {11, "立冬", 11, 7}, {12, "大雪", 12, 7},
};

// Time differences in minutes:seconds texts, east and west of 135 deg E.
constexpr const char* kJisa[][2] = {{"0", "0"}, {"-19", "45"}, {"+18", "30"}, {"-0", "30"}};

struct Sample {
  TermDate term;
  int year;
  const char* jisaMinutes;
  const char* jisaSeconds;
};

void PrintTo(const Sample& s, std::ostream* os) {
  *os << s.term.name << " " << s.year << " jisa " << s.jisaMinutes << ":" << s.jisaSeconds;
}

// One year in each decade for each term, the year and time difference varying.
std::vector<Sample> Samples() {
  std::vector<Sample> samples;
  for (int decade = 1800; decade <= 2080; decade += 10) {
    for (const TermDate& t : kTermDates) {
      const int year = std::min(decade + (t.solarMonth * 7 + decade / 10) % 10, 2080);
      const auto& jisa = kJisa[static_cast<std::size_t>(t.solarMonth + decade / 10) % std::size(kJisa)];
      samples.push_back({t, year, jisa[0], jisa[1]});
    }
  }
  return samples;
}

BirthInput BirthAt(const ClockTime& t, const Sample& s) {
  return Birth(t.year, t.month, t.day, t.hour, t.minute, s.jisaMinutes, s.jisaSeconds);
}

ClockTime Shifted(const ClockTime& t, std::int64_t seconds) { return FromClockSeconds(ClockSeconds(t) + seconds); }

// The start of the minute a clock second lies in.
std::int64_t MinuteStart(std::int64_t seconds) { return seconds - ((seconds % 60) + 60) % 60; }

// Births a few days after the term and just before it.
struct SolvedSample {
  BirthInput birth;
  Chart chart;
  TermBoundaries boundaries;
};

SolvedSample SolveAfter(const Sample& s, int daysAfter) {
  const ClockTime start{s.year, s.term.month, s.term.day, 0, 0, 0};
  const ClockTime birthTime = Shifted(start, daysAfter * kSecondsPerDay + 13 * 3600 + 17 * 60);
  SolvedSample out{BirthAt(birthTime, s), {}, {}};
  out.chart = Compute(out.birth);
  out.boundaries = FindTermBoundaries(Tables(), ComputedClockTime(out.birth), out.chart.record);
  return out;
}

std::string MonthPillarOf(const Chart& c) {
  return std::string(c.record.stems[Pillar::Month].name()) + std::string(c.record.branches[Pillar::Month].name());
}

std::string MonthPillarOf(const ChartMonth& m) {
  const CycleNumber n{m.monthCycle()};
  return std::string(n.stem().name()) + std::string(n.branch().name());
}

class TermBoundarySolver : public ::testing::TestWithParam<Sample> {};

TEST_P(TermBoundarySolver, PreviousAndNextAreTheChartsOwnMonthChanges) {
  const Sample& s = GetParam();
  const SolvedSample solved = SolveAfter(s, 10);
  const TermBoundary& b = solved.boundaries.previous;
  const TermBoundary& next = solved.boundaries.next;
  EXPECT_EQ(b.term, s.term.name);
  EXPECT_EQ(b.solarMonth, s.term.solarMonth);
  EXPECT_EQ(next.solarMonth, s.term.solarMonth % 12 + 1);
  EXPECT_EQ(next.term, kSectionalTermNames[static_cast<std::size_t>(next.solarMonth)]);

  // Within two days of the usual date, and of the birth as the minutes say.
  const ClockTime usual{s.year, s.term.month, s.term.day, 12, 0, 0};
  EXPECT_LE(std::llabs(ClockSeconds(b.clockTime) - ClockSeconds(usual)), 2 * kSecondsPerDay) << IsoText(b.clockTime);
  const std::int64_t birthSeconds = ClockSeconds(ComputedClockTime(solved.birth));
  EXPECT_DOUBLE_EQ(b.minutes, static_cast<double>(birthSeconds - ClockSeconds(b.clockTime)) / 60);
  EXPECT_GT(b.minutes, 0);
  EXPECT_LT(next.minutes, 0);
  EXPECT_EQ(solved.chart.record.solarMonth, s.term.solarMonth);

  // The flip: one second before differs from one second after, and the chart
  // on the birth's side is the birth's own.
  const double jisa = solved.chart.record.timeDifferenceDays;
  for (const TermBoundary* t : {&b, &next}) {
    const auto at = static_cast<double>(ClockSeconds(t->clockTime));
    const ChartMonth before = ChartMonthAt(Tables(), at - 1, jisa);
    const ChartMonth after = ChartMonthAt(Tables(), at + 1, jisa);
    EXPECT_NE(before.monthCycle(), after.monthCycle()) << IsoText(t->clockTime);
    EXPECT_EQ(after.solarMonth, t->solarMonth) << IsoText(t->clockTime);
    EXPECT_EQ(before.monthCycle(), t->before.monthCycle());
    EXPECT_EQ(ChartMonthAt(Tables(), at, jisa).solarMonth, t->solarMonth);
  }
  EXPECT_EQ(MonthPillarOf(b.after), MonthPillarOf(solved.chart));
  EXPECT_EQ(MonthPillarOf(next.before), MonthPillarOf(solved.chart));
}

// ComputeChart itself, at the whole minutes around the boundary, gives the
// two month pillars the solver reports.
TEST_P(TermBoundarySolver, ComputeChartAgreesAtTheWholeMinutesAround) {
  const Sample& s = GetParam();
  const SolvedSample solved = SolveAfter(s, 10);
  const TermBoundary& b = solved.boundaries.previous;
  const std::int64_t at = ClockSeconds(b.clockTime);
  const ClockTime lastOld = FromClockSeconds(MinuteStart(at - 1));
  const ClockTime firstNew = FromClockSeconds(MinuteStart(at + 59));
  const BirthInput oldBirth = BirthAt(lastOld, s);
  const BirthInput newBirth = BirthAt(firstNew, s);
  if (oldBirth.year < 1800 || newBirth.year < 1800) GTEST_SKIP() << "before 1800";
  const Chart oldChart = Compute(oldBirth);
  const Chart newChart = Compute(newBirth);
  EXPECT_EQ(MonthPillarOf(oldChart), MonthPillarOf(b.before)) << IsoText(lastOld);
  EXPECT_EQ(MonthPillarOf(newChart), MonthPillarOf(b.after)) << IsoText(firstNew);
  EXPECT_EQ(oldChart.record.sunLongitude,
            ChartMonthAt(Tables(), static_cast<double>(ClockSeconds(lastOld)), solved.chart.record.timeDifferenceDays)
                .sunLongitude);
}

// The bound behind the quick test: the chart's longitude moves at most
// kMaxDegreesPerClockDay, so an hour (13 hours) from the boundary it lies
// within kHourMarginDegrees (kHalfDayMarginDegrees) of the term.
TEST_P(TermBoundarySolver, LongitudeMovesNoFasterThanTheMarginsAssume) {
  const Sample& s = GetParam();
  const SolvedSample solved = SolveAfter(s, 10);
  const auto at = static_cast<double>(ClockSeconds(solved.boundaries.previous.clockTime));
  const double jisa = solved.chart.record.timeDifferenceDays;
  for (const double hours : {-13.0, -1.0, 1.0, 13.0}) {
    const double L = ChartMonthAt(Tables(), at + hours * 3600, jisa).sunLongitude;
    EXPECT_LE(DegreesFromSectionalTerm(L), kMaxDegreesPerClockDay * std::fabs(hours) / 24) << hours;
  }
  EXPECT_LE(kMaxDegreesPerClockDay / 24, kHourMarginDegrees);
  EXPECT_LE(kMaxDegreesPerClockDay * 13 / 24, kHalfDayMarginDegrees);
}

std::vector<NoticeCode> NoticeCodesOf(const BirthInput& entered) {
  const SummerTimeDecision d = DecideSummerTime(entered, SummerTimeRule::Ignore);
  const Chart chart = Compute(*d.computed);
  std::vector<NoticeCode> codes;
  for (const Notice& n : BirthNotices(entered, d, BoundariesIfNear(Tables(), d, chart))) {
    if (n.code == NoticeCode::NearTermBoundary || n.code == NoticeCode::TermOnBirthDay) {
      codes.push_back(n.code);
    }
  }
  return codes;
}

// Births 59 minutes from the boundary (to the second) are near it; 61 are not.
TEST_P(TermBoundarySolver, NearBoundaryAtFiftyNineNotSixtyOneMinutes) {
  const Sample& s = GetParam();
  const TermBoundary b = SolveAfter(s, 10).boundaries.previous;
  const std::int64_t at = ClockSeconds(b.clockTime);
  const std::int64_t minuteStart = MinuteStart(at);
  const std::vector<NoticeCode> near{NoticeCode::NearTermBoundary};
  for (const int minutes : {-59, 59}) {
    const ClockTime t = FromClockSeconds(minuteStart + minutes * 60 + (minutes < 0 ? 60 : 0));
    EXPECT_EQ(NoticeCodesOf(BirthAt(t, s)), near) << IsoText(t) << " boundary " << IsoText(b.clockTime);
  }
  for (const int minutes : {-61, 61}) {
    const ClockTime t = FromClockSeconds(minuteStart + minutes * 60);
    EXPECT_TRUE(NoticeCodesOf(BirthAt(t, s)).empty()) << IsoText(t);
  }
}

// Hour unknown: the notice on the boundary's own date only.
TEST_P(TermBoundarySolver, TermOnBirthDayOnlyOnThatDate) {
  const Sample& s = GetParam();
  const TermBoundary b = SolveAfter(s, 10).boundaries.previous;
  const std::vector<NoticeCode> onDay{NoticeCode::TermOnBirthDay};
  for (const int days : {-1, 0, 1}) {
    const ClockTime t = Shifted(b.clockTime, days * kSecondsPerDay);
    const BirthInput entered = Birth(t.year, t.month, t.day, std::nullopt, std::nullopt, s.jisaMinutes, s.jisaSeconds);
    EXPECT_EQ(NoticeCodesOf(entered), days == 0 ? onDay : std::vector<NoticeCode>{}) << IsoText(t);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryTermEveryDecade, TermBoundarySolver, ::testing::ValuesIn(Samples()),
                         [](const auto& info) {
                           return std::to_string(info.param.year) + "_" + std::to_string(info.param.term.solarMonth);
                         });

// At a whole minute the boundary search evaluates exactly the chart's longitude.
TEST(ChartMonthAt, EqualsComputeChartAtWholeMinutes) {
  const BirthInput births[] = {Birth(1975, 4, 8, 13, 5, "-1", "-22"), Birth(2000, 1, 1, 0, 0, "+20", "0"),
                               Birth(1800, 1, 1, 23, 59, "-0", "45"), Birth(2080, 12, 31, 12, 0)};
  for (const BirthInput& in : births) {
    const Chart chart = Compute(in);
    const ChartMonth m = ChartMonthAt(Tables(), static_cast<double>(ClockSeconds(ComputedClockTime(in))),
                                      chart.record.timeDifferenceDays);
    EXPECT_EQ(m.sunLongitude, chart.record.sunLongitude) << in.year;
    EXPECT_EQ(m.solarMonth, chart.record.solarMonth);
    EXPECT_EQ(m.pillarYear, chart.record.pillarYear);
  }
}

TEST(TermBoundary, DegreesFromSectionalTerm) {
  const struct {
    double longitude, degrees;
  } cases[] = {{315, 0}, {314.9, 0.1}, {0, 15}, {345.25, 0.25}, {14.5, 0.5}, {359.9, 14.9}};
  for (const auto& c : cases) EXPECT_NEAR(DegreesFromSectionalTerm(c.longitude), c.degrees, 1e-9);
}

// 立春 changes the year pillar too, and the notice names both on the other side.
TEST(NearTermBoundary, MessageNamesTheOtherSide) {
  const Sample s{kTermDates[1], 1990, "0", "0"};
  const SolvedSample solved = SolveAfter(s, 0);
  const TermBoundary& risshun =
      solved.boundaries.previous.term == std::string_view("立春") ? solved.boundaries.previous : solved.boundaries.next;
  ASSERT_EQ(risshun.term, "立春");
  const ClockTime born = Shifted(risshun.clockTime, -20 * 60 - risshun.clockTime.second);
  const BirthInput entered = BirthAt(born, s);
  const SummerTimeDecision d = DecideSummerTime(entered, SummerTimeRule::Ignore);
  const Chart chart = Compute(entered);
  const std::vector<Notice> notices = BirthNotices(entered, d, BoundariesIfNear(Tables(), d, chart));
  ASSERT_EQ(notices.size(), 1u);
  const Chart afterChart = Compute(BirthAt(Shifted(born, 40 * 60), s));
  const std::string yearAfter = std::string(afterChart.record.stems[Pillar::Year].name()) +
                                std::string(afterChart.record.branches[Pillar::Year].name());
  EXPECT_NE(notices[0].message.find(JapaneseText(risshun.clockTime)), std::string::npos);
  EXPECT_NE(notices[0].message.find("前の生まれ"), std::string::npos);
  EXPECT_NE(notices[0].message.find(yearAfter + "年" + MonthPillarOf(afterChart) + "月"), std::string::npos)
      << notices[0].message;
}

}  // namespace
}  // namespace mireto
