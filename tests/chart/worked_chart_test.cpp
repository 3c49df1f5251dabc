// Whole charts through ComputeChart: the worked example, unknown time, the
// carries into true solar time, the time-difference sign and the refusals.
#include <cmath>

#include <gtest/gtest.h>

#include "core/calendar.h"
#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::Compute;

TEST(WorkedChart, FirstOfJanuary2000AtNoon) {
  const Chart c = Compute(Birth(2000, 1, 1, 12, 0));
  const ChartDisplay& d = c.display;
  EXPECT_EQ(d.stems[Pillar::Year] + d.branches[Pillar::Year], "己卯");
  EXPECT_EQ(d.stems[Pillar::Month] + d.branches[Pillar::Month], "丙子");
  EXPECT_EQ(d.stems[Pillar::Day] + d.branches[Pillar::Day], "戊午");
  EXPECT_EQ(d.stems[Pillar::Hour] + d.branches[Pillar::Hour], "戊午");
  EXPECT_EQ(d.hiddenStems, (PerPillar<std::string>{{"乙", "癸", "丁", "丁"}}));
  EXPECT_EQ(d.seasonElement, "水");
  EXPECT_EQ(d.weekday, "土曜日");
  EXPECT_EQ(c.record.solarMonth, 12);
  EXPECT_EQ(c.record.pillarYear, 1999);
  EXPECT_NEAR(c.record.sunLongitude, 280.0, 0.5);
  // True solar time about 11:57: the equation of time is about -3 min.
  EXPECT_EQ(c.record.trueSolarTime.hour, 11);
  EXPECT_NEAR(c.record.trueSolarTime.minute, 56.7, 0.3);
}

TEST(WorkedChart, UnknownHourUsesNoonAndShowsPlaceholders) {
  const Chart known = Compute(Birth(1990, 5, 3, 12, 0));
  const Chart c = Compute(Birth(1990, 5, 3, std::nullopt, std::nullopt));
  EXPECT_EQ(c.display.stems[Pillar::Hour], "□");
  EXPECT_EQ(c.display.branches[Pillar::Hour], "□");
  EXPECT_EQ(c.display.hiddenStems[Pillar::Hour], "□");
  EXPECT_EQ(c.display.trueSolarTime, "1990年5月3日確定不能");
  // The computation itself runs at 12:00, so everything else equals the noon chart.
  EXPECT_EQ(c.display.sunLongitude, known.display.sunLongitude);
  EXPECT_EQ(c.record.stems[Pillar::Hour], known.record.stems[Pillar::Hour]);
  EXPECT_EQ(c.display.luckStems, known.display.luckStems);
}

TEST(WorkedChart, UnknownMinuteCountsAsZero) {
  EXPECT_EQ(Compute(Birth(1990, 5, 3, 14, std::nullopt)).display.sunLongitude,
            Compute(Birth(1990, 5, 3, 14, 0)).display.sunLongitude);
}

TEST(TrueSolarTime, CarriesBackAcrossMonthAndYearStarts) {
  // Early March: the equation of time is about -12 min, so 00:05 goes back a day.
  const Chart leap = Compute(Birth(2000, 3, 1, 0, 5));
  EXPECT_EQ(leap.record.trueSolarTime.month, 2);
  EXPECT_EQ(leap.record.trueSolarTime.day, 29);
  EXPECT_EQ(leap.record.trueSolarTime.hour, 23);
  const Chart common = Compute(Birth(2001, 3, 1, 0, 5));
  EXPECT_EQ(common.record.trueSolarTime.day, 28);
  // 1 January, -20 minutes of difference: 31 December of the previous year.
  const Chart newYear = Compute(Birth(2001, 1, 1, 0, 5, "-20", "0"));
  EXPECT_EQ(newYear.record.trueSolarTime.year, 2000);
  EXPECT_EQ(newYear.record.trueSolarTime.month, 12);
  EXPECT_EQ(newYear.record.trueSolarTime.day, 31);
  EXPECT_EQ(newYear.display.trueSolarTime.substr(0, newYear.display.trueSolarTime.find("日")), "2000年12月31");
}

TEST(TrueSolarTime, CarriesForwardAcrossTheYearEnd) {
  // 31 December 23:50 with +20 min of difference (equation of time about +2.5 min).
  const Chart c = Compute(Birth(1999, 12, 31, 23, 50, "20", "0"));
  EXPECT_EQ(c.record.trueSolarTime.year, 2000);
  EXPECT_EQ(c.record.trueSolarTime.month, 1);
  EXPECT_EQ(c.record.trueSolarTime.day, 1);
  EXPECT_EQ(c.record.trueSolarTime.hour, 0);
}

