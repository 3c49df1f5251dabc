// Equation of time and the correction of the entered clock time to true solar time.
#include <cmath>

#include "chart/chart_steps.h"
#include "chart/text_format.h"
#include "core/calendar.h"
#include "core/equation_of_time.h"
#include "core/numeric.h"

namespace mireto::steps {

namespace {

constexpr double kPi = 3.14159265358979;

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

std::string EquationOfTimeText(double zg2) {
  const double magnitude = std::fabs(zg2);
  const double whole = Fix(magnitude);
  const std::string sign = zg2 >= 0 ? "+" : "-";
  return sign + FormatInteger(static_cast<long long>(whole)) + "分" +
         SixtiethsText((magnitude - whole) * 60) + "秒";
}

void ApplyCorrection(ChartRecord& r, double du) {
  // Minutes: the first carry exactly as one step (tsMinute - 60 + du keeps a
  // single rounding), then any further whole hours.
  if (du >= 0) {
    if (r.tsMinute + du >= 60) {
      r.tsMinute = r.tsMinute - 60 + du;
      r.tsHour += 1;
    } else {
      r.tsMinute += du;
    }
  } else {
    if (r.tsMinute + du < 0) {
      r.tsMinute = r.tsMinute + 60 + du;
      r.tsHour -= 1;
    } else {
      r.tsMinute += du;
    }
  }
  while (r.tsMinute >= 60) {
    r.tsMinute -= 60;
    r.tsHour += 1;
  }
  while (r.tsMinute < 0) {
    r.tsMinute += 60;
    r.tsHour -= 1;
  }
  // Hours into days, days into months and years, by the lengths of the months
  // of the year the date is in.
  while (r.tsHour >= 24) {
    r.tsHour -= 24;
    r.tsDay += 1;
    if (r.tsDay > MonthLengths(r.tsYear)[r.tsMonth]) {
      r.tsDay = 1;
      if (++r.tsMonth > 12) {
        r.tsMonth = 1;
        r.tsYear += 1;
      }
    }
  }
  while (r.tsHour < 0) {
    r.tsHour += 24;
    r.tsDay -= 1;
    if (r.tsDay <= 0) {
      if (--r.tsMonth <= 0) {
        r.tsMonth = 12;
        r.tsYear -= 1;
      }
      r.tsDay = MonthLengths(r.tsYear)[r.tsMonth];
    }
  }
}

std::string TrueSolarTimeText(const ChartRecord& r, bool hourUnknown) {
  std::string text = FormatInteger(r.tsYear) + "年" + FormatInteger(r.tsMonth) + "月" +
                     FormatInteger(r.tsDay) + "日";
  if (hourUnknown) return text + "確定不能";
  return text + FormatInteger(r.tsHour) + "時" + SixtiethsText(r.tsMinute) + "分";
}

}  // namespace mireto::steps
