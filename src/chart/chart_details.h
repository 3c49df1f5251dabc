// The readings of a chart beside its pillars: 通変星 and 蔵干通変星 (ten gods of
// the stems and hidden stems), 十二運 (twelve stages), 納音, 空亡, the same for the
// luck columns, and 年運 (the pillar of each year) for a span of years; the
// five-element balance and the relations (合・冲・刑・害・破) of the natal
// pillars, of each luck column and of each year with them.
//
// Everything is counted from the day stem (日干) with the default conventions
// of ten_gods.h, twelve_stages.h, five_elements.h and relation_rules.h; 空亡
// is the day pillar's. Names are views
// into constant tables, so a ChartDetails stays valid on its own.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "chart/five_elements.h"
#include "chart/month_day_luck.h"
#include "chart/natal_pillars.h"
#include "chart/period_pillar.h"
#include "chart/pillar.h"
#include "chart/pillar_relations.h"
#include "chart/void_branches.h"
#include "core/cycles.h"

namespace mireto {

struct PillarDetails {
  std::string_view stem;          // 天干 as the main window shows it
  std::string_view branch;        // 地支
  std::string_view hiddenStem;    // 蔵干
  std::string_view tenGod;        // 通変星 of the stem; 日主 for the day pillar
  std::string_view hiddenTenGod;  // 通変星 of the hidden stem
  std::string_view stage;         // 十二運 of the branch
  std::string_view nayin;         // 納音 of the pillar
  std::optional<bool> isVoid;     // branch in 空亡; none when the hour is unknown
};

// A luck column: its pillar read at Place::Luck, and its ages.
struct LuckColumnDetails : PeriodPillar {
  int firstAge = 0;  // age the column starts at, as the main window shows it
  int lastAge = 0;   // last age of the column
};

// 年運: a year's pillar read at Place::Annual.
struct AnnualPillar : PeriodPillar {
  int year = 0;            // Gregorian year; its pillar begins at 立春
  std::optional<int> age;  // age reached in that year; none before the birth year
};

// Years from..to, both included; years before 1 are not counted.
struct YearSpan {
  int from = 0;
  int to = 0;
};

struct DetailsRequest {
  bool hourKnown = true;
  int birthYear = 0;                              // the entered (Gregorian) year of birth
  std::optional<YearSpan> annual;                 // 年運 wanted for these years
  std::optional<int> currentYear;                 // the present year, marked in 年運
  std::optional<int> monthlyYear;                 // 月運 wanted for the months of this year (needs the tables)
  std::optional<std::pair<int, int>> dailyMonth;  // 日運 wanted for this year and month
};

struct ChartDetails {
  Stem dayStem;
  VoidBranches voidBranches;
  PerPillar<PillarDetails> pillars;
  FiveElementBalance balance;
  RelationList relations;                                // among the natal pillars
  std::array<LuckColumnDetails, kLuckColumnCount> luck;  // the order of the main window's columns
  std::optional<int> currentLuckColumn;                  // shown bold, 0..10
  int birthYear = 0;
  std::optional<int> currentYear;
  std::vector<AnnualPillar> annual;  // empty unless asked for
  std::vector<MonthlyLuck> monthly;  // empty unless asked for
  std::vector<DailyLuck> daily;      // empty unless asked for
  NatalPillars natal;                // what further months and days are read against
  double timeDifferenceDays = 0;     // the chart's, for the months' switches
};

// 月運 of another year and 日運 of another month for the same chart.
std::vector<MonthlyLuck> MonthlyLuckOfYear(const ChartDetails& details, const CalendarTables& tables, int year,
                                           TermCache& cache);
std::vector<DailyLuck> DailyLuckOfMonth(const ChartDetails& details, int year, int month);

// The request of the details window: 年運 from the birth year to 100 years
// later, the present year marked; 月運 of the present year (within the
// supported years) and 日運 of the present month.
DetailsRequest LifetimeDetailsRequest(bool hourKnown, int birthYear, const LocalDateTime& now);

// Without tables 月運 is left out even when asked for.
ChartDetails ComputeChartDetails(const Chart& chart, const DetailsRequest& request);
ChartDetails ComputeChartDetails(const Chart& chart, const DetailsRequest& request, const CalendarTables& tables,
                                 TermCache& cache);

// The characters of the chart's pillars that the balance and the relations read.
NatalPillars NatalPillarsOf(const ChartRecord& record, bool hourKnown);

// The pillar of each year of span with its readings against the day stem and
// its relations with the natal pillars.
std::vector<AnnualPillar> AnnualPillars(const NatalPillars& natal, const VoidBranches& voidBranches, int birthYear,
                                        YearSpan span);

}  // namespace mireto
