// Solved solar terms kept between charts: the almanac instant of a term, and
// the second at which a chart changes month there at one time difference.
//
// A chart's longitude depends on the clock time plus the time difference, so
// a switch solved at one time difference, shifted by the difference in time
// difference, lands on (or within a second or two of) the switch at another.
// The solver starts from that second and checks it on the chart itself, one
// second at a time, so a cached answer is exactly the one solved afresh.
//
// A cache belongs to one set of tables and one thread; pass it to each call
// that may use it. It grows by a few dozen bytes per term solved.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "chart/almanac.h"

namespace mireto {

class TermCache {
 public:
  // A switch second solved before, with the time difference it was solved at.
  struct Switch {
    std::int64_t second = 0;  // JST clock seconds from 1970-01-01
    double jisaDays = 0;
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
