// Whole charts through compute_chart: the worked example, unknown time, the
// carries into true solar time, the time-difference sign and the refusals.
#include <cmath>

#include "chart_test_support.h"
#include "core/calendar.h"

namespace mireto {
namespace {

using test::Birth;
using test::Compute;

TEST(WorkedChart, FirstOfJanuary2000AtNoon) {
  const Chart c = Compute(Birth(2000, 1, 1, 12, 0));
  const ChartDisplay& d = c.display;
  EXPECT_EQ(d.kan[0] + d.shi[0], "己卯");
  EXPECT_EQ(d.kan[1] + d.shi[1], "丙子");
  EXPECT_EQ(d.kan[2] + d.shi[2], "戊午");
  EXPECT_EQ(d.kan[3] + d.shi[3], "戊午");
  EXPECT_EQ(d.zokan, (std::array<std::string, 4>{"乙", "癸", "丁", "丁"}));
  EXPECT_EQ(d.lblOu, "水");
  EXPECT_EQ(d.txtweek, "土曜日");
  EXPECT_EQ(c.record.solarMonth, 12);
  EXPECT_EQ(c.record.pillarYear, 1999);
  EXPECT_NEAR(c.record.birth_nl, 280.0, 0.5);
  // True solar time about 11:57: the equation of time is about -3 min.
  EXPECT_EQ(c.record.tsHour, 11);
  EXPECT_NEAR(c.record.tsMinute, 56.7, 0.3);
}

TEST(WorkedChart, UnknownHourUsesNoonAndShowsPlaceholders) {
  const Chart known = Compute(Birth(1990, 5, 3, 12, 0));
  const Chart c = Compute(Birth(1990, 5, 3, std::nullopt, std::nullopt));
  EXPECT_EQ(c.display.kan[3], "□");
  EXPECT_EQ(c.display.shi[3], "□");
  EXPECT_EQ(c.display.zokan[3], "□");
  EXPECT_EQ(c.display.txtShin, "1990年5月3日確定不能");
  // The computation itself runs at 12:00, so everything else equals the noon chart.
  EXPECT_EQ(c.display.txtKoukei, known.display.txtKoukei);
  EXPECT_EQ(c.record.stem[3], known.record.stem[3]);
  EXPECT_EQ(c.display.dun_kan, known.display.dun_kan);
}

TEST(WorkedChart, UnknownMinuteCountsAsZero) {
  EXPECT_EQ(Compute(Birth(1990, 5, 3, 14, std::nullopt)).display.txtKoukei,
            Compute(Birth(1990, 5, 3, 14, 0)).display.txtKoukei);
}

TEST(TrueSolarTime, CarriesBackAcrossMonthAndYearStarts) {
  // Early March: the equation of time is about -12 min, so 00:05 goes back a day.
  const Chart leap = Compute(Birth(2000, 3, 1, 0, 5));
  EXPECT_EQ(leap.record.tsMonth, 2);
  EXPECT_EQ(leap.record.tsDay, 29);
  EXPECT_EQ(leap.record.tsHour, 23);
  const Chart common = Compute(Birth(2001, 3, 1, 0, 5));
  EXPECT_EQ(common.record.tsDay, 28);
  // 1 January, -20 minutes of difference: 31 December of the previous year.
  const Chart newYear = Compute(Birth(2001, 1, 1, 0, 5, "-20", "0"));
  EXPECT_EQ(newYear.record.tsYear, 2000);
  EXPECT_EQ(newYear.record.tsMonth, 12);
  EXPECT_EQ(newYear.record.tsDay, 31);
  EXPECT_EQ(newYear.display.txtShin.substr(0, newYear.display.txtShin.find("日")),
            "2000年12月31");
}

TEST(TrueSolarTime, CarriesForwardAcrossTheYearEnd) {
  // 31 December 23:50 with +20 min of difference (equation of time about +2.5 min).
  const Chart c = Compute(Birth(1999, 12, 31, 23, 50, "20", "0"));
  EXPECT_EQ(c.record.tsYear, 2000);
  EXPECT_EQ(c.record.tsMonth, 1);
  EXPECT_EQ(c.record.tsDay, 1);
  EXPECT_EQ(c.record.tsHour, 0);
}

TEST(TrueSolarTime, LargeCorrectionsNormaliseFully) {
  // +48 min 59 s of difference plus about +16 min of equation of time (early November)
  // meets minute 59: more than an hour is carried, the minute stays in [0, 60).
  for (const char* minutes : {"48", "-49", "-54", "300", "-1000", "1439"}) {
    const Chart c = Compute(Birth(2010, 11, 3, 23, 59, minutes, "59"));
    EXPECT_GE(c.record.tsMinute, 0) << minutes;
    EXPECT_LT(c.record.tsMinute, 60) << minutes;
    EXPECT_GE(c.record.tsHour, 0);
    EXPECT_LT(c.record.tsHour, 24);
    // The corrected moment equals the entered one moved by the total correction.
    const double entered = c.record.jBirth + (23 * 60 + 59) / 1440.0;
    const double corrected = JulianDay(c.record.tsYear, c.record.tsMonth, c.record.tsDay) +
                             (c.record.tsHour * 60 + c.record.tsMinute) / 1440.0;
    EXPECT_NEAR((corrected - entered) * 1440, c.record.jisa * 1440 + c.record.zg2, 1e-6) << minutes;
  }
}

TEST(TrueSolarTime, MinusZeroMinutesCorrectsWestwards) {
  const Chart zero = Compute(Birth(1990, 5, 3, 14, 27, "0", "0"));
  const Chart west = Compute(Birth(1990, 5, 3, 14, 27, "-0", "51"));
  const Chart east = Compute(Birth(1990, 5, 3, 14, 27, "0", "51"));
  EXPECT_NEAR((west.record.tsMinute - zero.record.tsMinute) * 60, -51, 0.01);
  EXPECT_NEAR((east.record.tsMinute - zero.record.tsMinute) * 60, 51, 0.01);
  // A negative minute count carries the seconds with it: -5 min 30 s.
  EXPECT_DOUBLE_EQ(Compute(Birth(1990, 5, 3, 14, 27, "-5", "30")).record.jisa,
                   -5.0 / 1440 - 30.0 / 86400);
  // Texts without a number count as 0.
  EXPECT_EQ(Compute(Birth(1990, 5, 3, 14, 27, "", "abc")).record.jisa, 0);
}

TEST(Refusals, BadDatesTimesAndHugeDifferences) {
  const auto refused = [](const BirthInput& in) {
    const auto r = compute_chart(in, test::Tables(), test::kNow);
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
  EXPECT_EQ(Compute(Birth(2000, 6, 15, 9, 0), now).display.txtAge, "26");
  EXPECT_EQ(Compute(Birth(2000, 6, 15, 11, 0), now).display.txtAge, "25");
  EXPECT_EQ(Compute(Birth(2026, 6, 15, 11, 0), now).display.txtAge, "-");
  EXPECT_EQ(Compute(Birth(2030, 1, 1, 11, 0), now).display.txtAge, "-");
  // A 29 February birthday counts as 1 March in a common year.
  EXPECT_EQ(Compute(Birth(2000, 2, 29, 12, 0), LocalDateTime{2027, 3, 1, 11, 0}).display.txtAge, "26");
  EXPECT_EQ(Compute(Birth(2000, 2, 29, 12, 0), LocalDateTime{2027, 3, 1, 13, 0}).display.txtAge, "27");
}

TEST(CurrentLuckPillar, FutureBirthMarksNothingAndOldAgeMarksNothing) {
  EXPECT_FALSE(Compute(Birth(2030, 1, 1, 12, 0)).display.boldColumn);
  EXPECT_FALSE(Compute(Birth(1800, 1, 1, 12, 0)).display.boldColumn);
  // Now 26.9 years after the birth. A woman born in this 己 (yin) year goes forward
  // with a starting age of about 1.5 years: column 3 covers 21.5 to 31.5.
  EXPECT_EQ(Compute(Birth(2000, 1, 1, 12, 0)).display.boldColumn, 3);
  // A man goes backward, starting at about 8.3 years: column 2 covers 18.3 to 28.3.
  EXPECT_EQ(Compute(Birth(2000, 1, 1, 12, 0, "0", "0", Sex::Male)).display.boldColumn, 2);
  // A newborn is in column 0, before the first change.
  EXPECT_EQ(Compute(Birth(2026, 12, 1, 12, 0)).display.boldColumn, 0);
}

}  // namespace
}  // namespace mireto
