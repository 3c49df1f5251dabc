// The almanac instants of the 24 solar terms (二十四節気): the moment the
// Sun's apparent longitude reaches each multiple of 15 degrees, in Japan
// Standard Time, as almanacs print them.
//
// Two clocks, two different times. The almanac instant is one astronomical
// moment for the whole country. A chart does not change its month at that
// instant: it decides the month on true solar time at the birthplace, so its
// boundary (term_boundary.h) falls earlier or later on the clock by the
// equation of time and the birthplace's time difference. 立春 2000 is at
// 21:40 JST in the almanac; the chart of a birth at 135 degrees east (time
// difference 0) changes month at 21:57:34, the equation of time then being
// about -14 minutes, and the chart's own light-time convention adding the rest.
//
// Time scales. Newcomb's tables are a theory in ephemeris time, today's
// Terrestrial Time (TT). The instant is solved in TT, with the light time of
// the Sun's distance subtracted (the theory has no aberration term), then
// brought to Universal Time with ΔT (core/delta_t.h), and to JST by adding
// 9 hours. The charts' own path (solar_moment.cpp) takes its argument as
// given, which is why the two are kept apart.
#pragma once

#include <array>
#include <string_view>

#include "chart/clock_time.h"
#include "core/data_files.h"

namespace mireto {

// The terms of a calendar year in order, from 小寒 (285 degrees) to 冬至
// (270 degrees); the even ones are the sectional terms (節) that open a solar
// month, the odd ones the middle terms (中気).
inline constexpr auto kSolarTermNames = std::to_array<std::string_view>({
    "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至",
    "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
});
inline constexpr int kSolarTermsPerYear = 24;

struct SolarTermInstant {
  int index = 0;           // 0 = 小寒 .. 23 = 冬至
  std::string_view name;   // kSolarTermNames[index]
  double longitude = 0;    // degrees: 285 + 15 index, less 360 from 春分 on
  bool sectional = false;  // 節 (true) or 中気
  int solarMonth = 0;      // for a 節, the solar month it opens (1 = 丑 .. 12 = 子); 0 for 中気
  ClockTime jst;           // the instant in Japan Standard Time, to the nearest second
};

// The term of a year by index.
//   Given:    tables  the loaded solar-theory tables
//             year    Gregorian year (the program uses 1800-2080)
//             index   0..23 (0 = 小寒)
//   Returned: the term with its JST instant
// Notes:
//   1. Solved by the secant method on the apparent longitude to 0.01 s.
//   2. Agrees with an independent ephemeris within 37 s (RMS 14 s) 1800-2080
//      (tests/chart/almanac_test.cpp reports the largest and RMS differences).
SolarTermInstant AlmanacTerm(const CalendarTables& tables, int year, int index);

// All 24 terms of a year, in order.
std::array<SolarTermInstant, kSolarTermsPerYear> AlmanacTermsOfYear(const CalendarTables& tables, int year);

}  // namespace mireto
