// A wall-clock date and time to the second, and whole-second arithmetic on it.
#pragma once

#include <cstdint>
#include <string>

#include "chart/chart.h"

namespace mireto {

// A clock reading (proleptic Gregorian), to the second. Which clock (Japan
// Standard Time or the summer-time clock) is said where it is used.
struct ClockTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kSecondsPerHour = 3600;

// Seconds from 1970-01-01 00:00:00 of the same clock; FromClockSeconds is the inverse.
std::int64_t ClockSeconds(const ClockTime& t);
ClockTime FromClockSeconds(std::int64_t seconds);

// The clock time the chart computes for an input: an unknown hour counts as
// 12:00 and an unknown minute as 0, as ComputeChart takes them.
ClockTime ComputedClockTime(const BirthInput& in);

// "2024-02-04T17:45:12".
std::string IsoText(const ClockTime& t);

// "2024年2月4日17時45分12秒", as the chart's other dates are written.
std::string JapaneseText(const ClockTime& t);

}  // namespace mireto
