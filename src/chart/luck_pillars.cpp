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

constexpr double kDaysPerYear = 365.2422;           // tropical year
constexpr double kDaysPerLuckPillar = 3652.422;     // ten years
constexpr double kDaysOfTenLuckPillars = 36524.22;  // a hundred years

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

// The solar month in which the luck pillars change: the birth's, or the next
// one when the days of the starting age run past the month's thirty days.
int ChangeMonth(const ChartRecord& r, const AgeParts& age) {
  return age.days + r.trueSolarTime.day > 30 ? r.solarMonth + 1 : r.solarMonth;
}

// Whether the months of the starting age carry the change into the next year.
bool ChangeCarries(const ChartRecord& r, const AgeParts& age) { return ChangeMonth(r, age) + age.months > 13; }

// First and last age of each column from the first age of luck pillar 1.
std::array<LuckColumnAges, kLuckColumnCount> AgesFrom(int first) {
  const int last = first - 1;  // of column 0
  std::array<LuckColumnAges, kLuckColumnCount> ages{};
  for (std::size_t i = 0; i < ages.size(); ++i) {
    const int n = static_cast<int>(i);
    ages[i].first = n == 0 ? 0 : first + 10 * (n - 1);
    if (last < 0) {
      ages[i].last = n == 0 ? 0 : 9 + 10 * (n - 1);
    } else {
      ages[i].last = last + 10 * n;
    }
  }
  return ages;
}

int FirstLuckPillarAge(const ChartRecord& r, const AgeParts& age) {
  return age.years + (ChangeCarries(r, age) ? 1 : 0);
}

}  // namespace

std::pair<Stem, Branch> LuckColumn(const ChartRecord& r, int column) {
  const int steps = r.forward ? column : -column;
  return {r.stems[Pillar::Month].next(steps), r.branches[Pillar::Month].next(steps)};
}

void LuckPillars(ChartRecord& r, Sex sex, ChartDisplay& d) {
  r.forward = (r.yearParity == 1 && sex == Sex::Female) || (r.yearParity == 0 && sex == Sex::Male);
  r.luckStartYears = StartAge(r);
  const AgeParts age = SplitAge(r.luckStartYears);
  d.luckStartAge =
      "約" + FormatInteger(age.years) + "歳" + FormatInteger(age.months) + "カ月" + FormatInteger(age.days) + "日";

  for (std::size_t i = 0; i < d.luckStems.size(); ++i) {
    const auto [s, b] = LuckColumn(r, static_cast<int>(i));
    d.luckStems[i] = s.name();
    d.luckBranches[i] = b.name();
  }

  // The luck pillars change every ten years, in a year of stem ys and a month of branch mb.
  const int mm = ChangeMonth(r, age);
  const bool laterYear = (age.months > 1 && r.solarMonth == 1) || ChangeCarries(r, age);
  const Stem ys = r.stems[Pillar::Year].next(age.years + (laterYear ? 1 : 0));
  const Branch mb = Branch{}.next(age.months + mm + 1);
  d.luckChange = std::string(ys.name()) + "年" + std::string(mb.name()) + "月";

  // Age labels: luckFirstAges[i] the first age of luck pillar i + 1, luckLastAges[i] the last
  // age of the period of column i.
  const auto ages = AgesFrom(FirstLuckPillarAge(r, age));
  for (std::size_t i = 0; i < d.luckFirstAges.size(); ++i) {
    d.luckFirstAges[i] = FormatInteger(ages[i + 1].first);
  }
  for (std::size_t i = 0; i < d.luckLastAges.size(); ++i) {
    d.luckLastAges[i] = FormatInteger(ages[i].last);
  }
}

std::array<LuckColumnAges, kLuckColumnCount> LuckAges(const ChartRecord& r) {
  return AgesFrom(FirstLuckPillarAge(r, SplitAge(r.luckStartYears)));
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
