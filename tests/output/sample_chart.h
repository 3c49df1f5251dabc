// Made-up displayed charts for the window tests: every text distinct, so a
// text copied into the wrong place shows.
#pragma once

#include "chart/chart_snapshot.h"

namespace mireto::test {

// A complete snapshot. `variant` shifts every cyclic name and number, so two
// variants differ in every field; its sex alternates, and the bold luck
// column is variant % 11.
ChartSnapshot SampleChart(int variant);

}  // namespace mireto::test
