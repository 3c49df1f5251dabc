// Japan's summer time of 1948-1951: which clock readings were summer time,
// which never existed and which happened twice, and the birth a chart is
// computed for under either reading.
//
// Clocks ran one hour ahead of Japan Standard Time (JST) from a Saturday
// 24:00 JST (the clock jumped to Sunday 01:00) to a Sunday 01:00 summer time
// (the clock went back to 00:00). Source: the tz database, zone Asia/Tokyo.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/chart.h"
#include "chart/clock_time.h"

namespace mireto {

// One summer-time period: the Sunday it began and the Sunday it ended. Each
// change happened at 00:00 JST of that Sunday.
struct SummerTimeInterval {
  int year;
  int startMonth, startDay;  // clock 00:00 -> 01:00; 00:00-00:59 never shown
  int endMonth, endDay;      // clock 01:00 -> 00:00; 00:00-00:59 shown twice
};

inline constexpr auto kSummerTimeIntervals = std::to_array<SummerTimeInterval>({
    {1948, 5, 2, 9, 12},
    {1949, 4, 3, 9, 11},
    {1950, 5, 7, 9, 10},
    {1951, 5, 6, 9, 9},
});

enum class ClockKind {
  Standard,      // Japan Standard Time
  Summer,        // summer time: one hour ahead of JST
  NeverExisted,  // skipped when the clocks went forward
  Repeated,      // shown twice: first in summer time, then in JST
};

// Which clock reading of a birth time a chart is computed for.
enum class ClockReading {
  AsEntered,   // the clock time taken as JST
  SummerTime,  // the clock time taken as summer time: one hour earlier in JST
};

// The choice for a whole run (mireto-chart --summer-time).
enum class SummerTimeRule { Ignore, Apply };

// The kind of a clock reading.
ClockKind ClassifyClockTime(const ClockTime& clock);

// The clock people read at a JST moment: JST + 1 hour within summer time.
ClockTime CivilClockTime(const ClockTime& jst);

// A valid date with a known hour and a minute in range (or none).
bool IsValidClockTime(const BirthInput& in);

// The summer-time side of a birth as a chart uses it. An unknown hour has no
// clock time to read, so it is always Standard; so is an invalid date or time,
// which ComputeChart refuses.
ClockKind ClassifyBirth(const BirthInput& in);

// The reading a rule gives a kind: Apply reads summer and repeated times as
// summer time; Ignore takes everything as entered.
ClockReading ReadingUnder(SummerTimeRule rule, ClockKind kind);

// The birth the chart is computed for: as entered, or one hour earlier (the
// date moves back across midnight). A never-existing time read as summer
// time has no JST moment: nullopt.
std::optional<BirthInput> BirthForReading(const BirthInput& in, ClockReading reading);

// Why a never-existing clock time has no JST moment, one sentence ending in
// "。": "1950年5月7日0時30分は、…存在しない時刻です。".
std::string NeverExistedReason(const BirthInput& in);

// The whole decision for one birth. The desktop program turns the user's
// answer into the rule: はい (or the summer-time one of a repeated hour) is
// Apply, いいえ Ignore; a birth it did not ask about is Ignore.
struct SummerTimeDecision {
  SummerTimeRule rule = SummerTimeRule::Ignore;
  ClockKind kind = ClockKind::Standard;
  ClockReading reading = ClockReading::AsEntered;
  std::optional<BirthInput> computed;  // the birth ComputeChart takes; nullopt: refused
  std::string error;                   // why it was refused (Japanese)
};

SummerTimeDecision DecideSummerTime(const BirthInput& in, SummerTimeRule rule);

// A JST clock time as the clock of the rule reads it: under Apply the
// summer-time clock where summer time was in force, under Ignore JST.
ClockTime ClockUnder(SummerTimeRule rule, const ClockTime& jst);

}  // namespace mireto
