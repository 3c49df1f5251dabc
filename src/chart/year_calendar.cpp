#include "chart/year_calendar.h"

#include <cmath>

#include "chart/term_boundary.h"
#include "core/calendar.h"

namespace mireto {

namespace {

constexpr int kRisshunIndex = 2;  // 立春 in kSolarTermNames

}  // namespace

CalendarDay CalendarDayOf(int year, int month, int day) {
  // Int of the Julian day at 0h (x.5), as the chart's day pillar takes it.
  const auto n = static_cast<std::int32_t>(std::floor(JulianDay(year, month, day)));
  return {year, month, day, WeekdayIndex(n), CycleNumber{SexagenaryDayIndex(n)}};
}

YearCalendar ComputeYearCalendar(const CalendarTables& tables, int year, double jisaDays) {
  TermCache cache;
  return ComputeYearCalendar(tables, year, jisaDays, cache);
}

YearCalendar ComputeYearCalendar(const CalendarTables& tables, int year, double jisaDays, TermCache& cache) {
  YearCalendar calendar;
  calendar.year = year;
  calendar.yearPillar = CycleNumber{SexagenaryYearIndex(year)};
  for (int index = 0; index < kSolarTermsPerYear; ++index) {
    const SolarTermInstant& almanac = cache.Almanac(tables, year, index);
    CalendarTerm& term = calendar.terms[static_cast<std::size_t>(almanac.index)];
    term.almanac = almanac;
    const ChartSwitch at = ChartSwitchOf(tables, almanac, jisaDays, &cache);
    term.chartSwitch = at.clockTime;
    // The chart's own month at the switch second.
    if (almanac.sectional) term.monthPillar = CycleNumber{at.after.monthCycle()};
  }
  static_assert(kSolarTermNames[kRisshunIndex] == "立春");
  const MonthLengthTable lengths = MonthLengths(year);
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= lengths[static_cast<std::size_t>(month)]; ++day)
      calendar.days.push_back(CalendarDayOf(year, month, day));
  }
  return calendar;
}

}  // namespace mireto
