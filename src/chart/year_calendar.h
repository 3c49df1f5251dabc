// A year of the perpetual calendar (万年暦): its 24 solar terms with the
// almanac instant and the chart's own switch at a time difference, the month
// pillar each sectional term opens, the year pillar from 立春, and the pillar
// of every day.
#pragma once

#include <optional>
#include <vector>

#include "chart/almanac.h"
#include "chart/term_cache.h"
#include "core/cycles.h"

namespace mireto {

struct CalendarTerm {
  SolarTermInstant almanac;                // the astronomical instant, JST
  ClockTime chartSwitch;                   // JST clock: when a chart at the time difference passes it
  std::optional<CycleNumber> monthPillar;  // the month a 節 opens; none for 中気
};

struct CalendarDay {
  int year = 0;
  int month = 0;
  int day = 0;
  int weekday = 0;        // 1 = Sunday .. 7 = Saturday
  CycleNumber pillar{1};  // the day's pillar (it changes at midnight)
};

struct YearCalendar {
  int year = 0;
  CycleNumber yearPillar{1};  // the pillar year that begins at this year's 立春
  std::array<CalendarTerm, kSolarTermsPerYear> terms;
  std::vector<CalendarDay> days;  // January 1 .. December 31
};

// The day of a Gregorian date with its pillar and weekday.
CalendarDay CalendarDayOf(int year, int month, int day);

// One year.
//   Given:    tables    the loaded solar-theory tables
//             year      Gregorian year (1800-2080)
//             jisaDays  the birthplace's time difference (days, east positive)
//   Returned: the year's terms, pillars and days
YearCalendar ComputeYearCalendar(const CalendarTables& tables, int year, double jisaDays);
// The same, reusing and keeping solved terms in cache (the same result).
YearCalendar ComputeYearCalendar(const CalendarTables& tables, int year, double jisaDays, TermCache& cache);

}  // namespace mireto
