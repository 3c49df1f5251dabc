// Luck pillars: direction, starting age, the eleven columns with their ages,
// the change year and month, and the column of the present day.
#include <cmath>

#include "chart/chart_steps.h"
#include "chart/text_format.h"
#include "core/cycles.h"
#include "core/numeric.h"
#include "core/sun.h"

namespace mireto::steps {

namespace {

constexpr double kDaysPerYear = 365.2422;            // tropical year
constexpr double kDaysPerLuckPillar = 3652.422;      // ten years
constexpr double kDaysOfTenLuckPillars = 36524.22;   // a hundred years

// The starting age split into whole years, months (12 a year) and days (30 a month).
struct AgeParts {
  int years;
  int months;
  int days;
};

AgeParts SplitAge(double startAge) {
  const double years = Fix(startAge);
  const double f = startAge - years;
  const double months = Fix(f * 12);
  const double days = Fix((f * 12 - months) * 30);
  return {static_cast<int>(years), static_cast<int>(months), static_cast<int>(days)};
}

// Solar-longitude degrees from the birth to the sectional term in the
// direction of the luck pillars; three degrees count as one year.
double StartAge(const ChartRecord& r) {
  int next = r.solarMonth + 1;
  if (next == 13) next = 1;
  const double extra = next == 4 ? 360 : 0;  // the next term lies past 0 deg
  double a = r.forward ? SolarTermLongitude(next, 0) - r.sunLongitude + extra
                       : r.sunLongitude - SolarTermLongitude(r.solarMonth, 0) + 360;
  if (a >= 360) a -= 360;
  return a / 3;
}

}  // namespace

void LuckPillars(ChartRecord& r, Sex sex, ChartDisplay& d) {
  r.forward = (r.yearParity == 1 && sex == Sex::Female) || (r.yearParity == 0 && sex == Sex::Male);
  r.luckStartYears = StartAge(r);
  const AgeParts age = SplitAge(r.luckStartYears);
  d.luckStartAge = "約" + FormatInteger(age.years) + "歳" + FormatInteger(age.months) + "カ月" +
                FormatInteger(age.days) + "日";

  // Column 0 is the month pillar; each further column one step along the cycle.
  Stem s{r.stems[Pillar::Month]};
  Branch b{r.branches[Pillar::Month]};
  const int step = r.forward ? 1 : -1;
  for (std::size_t i = 0; i < d.luckStems.size(); ++i) {
    d.luckStems[i] = s.name();
    d.luckBranches[i] = b.name();
    s = s.next(step);
    b = b.next(step);
  }

  // The luck pillars change every ten years, in a year of stem ys and a month of branch mb.
  int mm = r.solarMonth;
  if (age.days + r.trueSolarTime.day > 30) mm = r.solarMonth + 1;
  const bool carry = mm + age.months > 13;
  int ys = r.stems[Pillar::Year] + age.years;
  if ((age.months > 1 && r.solarMonth == 1) || carry) ys += 1;
  ys = WrapCycle(ys % 10, 10);
  const int mb = WrapCycle((age.months + mm + 1) % 12, 12);
  d.luckChange = std::string(StemNames[ys]) + "年" + std::string(BranchNames[mb]) + "月";

  // Age labels: luckFirstAges[i] the first age of luck pillar i + 1, luckLastAges[i] the last
  // age of the period of column i.
  const int first = age.years + (carry ? 1 : 0);
  for (std::size_t i = 0; i < d.luckFirstAges.size(); ++i) {
    d.luckFirstAges[i] = FormatInteger(first + 10 * static_cast<int>(i));
  }
  const int last = first - 1;
  for (std::size_t i = 0; i < d.luckLastAges.size(); ++i) {
    const int n = static_cast<int>(i);
    if (last < 0) {
      d.luckLastAges[i] = i == 0 ? "0" : FormatInteger(9 + 10 * (n - 1));
    } else {
      d.luckLastAges[i] = FormatInteger(last + 10 * n);
    }
  }
}

std::optional<int> CurrentLuckColumn(const ChartRecord& r) {
  const double e = r.timeDifferenceDays + r.nowJulianDay - r.birthMomentJulianDay;  // days lived, corrected local time
  if (e < 0) return std::nullopt;
  const double s = r.luckStartYears * kDaysPerYear;
  if (e < s) return 0;
  if (!(e < s + kDaysOfTenLuckPillars)) return std::nullopt;
  for (int j = 1; j <= 10; ++j) {
    if (s + (j - 1) * kDaysPerLuckPillar <= e && e < s + j * kDaysPerLuckPillar) return j;
  }
  return std::nullopt;
}

}  // namespace mireto::steps
