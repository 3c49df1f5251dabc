// Integer conversions, Mod and the leading-number reader.
#include "core/numeric.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace mireto {
namespace {

TEST(NumericTest, IntIsFloorAndFixTruncates) {
  EXPECT_EQ(Int(2.7), 2.0);
  EXPECT_EQ(Int(-2.3), -3.0);
  EXPECT_EQ(Int(-0.5), -1.0);
  EXPECT_EQ(Int(-1e-300), -1.0);
  EXPECT_EQ(Int(-4.0), -4.0);
  EXPECT_EQ(Fix(2.7), 2.0);
  EXPECT_EQ(Fix(-2.7), -2.0);
  EXPECT_EQ(Fix(-0.5), 0.0);
}

TEST(NumericTest, RoundHalfEvenTiesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.5000000001), 3.0);
  EXPECT_EQ(RoundHalfEven(-2.4999999999), -2.0);
  // floor(x + 0.5) would give 1 here: the sum rounds up to exactly 1.
  EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0.0);
  // Above 2^52 every double is an integer and must come back unchanged.
  EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);
  EXPECT_EQ(RoundHalfEven(4503599627370495.5), 4503599627370496.0);
}

TEST(NumericTest, ToInt16RoundsHalfEvenWithinTheSixteenBitRange) {
  EXPECT_EQ(ToInt16(32767.4), std::int16_t{32767});
  EXPECT_EQ(ToInt16(32766.5), std::int16_t{32766});
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);  // rounds to 32768
  EXPECT_EQ(ToInt16(40000.0), std::nullopt);
  EXPECT_EQ(ToInt16(-32768.5), std::int16_t{-32768});  // -32768 is even
  EXPECT_EQ(ToInt16(-32768.6), std::nullopt);
  EXPECT_EQ(ToInt16(-32769.5), std::nullopt);  // rounds to -32770
  EXPECT_EQ(ToInt16(2.5), std::int16_t{2});
  EXPECT_EQ(ToInt16(-3.5), std::int16_t{-4});
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt16(-std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(NumericTest, ToInt32CoversTheThirtyTwoBitRange) {
  EXPECT_EQ(ToInt32(2147483647.4), std::int32_t{2147483647});
  EXPECT_EQ(ToInt32(2147483647.5), std::nullopt);
  EXPECT_EQ(ToInt32(-2147483648.5), std::int32_t{-2147483647 - 1});
  EXPECT_EQ(ToInt32(2451544.5), std::int32_t{2451544});
  EXPECT_EQ(ToInt32(2451545.5), std::int32_t{2451546});
}

TEST(NumericTest, ModRoundsBothOperandsAndKeepsTheDividendsSign) {
  EXPECT_EQ(Mod(7.5, 2), 0);  // 8 Mod 2
  EXPECT_EQ(Mod(6.5, 4), 2);  // 6 Mod 4
  EXPECT_EQ(Mod(7, 2.5), 1);  // 7 Mod 2
  EXPECT_EQ(Mod(7, 3.5), 3);  // 7 Mod 4
  EXPECT_EQ(Mod(-7, 3), -1);
  EXPECT_EQ(Mod(7, -3), 1);
  EXPECT_EQ(Mod(-7, -3), -1);
  EXPECT_EQ(Mod(-6, 3), 0);
  // A Julian day at 0h: the .5 rounds to the even neighbour, 2451544.
  EXPECT_EQ(Mod(2451544.5, 60), 4);
  EXPECT_EQ(Mod(2451545.5, 60), 6);
}

TEST(NumericTest, ModRejectsWhatWouldFaultInsteadOfUndefinedBehaviour) {
  EXPECT_EQ(Mod(7, 0), std::nullopt);
  EXPECT_EQ(Mod(7, 0.4), std::nullopt);  // divisor rounds to 0
  EXPECT_EQ(Mod(3e9, 7), std::nullopt);  // dividend beyond 32 bits
  EXPECT_EQ(Mod(std::numeric_limits<double>::quiet_NaN(), 7), std::nullopt);
  EXPECT_EQ(Mod(-2147483648.0, -1), 0);
}

TEST(NumericTest, CyclePositionReadsZeroAsTheTop) {
  EXPECT_EQ(CyclePosition(0, 60), 60);
  EXPECT_EQ(CyclePosition(0, 7), 7);
  EXPECT_EQ(CyclePosition(5, 7), 5);
}

TEST(NumericTest, ToSingleKeepsFourByteRealPrecision) {
  EXPECT_EQ(ToSingle(0.1), 0.1f);
  EXPECT_NE(static_cast<double>(ToSingle(0.1)), 0.1);
}

TEST(LeadingNumberTest, ReadsTheLeadingDecimalNumber) {
  EXPECT_EQ(LeadingNumber("-5abc"), -5.0);
  EXPECT_EQ(LeadingNumber(" 12"), 12.0);
  EXPECT_EQ(LeadingNumber("3.5x"), 3.5);
  EXPECT_EQ(LeadingNumber("+7"), 7.0);
  EXPECT_EQ(LeadingNumber("1e3"), 1000.0);
  EXPECT_EQ(LeadingNumber("1.5e2x"), 150.0);
  EXPECT_EQ(LeadingNumber("2E-2"), 0.02);
  EXPECT_EQ(LeadingNumber("1e"), 1.0);  // an exponent without digits is not part of it
  EXPECT_EQ(LeadingNumber("1e+"), 1.0);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("5."), 5.0);
  EXPECT_EQ(LeadingNumber("12 34"), 12.0);
  EXPECT_EQ(LeadingNumber("\t\n 8"), 8.0);
  EXPECT_EQ(LeadingNumber("007"), 7.0);
}

TEST(LeadingNumberTest, TextWithoutANumberGivesZero) {
  EXPECT_EQ(LeadingNumber(""), 0.0);
  EXPECT_EQ(LeadingNumber("abc"), 0.0);
  EXPECT_EQ(LeadingNumber("."), 0.0);
  EXPECT_EQ(LeadingNumber("-"), 0.0);
  EXPECT_EQ(LeadingNumber("+"), 0.0);
  EXPECT_EQ(LeadingNumber("e5"), 0.0);
  EXPECT_EQ(LeadingNumber("?"), 0.0);
  EXPECT_EQ(LeadingNumber("　5"), 0.0);  // a full-width blank is not skipped
}

TEST(LeadingNumberTest, SignedZeroAndHugeValues) {
  const double negativeZero = LeadingNumber("-0");
  EXPECT_EQ(negativeZero, 0.0);
  EXPECT_TRUE(std::signbit(negativeZero));
  EXPECT_DOUBLE_EQ(LeadingNumber("99999999999999999999999"), 1e23);
  EXPECT_EQ(LeadingNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
}

}  // namespace
}  // namespace mireto
