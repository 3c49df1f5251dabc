// The output of mireto-chart --calendar YEAR, one line of JSON:
//
//   {"year":2027,"yearPillar":"丁未",
//    "terms":[{"term":"小寒","almanac":"2027-01-05T…","chartSwitch":"2027-01-05T…","monthPillar":"辛丑"},
//             …24, from 小寒 to 冬至],
//    "days":[{"date":"2027-01-01","weekday":"金","pillar":"…"},…]}
//
// "almanac" is the term's astronomical instant in Japan Standard Time,
// "chartSwitch" the JST clock second at which a chart at the time difference
// passes it; "monthPillar" is the month a 節 opens, null for a 中気.
// "yearPillar" is the pillar year that begins at 立春.
#pragma once

#include <string>

#include "chart/year_calendar.h"

namespace mireto::cli {

void AppendCalendarJson(std::string& out, const YearCalendar& calendar);

}  // namespace mireto::cli
