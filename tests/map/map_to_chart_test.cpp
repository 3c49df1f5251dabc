// A correction picked on the map reaches the chart with its direction: west of
// 135 degrees within the first minute of time the fields read "-0" and seconds.
#include <gtest/gtest.h>

#include <stdexcept>

#include "chart/chart.h"
#include "map/map_conversions.h"
#include "test_support.h"

namespace mireto {
namespace {

Chart ChartWithCorrection(const CorrectionTexts& correction) {
  return test::Compute(test::Birth(1990, 5, 3, 12, 30, correction.minutes, correction.seconds),
                       LocalDateTime{2026, 1, 1, 12, 0});
}

// Seconds of true solar time from the start of the true solar day.
double TrueSolarSeconds(const ChartRecord& r) { return r.trueSolarTime.hour * 3600.0 + r.trueSolarTime.minute * 60.0; }

TEST(MapToChart, WestWithinFirstMinuteCorrectsWestwards) {
  const DmsTexts lon = SplitDms(PixelToLongitude(264.0f));  // 134 59 9
  const CorrectionTexts west = LongitudeToCorrection(lon.degrees, lon.minutes, lon.seconds);
  const Chart atMeridian = ChartWithCorrection({"0", "0"});
  const Chart picked = ChartWithCorrection(west);
  const Chart eastMirror = ChartWithCorrection({"0", west.seconds});

  // 3 s of time earlier than at 135 degrees; the equation of time changes by far
  // less than a millisecond over those seconds.
  EXPECT_NEAR(picked.record.timeDifferenceDays * 86400.0, -3.0, 1e-6);
  EXPECT_NEAR(TrueSolarSeconds(picked.record) - TrueSolarSeconds(atMeridian.record), -3.0, 1e-3);
  // Without the sign the same seconds would move the birth eastwards.
  EXPECT_NEAR(TrueSolarSeconds(eastMirror.record) - TrueSolarSeconds(atMeridian.record), 3.0, 1e-3);
}

TEST(MapToChart, TokyoCorrectsEastwards) {
  const DmsTexts lon = SplitDms(PixelToLongitude(357.0f));  // 139 46 20: +19 min 5 s
  const Chart tokyo = ChartWithCorrection(LongitudeToCorrection(lon.degrees, lon.minutes, lon.seconds));
  EXPECT_NEAR(tokyo.record.timeDifferenceDays * 86400.0, 19 * 60.0 + 5.0, 1e-6);
}

}  // namespace
}  // namespace mireto
