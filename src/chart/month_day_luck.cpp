#include "chart/month_day_luck.h"

#include "core/calendar.h"

namespace mireto {

std::vector<MonthlyLuck> MonthlyLuckOf(const YearCalendar& calendar, const NatalPillars& natal,
                                       const VoidBranches& voidBranches) {
  const Stem dayStem = natal.pillars[Pillar::Day].stem;
  const NatalRelationIndex index = IndexNatalPillars(natal);
  std::vector<MonthlyLuck> months;
  months.reserve(12);
  for (const CalendarTerm& term : calendar.terms) {
    if (!term.monthPillar) continue;
    MonthlyLuck& m = months.emplace_back();
    m.solarMonth = term.almanac.solarMonth;
    m.term = term.almanac.name;
    m.from = term.chartSwitch;
    m.almanac = term.almanac.jst;
    m.reading = ReadPeriodPillar(*term.monthPillar, Place::Annual, dayStem, index, voidBranches);
  }
  return months;
}

std::vector<DailyLuck> DailyLuckOf(int year, int month, const NatalPillars& natal, const VoidBranches& voidBranches) {
  const Stem dayStem = natal.pillars[Pillar::Day].stem;
  const NatalRelationIndex index = IndexNatalPillars(natal);
  std::vector<DailyLuck> days;
  if (month < 1 || month > 12) return days;
  const int length = MonthLengths(year)[static_cast<std::size_t>(month)];
  days.reserve(static_cast<std::size_t>(length));
  for (int day = 1; day <= length; ++day) {
    DailyLuck& d = days.emplace_back();
    d.day = CalendarDayOf(year, month, day);
    d.reading = ReadPeriodPillar(d.day.pillar, Place::Annual, dayStem, index, voidBranches);
  }
  return days;
}

}  // namespace mireto