TEST(TrueSolarTime, LargeCorrectionsNormaliseFully) {
  // +48 min 59 s of difference plus about +16 min of equation of time (early November)
  // meets minute 59: more than an hour is carried, the minute stays in [0, 60).
  for (const char* minutes : {"48", "-49", "-54", "300", "-1000", "1439"}) {
    const Chart c = Compute(Birth(2010, 11, 3, 23, 59, minutes, "59"));
    EXPECT_GE(c.record.trueSolarTime.minute, 0) << minutes;
    EXPECT_LT(c.record.trueSolarTime.minute, 60) << minutes;
    EXPECT_GE(c.record.trueSolarTime.hour, 0);
    EXPECT_LT(c.record.trueSolarTime.hour, 24);
    // The corrected moment equals the entered one moved by the total correction.
    const double entered = c.record.birthJulianDay + (23 * 60 + 59) / 1440.0;
    const double corrected =
        JulianDay(c.record.trueSolarTime.year, c.record.trueSolarTime.month, c.record.trueSolarTime.day) +
        (c.record.trueSolarTime.hour * 60 + c.record.trueSolarTime.minute) / 1440.0;
    EXPECT_NEAR((corrected - entered) * 1440, c.record.timeDifferenceDays * 1440 + c.record.equationOfTimeMinutes, 1e-6)
        << minutes;
  }
}

TEST(TrueSolarTime, MinusZeroMinutesCorrectsWestwards) {
  const Chart zero = Compute(Birth(1990, 5, 3, 14, 27, "0", "0"));
  const Chart west = Compute(Birth(1990, 5, 3, 14, 27, "-0", "51"));
  const Chart east = Compute(Birth(1990, 5, 3, 14, 27, "0", "51"));
  EXPECT_NEAR((west.record.trueSolarTime.minute - zero.record.trueSolarTime.minute) * 60, -51, 0.01);
  EXPECT_NEAR((east.record.trueSolarTime.minute - zero.record.trueSolarTime.minute) * 60, 51, 0.01);
  // A negative minute count carries the seconds with it: -5 min 30 s.
  EXPECT_DOUBLE_EQ(Compute(Birth(1990, 5, 3, 14, 27, "-5", "30")).record.timeDifferenceDays,
                   -5.0 / 1440 - 30.0 / 86400);
  // Texts without a number count as 0.
  EXPECT_EQ(Compute(Birth(1990, 5, 3, 14, 27, "", "abc")).record.timeDifferenceDays, 0);
}

TEST(Refusals, BadDatesTimesAndHugeDifferences) {
  const auto refused = [](const BirthInput& in) {
    const auto r = ComputeChart(in, test::Tables(), test::kNow);
    return !r.chart && !r.error.empty();
  };
  EXPECT_TRUE(refused(Birth(2001, 2, 29, 12, 0)));
  EXPECT_FALSE(refused(Birth(2000, 2, 29, 12, 0)));
  EXPECT_TRUE(refused(Birth(1799, 12, 31, 12, 0)));
  EXPECT_TRUE(refused(Birth(2081, 1, 1, 12, 0)));
  EXPECT_TRUE(refused(Birth(2000, 13, 1, 12, 0)));
  EXPECT_TRUE(refused(Birth(2000, 1, 1, 24, 0)));
  EXPECT_TRUE(refused(Birth(2000, 1, 1, 12, 60)));
  EXPECT_TRUE(refused(Birth(2000, 1, 1, 12, 0, "0", "86401")));
  EXPECT_TRUE(refused(Birth(2000, 1, 1, 12, 0, "0", "1e300")));
  EXPECT_TRUE(refused(Birth(2000, 1, 1, 12, 0, "-1441", "0")));
  EXPECT_FALSE(refused(Birth(2000, 1, 1, 12, 0, "1440", "0")));
}

TEST(Age, BirthdayLaterThisYearAndFutureBirths) {
  const LocalDateTime now{2026, 6, 15, 10, 0};
  EXPECT_EQ(Compute(Birth(2000, 6, 15, 9, 0), now).display.age, "26");
  EXPECT_EQ(Compute(Birth(2000, 6, 15, 11, 0), now).display.age, "25");
  EXPECT_EQ(Compute(Birth(2026, 6, 15, 11, 0), now).display.age, "-");
  EXPECT_EQ(Compute(Birth(2030, 1, 1, 11, 0), now).display.age, "-");
  // A 29 February birthday counts as 1 March in a common year.
  EXPECT_EQ(Compute(Birth(2000, 2, 29, 12, 0), LocalDateTime{2027, 3, 1, 11, 0}).display.age, "26");
  EXPECT_EQ(Compute(Birth(2000, 2, 29, 12, 0), LocalDateTime{2027, 3, 1, 13, 0}).display.age, "27");
}

TEST(CurrentLuckPillar, FutureBirthMarksNothingAndOldAgeMarksNothing) {
  EXPECT_FALSE(Compute(Birth(2030, 1, 1, 12, 0)).display.boldLuckColumn);
  EXPECT_FALSE(Compute(Birth(1800, 1, 1, 12, 0)).display.boldLuckColumn);
  // Now 26.9 years after the birth. A woman born in this 己 (yin) year goes forward
  // with a starting age of about 1.5 years: column 3 covers 21.5 to 31.5.
  EXPECT_EQ(Compute(Birth(2000, 1, 1, 12, 0)).display.boldLuckColumn, 3);
  // A man goes backward, starting at about 8.3 years: column 2 covers 18.3 to 28.3.
  EXPECT_EQ(Compute(Birth(2000, 1, 1, 12, 0, "0", "0", Sex::Male)).display.boldLuckColumn, 2);
  // A newborn is in column 0, before the first change.
  EXPECT_EQ(Compute(Birth(2026, 12, 1, 12, 0)).display.boldLuckColumn, 0);
}

}  // namespace
}  // namespace mireto
