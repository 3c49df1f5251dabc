// From an entered clock time to the Sun's apparent longitude at the corrected
// true solar moment: the one path every chart and every boundary search takes.
#include "chart/chart_steps.h"
#include "core/sun.h"

namespace mireto::steps {

namespace {

constexpr double kJstToUtDays = 0.375;  // 9 hours: Japan Standard Time is UTC+9

// Light time of the Sun's distance plus a secular term, in days.
//   distanceAu  the Sun's distance (AU); 1 AU = 1495.9787e5 km, c = 2.99792458e5 km/s
//   enteredYear the year as entered (not the true solar year)
// The second term adds 0.9101 s per year counted from 1885.
double Gosa(double distanceAu, int enteredYear) {
  return ((1495.9787 * distanceAu / 2.99792458) / 3600) / 24 +
         (enteredYear - 1885) * 0.0000105337078651;
}

}  // namespace

void SunAtTrueSolarMoment(ChartRecord& r, const CalendarTables& tables) {
  const int enteredYear = r.tsYear;
  // Equation of time at the entered clock time, then true solar time.
  r.zg2 = EquationOfTimeMinutes(r.tsYear, r.tsMonth, r.tsDay + r.jihun + r.jisa);
  ApplyCorrection(r, r.jisa * 1440 + r.zg2);

  // The Sun's longitude at the corrected moment in Universal Time, again
  // earlier by the light time.
  const double jihunTrue = r.tsHour / 24.0 + r.tsMinute / 1440;
  double ut = r.tsDay + jihunTrue - kJstToUtDays;
  const SunPosition first = ComputeSunPosition(tables, r.tsYear, r.tsMonth, ut);
  r.gosa = Gosa(first.distance, enteredYear);
  ut = ut - r.gosa;
  r.birth_nl = ComputeSunPosition(tables, r.tsYear, r.tsMonth, ut).longitude;
}

}  // namespace mireto::steps
