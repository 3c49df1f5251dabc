// The chart's own sectional-term boundaries (節入り) around a birth: the clock
// time at which the chart's solar month changes, found on the same path from
// clock time to longitude that ComputeChart takes (true solar time, light
// time and all), so the month pillar flips exactly there for this birthplace.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "chart/almanac.h"
#include "chart/chart.h"
#include "chart/clock_time.h"
#include "chart/term_cache.h"
#include "core/data_files.h"

namespace mireto {

// Names of the sectional terms by the solar month they open (1 = 丑 .. 12 = 子).
inline constexpr std::array<std::string_view, 13> kSectionalTermNames = {
    "",  // 0: unused, solar months count 1..12
    "小寒", "立春", "啓蟄", "清明", "立夏", "芒種", "小暑", "立秋", "白露", "寒露", "立冬", "大雪",
};

// The index in kSolarTermNames of the sectional term opening a solar month.
constexpr int SectionalTermIndex(int solarMonth) { return 2 * (solarMonth - 1); }

// The chart's month at a JST clock time given in seconds from 1970-01-01
// 00:00:00 (fractions allowed) with the time difference in days. At a whole
// minute it is exactly what ComputeChart finds for that clock time.
ChartMonth ChartMonthAt(const CalendarTables& tables, double clockSeconds, double jisaDays);

struct TermBoundary {
  int solarMonth = 0;                // the solar month the term opens
  std::string_view term;             // its name, 立春 ...
  ClockTime clockTime;               // JST clock: the first whole second of the new month
  double minutes = 0;                // birth minus boundary; positive: born after it
  ChartMonth before;                 // the chart one second before clockTime
  ChartMonth after;                  // the chart at clockTime (a switch taken from a TermCache
                                     // without evaluating the chart: the month and pillar year
                                     // of both sides, their longitudes those of the solve kept)
  std::optional<ClockTime> almanac;  // the term's almanac instant (JST), when asked for
};

struct TermBoundaries {
  TermBoundary previous;  // the last change at or before the birth
  TermBoundary next;      // the first change after it
  const TermBoundary& nearer() const;
};

enum class BoundarySide { Previous, Next };

// The boundary on one side of a birth, or both. birth is the JST clock time
// computed (ComputedClockTime of the input ComputeChart took), record its
// chart record (timeDifferenceDays and sunLongitude are read).
TermBoundary FindTermBoundary(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record,
                              BoundarySide side);
TermBoundaries FindTermBoundaries(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record);

// The same with solved terms reused from (and kept in) cache: the same
// seconds, most often from two evaluations of the chart each instead of a
// dozen. This one also gives each boundary's almanac instant.
TermBoundary FindTermBoundary(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record,
                              BoundarySide side, TermCache* cache);
TermBoundaries FindTermBoundaries(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record,
                                  TermCache& cache);

// The chart's own switch of a solar term at a time difference: the first
// whole second (JST clock) at which a chart at that time difference has
// passed the term, near the term's almanac instant. For a sectional term (節)
// it is the second the chart's month pillar changes, as FindTermBoundary
// finds it; for a middle term (中気) the second its longitude passes the
// term's.
ClockTime ChartSwitchTime(const CalendarTables& tables, const SolarTermInstant& term, double jisaDays);
ClockTime ChartSwitchTime(const CalendarTables& tables, const SolarTermInstant& term, double jisaDays,
                          TermCache* cache);

// The switch with the chart at it (its month pillar for a 節).
struct ChartSwitch {
  ClockTime clockTime;
  ChartMonth after;
};
ChartSwitch ChartSwitchOf(const CalendarTables& tables, const SolarTermInstant& term, double jisaDays,
                          TermCache* cache);

// Degrees from a longitude to the nearest sectional term (15 + 30k degrees).
double DegreesFromSectionalTerm(double sunLongitude);

// The Sun's apparent longitude moves at most 1.0194 degrees a day (at
// perihelion: mean motion 0.98565 deg/day x (1 + e)^2 / (1 - e^2)^1.5 with
// e = 0.0167; nutation adds under 1e-4 deg/day); one clock day is at most
// 1 + 4e-4 true solar days (the equation of time changes by under 31 s a
// day). So in 60 clock minutes the chart's longitude moves at most 0.04249
// degrees, and in 13 hours (noon, which an unknown hour counts as, to an hour
// past either end of the date) at most 0.5524 degrees. A chart farther than
// these margins from every term has no boundary within that time.
inline constexpr double kMaxDegreesPerClockDay = 1.0198;
inline constexpr double kHourMarginDegrees = 0.05;
inline constexpr double kHalfDayMarginDegrees = 0.6;

}  // namespace mireto
