// The present moment as the first line of the chart text writes it.
#pragma once

#include <string>

#include "chart/chart.h"

namespace mireto {

// The general date of a Japanese desktop: the short date yyyy/MM/dd, one
// blank, the long time H:mm:ss (hour without a leading zero), e.g.
// "2026/12/07 9:05:03". The same whatever the process locale, so that the
// desktop program and mireto-chart write one text.
// moment: local date and time to the minute; second: 0..59.
std::string GeneralDateText(const LocalDateTime& moment, int second);

}  // namespace mireto
