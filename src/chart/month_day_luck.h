// 月運 and 日運: the pillar of each solar month of a year and of each day of a
// month, read against a chart as its luck columns and years are: 通変星 and
// 十二運 from the day stem, 空亡 of the day pillar, and the relations with the
// natal pillars.
//
// The months of a year are the twelve that its sectional terms open, 小寒 (the
// 丑 month, still of the previous pillar year) to 大雪; each starts at the
// chart's own switch at the chart's time difference, the almanac instant
// beside it. Days change at midnight of the clock, as a calendar prints them.
#pragma once

#include <string_view>
#include <vector>

#include "chart/clock_time.h"
#include "chart/natal_pillars.h"
#include "chart/period_pillar.h"
#include "chart/void_branches.h"
#include "chart/year_calendar.h"
#include "core/cycles.h"

namespace mireto {

struct MonthlyLuck {
  int solarMonth = 0;     // 1 = 丑 .. 12 = 子
  std::string_view term;  // the sectional term that opens it
  ClockTime from;         // the chart's switch (JST clock) at its time difference
  ClockTime almanac;      // the term's almanac instant (JST)
  PeriodPillar reading;
};

struct DailyLuck {
  CalendarDay day;
  PeriodPillar reading;
};

// The twelve months opened by the sectional terms of calendar.year, in order.
std::vector<MonthlyLuck> MonthlyLuckOf(const YearCalendar& calendar, const NatalPillars& natal,
                                       const VoidBranches& voidBranches);

// Every day of a Gregorian month, in order.
std::vector<DailyLuck> DailyLuckOf(int year, int month, const NatalPillars& natal, const VoidBranches& voidBranches);

}  // namespace mireto
