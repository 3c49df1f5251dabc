// 月運 and 日運 of a chart, and the solved terms a TermCache hands back.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart_details.h"
#include "chart/term_boundary.h"
#include "test_support.h"

namespace mireto {
namespace {

std::string PillarName(CycleNumber n) { return std::string(n.stem().name()) + std::string(n.branch().name()); }

// 2000-01-01 12:00, time difference 0: 己卯 丙子 戊午 戊午, 空亡 子丑.
Chart NewYear2000() {
  BirthInput in{2000, 1, 1, 12, 0, Sex::Female, "0", "0"};
  return *ComputeChart(in, test::Tables(), {2026, 1, 1, 0, 0}).chart;
}

bool HasRelation(const RelationList& list, RelationKind kind, Place natal) {
  return std::any_of(list.begin(), list.end(),
                     [&](const Relation& r) { return r.kind == kind && r.places.contains(natal); });
}

// The months of 2000 run 丁丑 (小寒, still 己卯's) into 戊寅 at the chart's 立春
// switch and on, one step of the cycle a month.
TEST(MonthlyLuck, RunsAcrossRisshunOneStepAMonth) {
  TermCache cache;
  DetailsRequest request;
  request.birthYear = 2000;
  request.monthlyYear = 2000;
  const ChartDetails d = ComputeChartDetails(NewYear2000(), request, test::Tables(), cache);
  ASSERT_EQ(d.monthly.size(), 12u);
  EXPECT_EQ(d.monthly[0].term, "小寒");
  EXPECT_EQ(PillarName(d.monthly[0].reading.pillar), "丁丑");
  EXPECT_TRUE(d.monthly[0].reading.isVoid);  // 丑 of 子丑
  const MonthlyLuck& risshun = d.monthly[1];
  EXPECT_EQ(risshun.term, "立春");
  EXPECT_EQ(IsoText(risshun.from), "2000-02-04T21:57:34");
  EXPECT_EQ(IsoText(risshun.almanac).substr(0, 16), "2000-02-04T21:40");
  EXPECT_EQ(PillarName(risshun.reading.pillar), "戊寅");
  EXPECT_EQ(risshun.reading.tenGod, "比肩");
  EXPECT_EQ(risshun.reading.stage, "長生");
  EXPECT_FALSE(risshun.reading.isVoid);
  EXPECT_TRUE(HasRelation(risshun.reading.relations, RelationKind::HalfMeeting, Place::Day));  // 寅午
  for (std::size_t i = 1; i < d.monthly.size(); ++i) {
    EXPECT_EQ(d.monthly[i].reading.pillar.value % 60, (d.monthly[i - 1].reading.pillar.value + 1) % 60) << i;
    EXPECT_EQ(d.monthly[i].solarMonth, d.monthly[i - 1].solarMonth + 1);
    EXPECT_LT(ClockSeconds(d.monthly[i - 1].from), ClockSeconds(d.monthly[i].from));
  }
  EXPECT_EQ(d.monthly[11].term, "大雪");
  EXPECT_TRUE(ComputeChartDetails(NewYear2000(), request).monthly.empty());  // no tables: left out
}

// February 2000 holds 立春; the days change at midnight and ignore it.
TEST(DailyLuck, MonthWithASectionalTerm) {
  DetailsRequest request;
  request.birthYear = 2000;
  request.dailyMonth = std::pair{2000, 2};
  const ChartDetails d = ComputeChartDetails(NewYear2000(), request);
  ASSERT_EQ(d.daily.size(), 29u);
  EXPECT_EQ(PillarName(d.daily[0].reading.pillar), "己丑");  // 31 days after 戊午
  EXPECT_EQ(d.daily[0].day.weekday, 3);                      // a Tuesday
  EXPECT_TRUE(d.daily[0].reading.isVoid);
  EXPECT_EQ(d.daily[0].reading.tenGod, "劫財");
  for (std::size_t i = 1; i < d.daily.size(); ++i) {
    EXPECT_EQ(d.daily[i].day.day, static_cast<int>(i) + 1);
    EXPECT_EQ(d.daily[i].reading.pillar.value % 60, (d.daily[i - 1].reading.pillar.value + 1) % 60) << i;
  }
  const ChartDetails february2100 = ComputeChartDetails(NewYear2000(), [&] {
    DetailsRequest r = request;
    r.dailyMonth = std::pair{2100, 2};
    return r;
  }());
  EXPECT_EQ(february2100.daily.size(), 28u);
}

// Boundaries and calendars solved through one cache at many time
// differences are the very seconds (and charts) solved afresh.
TEST(TermCache, GivesTheSecondsSolvedAfresh) {
  TermCache cache;
  for (int step = 0; step < 1500; ++step) {
    // Fewer years than births, so that most terms come from the cache.
    BirthInput in{1950 + step * 37 % 40,
                  1 + step % 12,
                  1 + step * 7 % 28,
                  step % 24,
                  step * 13 % 60,
                  Sex::Male,
                  std::to_string(step * 11 % 121 - 60),
                  std::to_string(step * 17 % 60)};
    const Chart chart = *ComputeChart(in, test::Tables(), {2026, 1, 1, 0, 0}).chart;
    const ClockTime birth = ComputedClockTime(in);
    const TermBoundaries fresh = FindTermBoundaries(test::Tables(), birth, chart.record);
    const TermBoundaries cached = FindTermBoundaries(test::Tables(), birth, chart.record, cache);
    for (const auto& [a, b] : {std::pair{&fresh.previous, &cached.previous}, std::pair{&fresh.next, &cached.next}}) {
      ASSERT_EQ(a->clockTime, b->clockTime) << step;
      EXPECT_EQ(a->minutes, b->minutes);
      EXPECT_EQ(a->before.solarMonth, b->before.solarMonth);
      EXPECT_EQ(a->before.pillarYear, b->before.pillarYear);
      EXPECT_EQ(a->after.solarMonth, b->after.solarMonth);
      EXPECT_EQ(a->after.pillarYear, b->after.pillarYear);
      // The same moment of true solar time: the same longitudes, to the bit.
      EXPECT_EQ(a->before.sunLongitude, b->before.sunLongitude);
      EXPECT_EQ(a->after.sunLongitude, b->after.sunLongitude);
      ASSERT_TRUE(b->almanac.has_value());
      EXPECT_EQ(*b->almanac, AlmanacTerm(test::Tables(), b->clockTime.year, SectionalTermIndex(b->solarMonth)).jst);
    }
  }
  for (const double jisa : {0.0, 0.0137, -0.0412}) {
    const YearCalendar fresh = ComputeYearCalendar(test::Tables(), 1969, jisa);
    const YearCalendar cached = ComputeYearCalendar(test::Tables(), 1969, jisa, cache);
    for (std::size_t i = 0; i < fresh.terms.size(); ++i) {
      EXPECT_EQ(fresh.terms[i].chartSwitch, cached.terms[i].chartSwitch) << jisa << " " << i;
    }
  }
}

}  // namespace
}  // namespace mireto
