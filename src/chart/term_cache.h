// Solved solar terms kept between charts: the almanac instant of a term, and
// the second at which a chart changes month there at one time difference.
//
// A chart's longitude depends on the clock time plus the time difference, so
// a switch solved at one time difference, shifted by the difference in time
// difference, lands on (or within a second or two of) the switch at another.
// The crossing itself (a fraction of a second, from the solve) moves by the
// same shift: when it then lies well inside a second (kSafeFraction from
// either end, some thousand times the rounding of the shift and the solve's
// error), the first whole second after it is the switch. Otherwise the
// solver starts from the shifted second and checks it on the chart itself,
// one second at a time. Either way the second is the one solved afresh.
//
// A cache belongs to one set of tables and one thread; pass it to each call
// that may use it. It grows by a few dozen bytes per term solved.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "chart/almanac.h"

namespace mireto {

// The solar month and pillar year a chart gets at one clock moment.
struct ChartMonth {
  double sunLongitude = 0;  // degrees, as the chart's sunLongitude
  int solarMonth = 0;       // 1 = 丑 .. 12 = 子
  int pillarYear = 0;
  int yearCycle() const;   // 1..60, the year pillar
  int monthCycle() const;  // 1..60, the month pillar
};

class TermCache {
 public:
  // Seconds: how far inside a whole second a shifted crossing must lie to be
  // taken without evaluating the chart.
  static constexpr double kSafeFraction = 0.05;

  // A switch solved before, with the time difference it was solved at.
  struct Switch {
    std::int64_t second = 0;  // JST clock seconds from 1970-01-01: the first after the crossing
    double crossing = 0;      // the crossing itself (seconds, from the solve), in (second - 1, second]
    double jisaDays = 0;
    ChartMonth before;  // the chart at second - 1
    ChartMonth after;   // the chart at second
  };

  // The almanac instant of a term of a year (AlmanacTerm), solved once.
  const SolarTermInstant& Almanac(const CalendarTables& tables, int year, int index);

  // The switch of a term of a year solved at any time difference, if any.
  std::optional<Switch> FoundSwitch(int year, int index) const;
  void KeepSwitch(int year, int index, Switch found);

 private:
  static int Key(int year, int index) { return year * kSolarTermsPerYear + index; }
  std::unordered_map<int, SolarTermInstant> almanac_;
  std::unordered_map<int, Switch> switches_;
};

}  // namespace mireto
