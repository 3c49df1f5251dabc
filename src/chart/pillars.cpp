// The four pillars: solar month and pillar year from the Sun's longitude, then
// the year, month, day and hour pillars.
#include <array>
#include <cmath>

#include "chart/chart_steps.h"
#include "core/calendar.h"
#include "core/cycles.h"

namespace mireto::steps {

namespace {

// One row of the solar-month table: L in [from, to) (and, where given, a
// true-solar calendar month) gives the solar month; yearOffset is added to the
// true-solar year to give the pillar year. Rows are tested in order and a later
// match overrides an earlier one.
struct SolarMonthRow {
  double from;        // degrees, inclusive
  double to;          // degrees, exclusive
  int calendarMonth;  // 0: any
  int solarMonth;     // 1 = 丑 .. 12 = 子
  int yearOffset;
};

constexpr auto kSolarMonthRows = std::to_array<SolarMonthRow>({
    {315, 345, 0, 2, 0},    // 寅 from 立春
    {345, 360, 0, 3, 0},    // 卯
    {0, 15, 0, 3, 0},       // 卯
    {15, 45, 0, 4, 0},      // 辰
    {45, 75, 0, 5, 0},      // 巳
    {75, 105, 0, 6, 0},     // 午
    {105, 135, 0, 7, 0},    // 未
    {135, 165, 0, 8, 0},    // 申
    {165, 195, 0, 9, 0},    // 酉
    {195, 225, 0, 10, 0},   // 戌
    {225, 255, 0, 11, 0},   // 亥
    {255, 285, 12, 12, 0},  // 子 in December
    {0, 315, 2, 1, -1},     // 丑 in February before 立春
    {285, 315, 1, 1, -1},   // 丑 in January after 小寒
    {0, 285, 1, 12, -1},    // 子 in January before 小寒
});

// Cycle number of the 子 hour of a day, by the day's stem.
constexpr std::array<int, 10> kHourBaseByDayStem = {
    1,   // 甲
    13,  // 乙
    25,  // 丙
    37,  // 丁
    49,  // 戊
    1,   // 己
    13,  // 庚
    25,  // 辛
    37,  // 壬
    49,  // 癸
};

void SetPillar(ChartRecord& r, Pillar pillar, int cycleNumber) {
  const CycleNumber n{cycleNumber};
  r.stems[pillar] = n.stem();
  r.branches[pillar] = n.branch();
}

}  // namespace

void SolarMonthAndPillarYear(ChartRecord& r) {
  const double L = r.sunLongitude;
  for (const SolarMonthRow& row : kSolarMonthRows) {
    const bool inRange = L >= row.from && L < row.to;
    const bool inMonth = row.calendarMonth == 0 || row.calendarMonth == r.trueSolarTime.month;
    if (inRange && inMonth) {
      r.solarMonth = row.solarMonth;
      r.pillarYear = r.trueSolarTime.year + row.yearOffset;
    }
  }
}

void FourPillars(ChartRecord& r) {
  SolarMonthAndPillarYear(r);
  r.yearParity = r.pillarYear % 2;
  SetPillar(r, Pillar::Year, SexagenaryYearIndex(r.pillarYear));
  SetPillar(r, Pillar::Month, SexagenaryMonthIndex(r.pillarYear, r.solarMonth));
  // The day changes at true solar midnight; Int of a Julian day at 0h (x.5).
  const double j = JulianDay(r.trueSolarTime.year, r.trueSolarTime.month, r.trueSolarTime.day);
  SetPillar(r, Pillar::Day, SexagenaryDayIndex(static_cast<std::int32_t>(std::floor(j))));
  // Two-hour branches; 23:00-23:59 is the next day's 子 hour (k = 12).
  const int k = (r.trueSolarTime.hour + 1) / 2;
  const int base = kHourBaseByDayStem[r.stems[Pillar::Day].row()];
  int n = base + k;
  if (base == 49 && n > 60) n = 1;
  SetPillar(r, Pillar::Hour, n);
}

}  // namespace mireto::steps
