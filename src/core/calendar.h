// Calendar and cycle arithmetic: Julian days, Julian centuries, month lengths,
// weekdays and the sexagenary cycle numbers of a day, a year and a solar month.
//
// The proleptic Gregorian calendar is used throughout; there is no Julian
// calendar cut-over. A Julian day is a double whose integer part changes at
// noon, so 0h of a date ends in .5.
#pragma once

#include <array>
#include <cstdint>

namespace mireto {

// Julian day of a Gregorian date.
//   Given:    year, month   integral reals (month 1..12; other values count on
//                           linearly from the year's start)
//             day           day of the month with the time of day as a
//                           fraction; may lie below 1 or above the month length
//   Returned: Julian day (JD 2451544.5 = 2000-01-01 0h)
// Notes:
//   1. January and February count as months 13 and 14 of the previous year.
//   2. Exact for dates: JulianDay(2000, 1, 1) = 2451544.5; the result is linear
//      in the day, so JulianDay(2000, 3, 0) = JulianDay(2000, 2, 29).
//   3. The Gregorian correction B = Int(Y/400) - Int(Y/100) + 2 is a 16-bit
//      integer in the original routine; it is exact for |year| < 3,000,000.
// Source: the classical Int(365.25 Y) + Int(30.59 (M - 2)) day-count formula.
double JulianDay(double year, double month, double day);

// Julian centuries of 36525 days from JD 2415020.0 (1900 January 0.5).
double JulianCenturies(double jd);

// Lengths of the months of a Gregorian year, index 1..12 (index 0 unused).
// February has 29 days when year Mod 400 = 0, or year Mod 4 = 0 and
// year Mod 100 != 0.
using MonthLengthTable = std::array<int, 13>;
MonthLengthTable MonthLengths(int year);

// Weekday 1..7 (1 = Sunday .. 7 = Saturday) of day number n = jd0 - 0.5, where
// jd0 is the Julian day of the date at 0h: (n + 3) Mod 7, 0 read as 7.
// 2000-01-01 (n = 2451544) gives 7, Saturday.
int WeekdayIndex(std::int32_t n);

// Sexagenary cycle number 1..60 of a day from its integral day number
// n = Int(jd0): (n - 9) Mod 60, 0 read as 60. 2451544 (2000-01-01) gives 55, 戊午.
// Reducing n by a multiple of 1200 (or 60) leaves the result unchanged.
int SexagenaryDayIndex(std::int32_t n);

// Sexagenary cycle number 1..60 of a year: (y Mod 60) + 57, less 60 when above 60.
// 1984 gives 1 (甲子), 2000 gives 17 (庚辰).
int SexagenaryYearIndex(int year);

// Sexagenary cycle number 1..60 of solar month t (1 = 丑 .. 12 = 子) of the
// solar-term year h: for t = 1 the next year's cycle is used (h + 1); then
// 12 ((h Mod 5) + 1) + 1 + t, less 60 when above 60.
// (1984, 2) gives 3 (丙寅); (1984, 12) 13 (丙子); (1984, 1) 14 (丁丑).
int SexagenaryMonthIndex(int pillarYear, int month);

}  // namespace mireto
