// The number forms of the display and the birth summary.
#include "chart/text_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart.h"

namespace mireto {
namespace {

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(FormatGeneral(280.374095), "280.374095");
  EXPECT_EQ(FormatGeneral(196.330194813381), "196.330194813381");
  EXPECT_EQ(FormatGeneral(196.33019481338149), "196.330194813381");
  EXPECT_EQ(FormatGeneral(359.99999999999997), "360");
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(15), "15");
  EXPECT_EQ(FormatGeneral(0.5), "0.5");
  EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneral(0.000015), "1.5E-05");
  EXPECT_EQ(FormatGeneral(1e15), "1E+15");
  EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatGeneral(-2.5), "-2.5");
}

TEST(FormatOneDecimal, HalfAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(FormatOneDecimal(0.05), "0.1");  // 0.05 is stored slightly above
  EXPECT_EQ(FormatOneDecimal(0.15), "0.1");  // 0.15 is stored slightly below
  EXPECT_EQ(FormatOneDecimal(0.25), "0.3");  // an exact tie rounds away from zero
  EXPECT_EQ(FormatOneDecimal(2.5), "2.5");
  EXPECT_EQ(FormatOneDecimal(0.0), "0.0");
  EXPECT_EQ(FormatOneDecimal(9.96), "10.0");
  EXPECT_EQ(FormatOneDecimal(59.95), "60.0");  // the chart replaces this by 59.9
  EXPECT_EQ(FormatOneDecimal(-1.25), "-1.3");
}

TEST(BirthdaySummary, AllForms) {
  const BirthRecord full{1975, 4, 8, 13, 5};
  EXPECT_EQ(BirthdayData(full, "13", "5"), "1975年4月8日13時5分");
  EXPECT_EQ(BirthdayData(full, "13", "?"), "1975年4月8日13時頃");
  EXPECT_EQ(BirthdayData(full, "13", ""), "1975年4月8日13時頃");
  EXPECT_EQ(BirthdayData(BirthRecord{1975, 4, 8, 0, 5}, "?", "5"), "1975年4月8日出生時間不明");
  EXPECT_EQ(BirthdayData(BirthRecord{1990, 2, {}, {}, {}}, "", ""), "1990年2月日時頃");
  EXPECT_EQ(BirthdayData(BirthRecord{}, "", ""), "年月日時頃");
}

}  // namespace
}  // namespace mireto
