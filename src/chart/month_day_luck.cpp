#include "chart/month_day_luck.h"

#include "chart/ten_gods.h"
#include "chart/twelve_stages.h"
#include "core/calendar.h"

namespace mireto {

PeriodPillar ReadPeriodPillar(CycleNumber pillar, Stem dayStem, const NatalRelationIndex& index,
                              const VoidBranches& voidBranches) {
  PeriodPillar p;
  p.pillar = pillar;
  p.stem = pillar.stem().name();
  p.branch = pillar.branch().name();
  p.tenGod = TenGodName(TenGodOf(dayStem, pillar.stem()));
  p.stage = TwelveStageName(TwelveStageOf(dayStem, pillar.branch()));
  p.isVoid = voidBranches.Contains(pillar.branch());
  FindRelationsWith(p.relations, Place::Annual, pillar.stem(), pillar.branch(), index);
  return p;
}

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
    m.reading = ReadPeriodPillar(*term.monthPillar, dayStem, index, voidBranches);
  }
  return months;
}

std::vector<DailyLuck> DailyLuckOf(int year, int month, const NatalPillars& natal,
                                   const VoidBranches& voidBranches) {
  const Stem dayStem = natal.pillars[Pillar::Day].stem;
  const NatalRelationIndex index = IndexNatalPillars(natal);
  std::vector<DailyLuck> days;
  if (month < 1 || month > 12) return days;
  const int length = MonthLengths(year)[static_cast<std::size_t>(month)];
  days.reserve(static_cast<std::size_t>(length));
  for (int day = 1; day <= length; ++day) {
    DailyLuck& d = days.emplace_back();
    d.day = CalendarDayOf(year, month, day);
    d.reading = ReadPeriodPillar(d.day.pillar, dayStem, index, voidBranches);
  }
  return days;
}

}  // namespace mireto
