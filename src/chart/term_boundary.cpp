#include "chart/term_boundary.h"

#include <cmath>

#include "chart/chart_steps.h"
#include "core/calendar.h"

namespace mireto {

namespace {

constexpr double kFirstSectionalTerm = 15;  // degrees: 清明; the others every 30 degrees
constexpr double kDegreesPerTerm = 30;
constexpr double kMeanDegreesPerSecond = 0.9856474 / 86400;  // the Sun's mean motion
constexpr double kRootToleranceSeconds = 0.01;
constexpr int kMaxSecantSteps = 30;
constexpr int kMaxSecondSteps = 120;  // whole-second adjustments after the root

// Wraps an angle difference into (-180, 180] degrees.
double Wrap180(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

// Solar month opened by the sectional term at this longitude (15 -> 清明, 4).
int SolarMonthOfTerm(double termLongitude) {
  const int k = static_cast<int>(std::lround((termLongitude - kFirstSectionalTerm) / kDegreesPerTerm));
  return (k + 3) % 12 + 1;
}

// The sectional term at or below a longitude, in degrees (15 + 30k).
double PreviousTermLongitude(double sunLongitude) {
  const double k = std::floor((sunLongitude - kFirstSectionalTerm) / kDegreesPerTerm);
  return std::fmod(kFirstSectionalTerm + kDegreesPerTerm * k + 360, 360.0);
}

// Degrees from the term at or below a longitude, in [0, 30).
double DegreesSinceTerm(double sunLongitude) {
  return std::fmod(sunLongitude - PreviousTermLongitude(sunLongitude) + 360, 360.0);
}

// The chart at a JST clock moment; seconds from 1970-01-01 00:00:00.
struct Evaluator {
  const CalendarTables& tables;
  double jisaDays;
  ChartMonth operator()(double clockSeconds) const { return ChartMonthAt(tables, clockSeconds, jisaDays); }
};

// A whole second with the chart on either side of it.
struct Settled {
  std::int64_t second = 0;
  ChartMonth before;    // the chart at second - 1
  ChartMonth after;     // the chart at second
  bool exact = false;   // isAfter holds at second and not at second - 1
  double crossing = 0;  // the crossing found by the solve (seconds), if solved
};

// From a second near the crossing, the first whole second at which isAfter
// holds, stepping one second at a time (at most kMaxSecondSteps each way).
template <class IsAfter>
Settled SettleSecond(const Evaluator& at, const IsAfter& isAfter, std::int64_t second) {
  ChartMonth after = at(static_cast<double>(second));
  int forward = 0;
  for (; forward < kMaxSecondSteps && !isAfter(after); ++forward) {
    ++second;
    after = at(static_cast<double>(second));
  }
  ChartMonth before = at(static_cast<double>(second - 1));
  int backward = 0;
  for (; backward < kMaxSecondSteps && isAfter(before); ++backward) {
    --second;
    after = before;
    before = at(static_cast<double>(second - 1));
  }
  return {second, before, after, isAfter(after) && !isAfter(before)};
}

// The first whole second at which isAfter holds for the chart, near where the
// longitude reaches termLongitude; guess is a clock time in seconds.
template <class IsAfter>
Settled SolveCrossing(const Evaluator& at, double termLongitude, const IsAfter& isAfter, double guess) {
  // Secant on the wrapped difference from the term, started a minute apart.
  double s0 = guess;
  double f0 = Wrap180(at(s0).sunLongitude - termLongitude);
  double s1 = s0 - f0 / kMeanDegreesPerSecond;
  for (int i = 0; i < kMaxSecantSteps; ++i) {
    const double f1 = Wrap180(at(s1).sunLongitude - termLongitude);
    if (f1 == f0) break;
    const double s2 = s1 - f1 * (s1 - s0) / (f1 - f0);
    s0 = s1;
    f0 = f1;
    s1 = s2;
    if (std::fabs(s1 - s0) < kRootToleranceSeconds) break;
  }
  // The first whole second after the crossing, checked on the chart itself.
  Settled settled = SettleSecond(at, isAfter, static_cast<std::int64_t>(std::ceil(s1)));
  settled.crossing = s1;
  return settled;
}

// SolveCrossing, or the same term's switch at another time difference
// shifted (see term_cache.h) when the cache holds one (term: year and index
// 0..23).
template <class IsAfter>
Settled SolveCrossingWith(TermCache* cache, int year, int index, const Evaluator& at, double termLongitude,
                          const IsAfter& isAfter, double guess) {
  if (cache != nullptr) {
    if (const auto found = cache->FoundSwitch(year, index)) {
      const double shift = (found->jisaDays - at.jisaDays) * 86400;
      const double crossing = found->crossing + shift;
      const double fraction = crossing - std::floor(crossing);
      if (fraction > TermCache::kSafeFraction && fraction < 1 - TermCache::kSafeFraction) {
        return {static_cast<std::int64_t>(std::ceil(crossing)), found->before, found->after, true};
      }
      const Settled settled = SettleSecond(at, isAfter, found->second + std::llround(shift));
      if (settled.exact) return settled;
    }
  }
  const Settled solved = SolveCrossing(at, termLongitude, isAfter, guess);
  // Kept when the crossing found lies in the second before the switch.
  if (cache != nullptr && solved.exact && solved.crossing > static_cast<double>(solved.second - 1) &&
      solved.crossing <= static_cast<double>(solved.second)) {
    cache->KeepSwitch(year, index, {solved.second, solved.crossing, at.jisaDays, solved.before, solved.after});
  }
  return solved;
}

// The first whole second at which the chart's solar month is newMonth.
Settled SolveBoundary(TermCache* cache, int year, const Evaluator& at, double termLongitude, int newMonth,
                      double guess) {
  return SolveCrossingWith(
      cache, year, SectionalTermIndex(newMonth), at, termLongitude,
      [newMonth](const ChartMonth& m) { return m.solarMonth == newMonth; }, guess);
}

TermBoundary MakeBoundary(int solarMonth, const Settled& settled, std::int64_t birthSeconds) {
  TermBoundary b;
  b.solarMonth = solarMonth;
  b.term = kSectionalTermNames[static_cast<std::size_t>(solarMonth)];
  b.clockTime = FromClockSeconds(settled.second);
  b.minutes = static_cast<double>(birthSeconds - settled.second) / 60;
  b.before = settled.before;
  b.after = settled.after;
  return b;
}

// The year of a clock time in seconds.
int YearAt(double clockSeconds) { return FromClockSeconds(static_cast<std::int64_t>(std::floor(clockSeconds))).year; }

}  // namespace

int ChartMonth::yearCycle() const { return SexagenaryYearIndex(pillarYear); }

int ChartMonth::monthCycle() const { return SexagenaryMonthIndex(pillarYear, solarMonth); }

ChartMonth ChartMonthAt(const CalendarTables& tables, double clockSeconds, double jisaDays) {
  const double days = std::floor(clockSeconds / 86400);
  const ClockTime date = FromClockSeconds(static_cast<std::int64_t>(days) * kSecondsPerDay);
  const double minuteOfDay = (clockSeconds - days * 86400) / 60;
  // The fields ComputeChart fills from an entered date and time.
  ChartRecord r;
  TrueSolarTime& ts = r.trueSolarTime;
  ts.year = date.year;
  ts.month = date.month;
  ts.day = date.day;
  ts.hour = static_cast<int>(std::floor(minuteOfDay / 60));
  ts.minute = minuteOfDay - 60 * ts.hour;
  r.clockTimeDays = ts.hour / 24.0 + ts.minute / 1440;
  r.timeDifferenceDays = jisaDays;
  steps::SunAtTrueSolarMoment(r, tables);
  steps::SolarMonthAndPillarYear(r);
  return {r.sunLongitude, r.solarMonth, r.pillarYear};
}

const TermBoundary& TermBoundaries::nearer() const {
  return std::fabs(previous.minutes) <= std::fabs(next.minutes) ? previous : next;
}

TermBoundary FindTermBoundary(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record,
                              BoundarySide side) {
  return FindTermBoundary(tables, birth, record, side, nullptr);
}

TermBoundary FindTermBoundary(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record,
                              BoundarySide side, TermCache* cache) {
  const Evaluator at{tables, record.timeDifferenceDays};
  const std::int64_t birthSeconds = ClockSeconds(birth);
  // The terms on either side of the birth's longitude: previous <= L < next.
  const double L = record.sunLongitude;
  const double sinceTerm = DegreesSinceTerm(L);
  const bool previous = side == BoundarySide::Previous;
  const double term = std::fmod(PreviousTermLongitude(L) + (previous ? 0 : kDegreesPerTerm), 360.0);
  const double degreesAhead = previous ? -sinceTerm : kDegreesPerTerm - sinceTerm;
  const int month = SolarMonthOfTerm(term);
  const double guess = static_cast<double>(birthSeconds) + degreesAhead / kMeanDegreesPerSecond;
  return MakeBoundary(month, SolveBoundary(cache, YearAt(guess), at, term, month, guess), birthSeconds);
}

TermBoundaries FindTermBoundaries(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record) {
  return {FindTermBoundary(tables, birth, record, BoundarySide::Previous),
          FindTermBoundary(tables, birth, record, BoundarySide::Next)};
}

TermBoundaries FindTermBoundaries(const CalendarTables& tables, const ClockTime& birth, const ChartRecord& record,
                                  TermCache& cache) {
  TermBoundaries b{FindTermBoundary(tables, birth, record, BoundarySide::Previous, &cache),
                   FindTermBoundary(tables, birth, record, BoundarySide::Next, &cache)};
  for (TermBoundary* one : {&b.previous, &b.next}) {
    one->almanac = cache.Almanac(tables, one->clockTime.year, SectionalTermIndex(one->solarMonth)).jst;
  }
  return b;
}

ClockTime ChartSwitchTime(const CalendarTables& tables, const SolarTermInstant& term, double jisaDays) {
  return ChartSwitchTime(tables, term, jisaDays, nullptr);
}

ClockTime ChartSwitchTime(const CalendarTables& tables, const SolarTermInstant& term, double jisaDays,
                          TermCache* cache) {
  return ChartSwitchOf(tables, term, jisaDays, cache).clockTime;
}

ChartSwitch ChartSwitchOf(const CalendarTables& tables, const SolarTermInstant& term, double jisaDays,
                          TermCache* cache) {
  const Evaluator at{tables, jisaDays};
  const auto guess = static_cast<double>(ClockSeconds(term.jst));
  const int year = term.jst.year;
  const double longitude = term.longitude;
  const auto passed = [longitude](const ChartMonth& m) { return Wrap180(m.sunLongitude - longitude) >= 0; };
  const Settled settled = term.sectional ? SolveBoundary(cache, year, at, term.longitude, term.solarMonth, guess)
                                         : SolveCrossingWith(cache, year, term.index, at, longitude, passed, guess);
  return {FromClockSeconds(settled.second), settled.after};
}

double DegreesFromSectionalTerm(double sunLongitude) {
  const double sinceTerm = DegreesSinceTerm(sunLongitude);
  return std::fmin(sinceTerm, kDegreesPerTerm - sinceTerm);
}

}  // namespace mireto
