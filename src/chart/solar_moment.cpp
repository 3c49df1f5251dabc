// From an entered clock time to the Sun's apparent longitude at the corrected
// true solar moment: the one path every chart and every boundary search takes.
#include <optional>

#include "chart/chart_steps.h"
#include "core/constants.h"
#include "core/sun.h"

namespace mireto::steps {

namespace {

// Light time of the Sun's distance plus a secular term, in days.
//   distanceAu  the Sun's distance (AU); 1 AU = 1495.9787e5 km, c = 2.99792458e5 km/s
//   enteredYear the year as entered (not the true solar year)
// The second term adds 0.9101 s per year counted from 1885.
double LightTimeAndSecularDays(double distanceAu, int enteredYear) {
  return ((1495.9787 * distanceAu / 2.99792458) / 3600) / 24 + (enteredYear - 1885) * 0.0000105337078651;
}

// ut less the light time at ut and the secular term. The first position serves only for its
// distance, and only through this difference: when the fast bounds on the
// distance give the same difference at both ends, it is the one the full
// computation gives (the light time rises with the distance, the difference
// falls).
double UtEarlierByLightTime(const CalendarTables& tables, double year, double month, double ut, int enteredYear) {
  if (const std::optional<DistanceBounds> d = BoundSunDistance(tables, year, month, ut)) {
    const double early = ut - LightTimeAndSecularDays(d->high, enteredYear);
    const double late = ut - LightTimeAndSecularDays(d->low, enteredYear);
    if (early == late) return early;
  }
  return ut - LightTimeAndSecularDays(ComputeSunDistance(tables, year, month, ut), enteredYear);
}

}  // namespace

void SunAtTrueSolarMoment(ChartRecord& r, const CalendarTables& tables) {
  TrueSolarTime& ts = r.trueSolarTime;
  const int enteredYear = ts.year;
  // Equation of time at the entered clock time, then true solar time.
  r.equationOfTimeMinutes = EquationOfTimeMinutes(ts.year, ts.month, ts.day + r.clockTimeDays + r.timeDifferenceDays);
  ApplyCorrection(ts, r.timeDifferenceDays * 1440 + r.equationOfTimeMinutes);

  // The Sun's longitude at the corrected moment in Universal Time, again
  // earlier by the light time.
  const double trueClockTimeDays = ts.hour / 24.0 + ts.minute / 1440;
  const double ut = ts.day + trueClockTimeDays - kJstToUtDays;
  const double seenUt = UtEarlierByLightTime(tables, ts.year, ts.month, ut, enteredYear);
  r.sunLongitude = ComputeSunLongitude(tables, ts.year, ts.month, seenUt);
}

}  // namespace mireto::steps
