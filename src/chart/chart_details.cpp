#include "chart/chart_details.h"

#include <algorithm>

#include "chart/chart_steps.h"
#include "chart/nayin.h"
#include "chart/ten_gods.h"
#include "chart/twelve_stages.h"
#include "core/calendar.h"
#include "core/constants.h"
#include "core/names.h"

namespace mireto {

namespace {

PillarDetails NatalPillar(const ChartRecord& r, Pillar pillar, Stem dayStem, const VoidBranches& voids) {
  const Stem stem = r.stems[pillar];
  const Branch branch = r.branches[pillar];
  const Stem hidden = r.hiddenStems[pillar];
  PillarDetails p;
  p.stem = stem.name();
  p.branch = branch.name();
  p.hiddenStem = hidden.name();
  p.tenGod = pillar == Pillar::Day ? kDayMaster : TenGodName(TenGodOf(dayStem, stem));
  p.hiddenTenGod = TenGodName(TenGodOf(dayStem, hidden));
  p.stage = TwelveStageName(TwelveStageOf(dayStem, branch));
  p.nayin = NayinOf(stem, branch);
  p.isVoid = voids.Contains(branch);
  return p;
}

// An hour that was not entered: every item is the placeholder, 空亡 unknown.
PillarDetails UnknownPillar() {
  PillarDetails p;
  p.stem = p.branch = p.hiddenStem = kPlaceholder;
  p.tenGod = p.hiddenTenGod = p.stage = p.nayin = kPlaceholder;
  p.isVoid = std::nullopt;
  return p;
}

// Fills column c in place (the relations are written straight into it).
void FillLuckColumn(LuckColumnDetails& c, const ChartRecord& r, int column, const steps::LuckColumnAges& ages,
                    const NatalPillars& natal, const NatalRelationIndex& index, const VoidBranches& voids) {
  const Stem dayStem = natal.pillars[Pillar::Day].stem;
  const auto [stem, branch] = steps::LuckColumn(r, column);
  static_cast<PeriodPillar&>(c) = ReadPeriodPillar(CycleOf(stem, branch), Place::Luck, dayStem, index, voids);
  c.firstAge = ages.first;
  c.lastAge = ages.last;
}

constexpr int kLifetimeYears = 100;

}  // namespace

NatalPillars NatalPillarsOf(const ChartRecord& r, bool hourKnown) {
  NatalPillars natal;
  natal.hourKnown = hourKnown;
  for (const Pillar p : kPillars) {
    natal.pillars[p] = PillarCharacters{r.stems[p], r.branches[p], r.hiddenStems[p]};
  }
  return natal;
}

DetailsRequest LifetimeDetailsRequest(bool hourKnown, int birthYear, const LocalDateTime& now) {
  DetailsRequest request;
  request.hourKnown = hourKnown;
  request.birthYear = birthYear;
  request.annual = YearSpan{birthYear, birthYear + kLifetimeYears};
  request.currentYear = now.year;
  request.monthlyYear = std::clamp(now.year, kFirstSupportedYear, kLastSupportedYear);
  request.dailyMonth = std::pair{now.year, now.month};
  return request;
}

ChartDetails ComputeChartDetails(const Chart& chart, const DetailsRequest& request) {
  const ChartRecord& r = chart.record;
  ChartDetails d;
  d.dayStem = r.stems[Pillar::Day];
  d.voidBranches = VoidBranchesOf(d.dayStem, r.branches[Pillar::Day]);
  for (const Pillar p : kPillars) d.pillars[p] = NatalPillar(r, p, d.dayStem, d.voidBranches);
  if (!request.hourKnown) d.pillars[Pillar::Hour] = UnknownPillar();
  const NatalPillars natal = NatalPillarsOf(r, request.hourKnown);
  d.natal = natal;
  d.timeDifferenceDays = r.timeDifferenceDays;
  d.balance = BalanceOf(natal);
  const NatalRelationIndex index = IndexNatalPillars(natal);
  FindNatalRelations(d.relations, index);
  const auto ages = steps::LuckAges(r);
  for (std::size_t i = 0; i < d.luck.size(); ++i) {
    FillLuckColumn(d.luck[i], r, static_cast<int>(i), ages[i], natal, index, d.voidBranches);
  }
  d.currentLuckColumn = chart.display.boldLuckColumn;
  d.birthYear = request.birthYear;
  d.currentYear = request.currentYear;
  if (request.annual) {
    d.annual = AnnualPillars(natal, d.voidBranches, request.birthYear, *request.annual);
  }
  if (request.dailyMonth) {
    d.daily = DailyLuckOf(request.dailyMonth->first, request.dailyMonth->second, natal, d.voidBranches);
  }
  return d;
}

ChartDetails ComputeChartDetails(const Chart& chart, const DetailsRequest& request, const CalendarTables& tables,
                                 TermCache& cache) {
  ChartDetails d = ComputeChartDetails(chart, request);
  if (request.monthlyYear) d.monthly = MonthlyLuckOfYear(d, tables, *request.monthlyYear, cache);
  return d;
}

std::vector<MonthlyLuck> MonthlyLuckOfYear(const ChartDetails& details, const CalendarTables& tables, int year,
                                           TermCache& cache) {
  return MonthlyLuckOf(ComputeYearCalendar(tables, year, details.timeDifferenceDays, cache), details.natal,
                       details.voidBranches);
}

std::vector<DailyLuck> DailyLuckOfMonth(const ChartDetails& details, int year, int month) {
  return DailyLuckOf(year, month, details.natal, details.voidBranches);
}

std::vector<AnnualPillar> AnnualPillars(const NatalPillars& natal, const VoidBranches& voidBranches, int birthYear,
                                        YearSpan span) {
  const Stem dayStem = natal.pillars[Pillar::Day].stem;
  const NatalRelationIndex index = IndexNatalPillars(natal);
  std::vector<AnnualPillar> years;
  const int from = std::max(span.from, 1);
  if (span.to < from) return years;
  years.reserve(static_cast<std::size_t>(span.to - from) + 1);
  for (int year = from; year <= span.to; ++year) {
    AnnualPillar& a = years.emplace_back();
    static_cast<PeriodPillar&>(a) =
        ReadPeriodPillar(CycleNumber{SexagenaryYearIndex(year)}, Place::Annual, dayStem, index, voidBranches);
    a.year = year;
    if (year >= birthYear) a.age = year - birthYear;
  }
  return years;
}

}  // namespace mireto
