// Enters the chart of 1 January 2000, 12:00, time difference 0, through the
// main window's controls as a user would: "年入力", "2000年代", 2000, "決定",
// then month, day, hour and minute, then "八字表示". Used by the screenshot
// tool (MIRETO_SCREENSHOT_DEMO set) and by the window tests.
#pragma once

#include "chart/chart.h"

namespace mireto {

class MainWindow;

// The chart the demo enters: 1 January 2000, 12:00.
inline constexpr LocalDateTime kDemoBirth{2000, 1, 1, 12, 0};

// Returns false when a control could not be found or the year is not offered.
bool EnterDemoChart(MainWindow& window, const LocalDateTime& date = kDemoBirth);

}  // namespace mireto
