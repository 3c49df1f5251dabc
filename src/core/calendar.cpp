#include "core/calendar.h"

#include "core/numeric.h"

namespace mireto {

double JulianDay(double year, double month, double day) {
  double y = year;
  double m = month;
  if (y < 0) y = y - 1;
  if (m < 3) {  // January and February are months 13 and 14 of the previous year
    y = y - 1;
    m = m + 12;
  }
  const double jd = Int(365.25 * y) + Int(30.59 * (m - 2)) + day + 1721086.5;
  // Gregorian correction; integral, so its 16-bit conversion changes nothing.
  const double b = Int(y / 400) - Int(y / 100) + 2;
  return jd + b;
}

double JulianCenturies(double jd) { return (jd - 2415020.0) / 36525.0; }

MonthLengthTable MonthLengths(int year) {
  MonthLengthTable lengths = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 400 == 0) || (year % 4 == 0 && year % 100 != 0);
  if (leap) lengths[2] = 29;
  return lengths;
}

int WeekdayIndex(std::int32_t n) {
  const std::int64_t r = (static_cast<std::int64_t>(n) + 3) % 7;
  return CyclePosition(static_cast<int>(r), 7);
}

int SexagenaryDayIndex(std::int32_t n) {
  const std::int64_t r = (static_cast<std::int64_t>(n) - 9) % 60;
  return CyclePosition(static_cast<int>(r), 60);
}

int SexagenaryYearIndex(int year) {
  int r = year % 60 + 57;
  if (r > 60) r -= 60;
  return r;
}

int SexagenaryMonthIndex(int pillarYear, int month) {
  int h = pillarYear;
  if (month == 1) h = h + 1;  // the 丑 month takes the next year's month stems
  const int s = 12 * (h % 5 + 1) + 1;
  int r = s + month;
  if (r > 60) r -= 60;
  return r;
}

}  // namespace mireto
