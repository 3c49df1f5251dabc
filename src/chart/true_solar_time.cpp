// Equation of time and the correction of the entered clock time to true solar time.
#include <cmath>

#include "chart/chart_steps.h"
#include "chart/text_format.h"
#include "core/calendar.h"
#include "core/constants.h"
#include "core/equation_of_time.h"
#include "core/numeric.h"

namespace mireto::steps {

namespace {

// One decimal that never shows 60.0: a remainder that would round up to a
// whole minute shows as 59.9 (the whole part is left as it is).
std::string SixtiethsText(double value) {
  std::string text = FormatOneDecimal(value);
  return text == "60.0" ? "59.9" : text;
}

}  // namespace

double EquationOfTimeMinutes(double year, double month, double dayWithFraction) {
  const double T = JulianCenturies(JulianDay(year, month, dayWithFraction));
  const double eps = MeanObliquity(T);
  const double L = SunMeanLongitude(T);
  const double w = SunPerigeeLongitude(T);
  const double e = OrbitEccentricity(T);
  const double E = EquationOfTime(eps, L, L - w, e);  // radians
  return E * 4 * 180 / kPi;
}

std::string EquationOfTimeText(double equationOfTimeMinutes) {
  const double magnitude = std::fabs(equationOfTimeMinutes);
  const double whole = Fix(magnitude);
  const std::string sign = equationOfTimeMinutes >= 0 ? "+" : "-";
  return sign + FormatInteger(static_cast<long long>(whole)) + "分" + SixtiethsText((magnitude - whole) * 60) + "秒";
}

void ApplyCorrection(TrueSolarTime& t, double du) {
  // Minutes: the first carry exactly as one step (minute - 60 + du keeps a
  // single rounding), then any further whole hours.
  if (du >= 0) {
    if (t.minute + du >= 60) {
      t.minute = t.minute - 60 + du;
      t.hour += 1;
    } else {
      t.minute += du;
    }
  } else {
    if (t.minute + du < 0) {
      t.minute = t.minute + 60 + du;
      t.hour -= 1;
    } else {
      t.minute += du;
    }
  }
  while (t.minute >= 60) {
    t.minute -= 60;
    t.hour += 1;
  }
  while (t.minute < 0) {
    t.minute += 60;
    t.hour -= 1;
  }
  // Hours into days, days into months and years, by the lengths of the months
  // of the year the date is in.
  while (t.hour >= 24) {
    t.hour -= 24;
    t.day += 1;
    if (t.day > MonthLengths(t.year)[t.month]) {
      t.day = 1;
      if (++t.month > 12) {
        t.month = 1;
        t.year += 1;
      }
    }
  }
  while (t.hour < 0) {
    t.hour += 24;
    t.day -= 1;
    if (t.day <= 0) {
      if (--t.month <= 0) {
        t.month = 12;
        t.year -= 1;
      }
      t.day = MonthLengths(t.year)[t.month];
    }
  }
}

std::string TrueSolarTimeText(const TrueSolarTime& t, bool hourUnknown) {
  std::string text = FormatInteger(t.year) + "年" + FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日";
  if (hourUnknown) return text + "確定不能";
  return text + FormatInteger(t.hour) + "時" + SixtiethsText(t.minute) + "分";
}

}  // namespace mireto::steps
