// Pixel -> degrees -> texts -> correction, on the rows worked out by hand, and the
// sign of a correction west of 135 degrees within its first minute of time.
#include "map/map_conversions.h"

#include <gtest/gtest.h>

#include <string>

namespace mireto {

std::ostream& operator<<(std::ostream& os, const DmsTexts& d) {
  return os << d.degrees << "/" << d.minutes << "/" << d.seconds;
}
std::ostream& operator<<(std::ostream& os, const CorrectionTexts& c) { return os << c.minutes << "/" << c.seconds; }

namespace {

struct WorkedRow {
  float x;
  float y;
  DmsTexts longitude;
  DmsTexts latitude;
  CorrectionTexts correction;
};

// Hand-worked values: longitude labels, latitude labels, written minutes and seconds.
const WorkedRow kWorkedRows[] = {
    {0, 0, {"121", "23", "54"}, {"49", "0", "6"}, {"-54", "24"}},
    {357, 259, {"139", "46", "20"}, {"35", "40", "18"}, {"19", "5"}},
    {265, 0, {"135", "2", "14"}, {"49", "0", "6"}, {"0", "8"}},
    {499, 499, {"147", "4", "50"}, {"23", "19", "10"}, {"48", "19"}},
};

TEST(MapConversions, WorkedRowsGiveLabelsAndCorrection) {
  for (const auto& row : kWorkedRows) {
    SCOPED_TRACE(testing::Message() << "pixel (" << row.x << ", " << row.y << ")");
    const DmsTexts lon = SplitDms(PixelToLongitude(row.x));
    const DmsTexts lat = SplitDms(PixelToLatitude(row.y));
    EXPECT_EQ(lon, row.longitude);
    EXPECT_EQ(lat, row.latitude);
    EXPECT_EQ(LongitudeToCorrection(lon.degrees, lon.minutes, lon.seconds), row.correction);
  }
}

TEST(MapConversions, LatitudeIsRoundedOnceToSingle) {
  // Row 0 is the single-precision constant itself (49.00194168...), not 49.00194.
  EXPECT_EQ(PixelToLatitude(0.0f), 49.00194f);
  EXPECT_NE(static_cast<double>(PixelToLatitude(0.0f)), 49.00194);
  // Row 311: the difference formed exactly, then one rounding. Rounding the
  // product to single first lands one unit lower in the last place.
  const float y = 311.0f;
  const double exact = static_cast<double>(49.00194f) - static_cast<double>(0.0514679f) * y;
  const float productRoundedFirst = 49.00194f - static_cast<float>(0.0514679f * y);
  EXPECT_EQ(PixelToLatitude(y), static_cast<float>(exact));
  EXPECT_NE(PixelToLatitude(y), productRoundedFirst);
}

TEST(MapConversions, SinglePrecisionLatitudeDecidesTheSeconds) {
  // 49.00194f is 49.00194168..., 1.7e-6 degrees (0.006") above 49.00194, which is
  // enough to lift the truncated seconds on some rows. In double arithmetic with the
  // decimal constants row 123 would show 42 40 16 and row 232 37 3 40.
  EXPECT_EQ(SplitDms(PixelToLatitude(123.0f)), (DmsTexts{"42", "40", "17"}));
  EXPECT_EQ(SplitDms(PixelToLatitude(232.0f)), (DmsTexts{"37", "3", "41"}));
}

TEST(MapConversions, LongitudeIsDouble) {
  EXPECT_DOUBLE_EQ(PixelToLongitude(0.0f), 121.39834);
  EXPECT_EQ(PixelToLongitude(357.0f), 357.0 * 0.0514679 + 121.39834);
  // A fractional mouse position is used as it is.
  EXPECT_EQ(PixelToLongitude(0.5f), 0.5 * 0.0514679 + 121.39834);
}

TEST(MapConversions, WestWithinFirstMinuteKeepsItsSign) {
  // Column 264 is 134 deg 59' 9", 51" of arc west of 135: -0.0567 minutes of time.
  const DmsTexts lon = SplitDms(PixelToLongitude(264.0f));
  EXPECT_EQ(lon, (DmsTexts{"134", "59", "9"}));
  const CorrectionTexts c = LongitudeToCorrection(lon.degrees, lon.minutes, lon.seconds);
  EXPECT_EQ(c.minutes, "-0");
  EXPECT_EQ(c.seconds, "3");  // 51" of arc / 15 = 3.4 s of time, truncated
  // The meridian itself and just east of it carry no sign.
  EXPECT_EQ(LongitudeToCorrection("135", "0", "0").minutes, "0");
  EXPECT_EQ(LongitudeToCorrection("135", "0", "0").seconds, "0");
  EXPECT_EQ(LongitudeToCorrection("135", "0", "1").minutes, "0");
  // One full minute west is an ordinary negative minute.
  const CorrectionTexts minuteWest = LongitudeToCorrection("134", "45", "0");
  EXPECT_EQ(minuteWest.minutes, "-1");
  EXPECT_EQ(minuteWest.seconds, "0");
}

TEST(MapConversions, LeftEdgeGivesMinutesBeyondTheSpinner) {
  // Columns 0..21 lie more than 49 minutes of time west of 135 degrees.
  for (int x = 0; x <= 21; ++x) {
    const DmsTexts lon = SplitDms(PixelToLongitude(static_cast<float>(x)));
    const int minutes = std::stoi(LongitudeToCorrection(lon.degrees, lon.minutes, lon.seconds).minutes);
    EXPECT_GE(minutes, -54) << x;
    EXPECT_LE(minutes, -50) << x;
  }
}

TEST(MapConversions, CorrectionReadsLeadingNumbersOfTheLabels) {
  // Empty labels read as 0: longitude 0 is 540 minutes west.
  const CorrectionTexts empty = LongitudeToCorrection("", "", "");
  EXPECT_EQ(empty.minutes, "-540");
  EXPECT_EQ(empty.seconds, "0");
  // Trailing text after the number is ignored.
  const CorrectionTexts trailing = LongitudeToCorrection("139度", "46分", "20秒");
  EXPECT_EQ(trailing.minutes, "19");
  EXPECT_EQ(trailing.seconds, "5");
}

TEST(MapConversions, PositionsOutsideThePictureStillConvert) {
  // The pointer can leave the map while a button is held.
  EXPECT_EQ(SplitDms(PixelToLongitude(-10.0f)), (DmsTexts{"120", "53", "1"}));
  const DmsTexts lat = SplitDms(PixelToLatitude(-10.0f));
  EXPECT_EQ(lat.degrees, "49");
  EXPECT_EQ(lat.minutes, "30");
}

// The picture fits the room a short screen leaves, and a point on the
// smaller picture converts as the same spot of the 500-pixel picture.
TEST(MapConversions, ScaledPictureKeepsItsOwnPixels) {
  struct Row {
    int room;
    int side;
  };
  for (const Row& row : {Row{600, 500}, Row{500, 500}, Row{429, 429}, Row{150, kMapSmallestSidePx}}) {
    EXPECT_EQ(FittedMapSide(row.room), row.side) << row.room;
  }
  EXPECT_EQ(ShownToPicturePixel(357.0f, 500), 357.0f);  // unscaled: exact
  EXPECT_FLOAT_EQ(ShownToPicturePixel(250.0f, 250), 500.0f);
  // Tokyo's column on a 429-pixel picture reads Tokyo's longitude.
  const float shown = 357.0f * 429 / 500;
  EXPECT_NEAR(PixelToLongitude(ShownToPicturePixel(shown, 429)), PixelToLongitude(357.0f), 1e-4);
}

}  // namespace
}  // namespace mireto
