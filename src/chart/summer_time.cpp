#include "chart/summer_time.h"

#include <cstdint>

#include "chart/text_format.h"
#include "core/calendar.h"

namespace mireto {

namespace {

struct IntervalSeconds {
  std::int64_t start;  // JST 00:00 of the starting Sunday
  std::int64_t end;    // JST 00:00 of the ending Sunday
};

IntervalSeconds Seconds(const SummerTimeInterval& i) {
  return {ClockSeconds({i.year, i.startMonth, i.startDay, 0, 0, 0}),
          ClockSeconds({i.year, i.endMonth, i.endDay, 0, 0, 0})};
}

std::string NeverExistedMessage(const BirthInput& in) { return NeverExistedReason(in) + "時刻を確かめてください"; }

}  // namespace

std::string NeverExistedReason(const BirthInput& in) {
  const ClockTime t = ComputedClockTime(in);
  return FormatInteger(t.year) + "年" + FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日" +
         FormatInteger(t.hour) + "時" + FormatInteger(t.minute) +
         "分は、夏時刻（サマータイム）の始まりで時計が0時から1時へ進められたため、存在しない時刻です。";
}

ClockKind ClassifyClockTime(const ClockTime& clock) {
  const std::int64_t s = ClockSeconds(clock);
  for (const SummerTimeInterval& row : kSummerTimeIntervals) {
    const IntervalSeconds i = Seconds(row);
    if (s < i.start || s >= i.end + kSecondsPerHour) continue;
    if (s < i.start + kSecondsPerHour) return ClockKind::NeverExisted;
    if (s < i.end) return ClockKind::Summer;
    return ClockKind::Repeated;
  }
  return ClockKind::Standard;
}

ClockTime CivilClockTime(const ClockTime& jst) {
  const std::int64_t s = ClockSeconds(jst);
  for (const SummerTimeInterval& row : kSummerTimeIntervals) {
    const IntervalSeconds i = Seconds(row);
    if (s >= i.start && s < i.end) return FromClockSeconds(s + kSecondsPerHour);
  }
  return jst;
}

// A date and time ComputeChart would take; anything else is left for it to refuse.
bool IsValidClockTime(const BirthInput& in) {
  if (in.year < 1 || in.month < 1 || in.month > 12) return false;
  if (in.day < 1 || in.day > MonthLengths(in.year)[in.month]) return false;
  if (!in.hour || *in.hour < 0 || *in.hour > 23) return false;
  return !in.minute || (*in.minute >= 0 && *in.minute <= 59);
}

ClockKind ClassifyBirth(const BirthInput& in) {
  if (!IsValidClockTime(in)) return ClockKind::Standard;
  return ClassifyClockTime(ComputedClockTime(in));
}

ClockReading ReadingUnder(SummerTimeRule rule, ClockKind kind) {
  const bool summer = kind != ClockKind::Standard;
  return rule == SummerTimeRule::Apply && summer ? ClockReading::SummerTime : ClockReading::AsEntered;
}

std::optional<BirthInput> BirthForReading(const BirthInput& in, ClockReading reading) {
  if (reading == ClockReading::AsEntered || !IsValidClockTime(in)) return in;
  const ClockTime clock = ComputedClockTime(in);
  if (ClassifyClockTime(clock) == ClockKind::NeverExisted) return std::nullopt;
  const ClockTime jst = FromClockSeconds(ClockSeconds(clock) - kSecondsPerHour);
  BirthInput out = in;
  out.year = jst.year;
  out.month = jst.month;
  out.day = jst.day;
  out.hour = jst.hour;  // the minute (or its absence) stays as entered
  return out;
}

SummerTimeDecision DecideSummerTime(const BirthInput& in, SummerTimeRule rule) {
  SummerTimeDecision d;
  d.rule = rule;
  d.kind = ClassifyBirth(in);
  d.reading = ReadingUnder(rule, d.kind);
  d.computed = BirthForReading(in, d.reading);
  if (!d.computed) d.error = NeverExistedMessage(in);
  return d;
}

ClockTime ClockUnder(SummerTimeRule rule, const ClockTime& jst) {
  return rule == SummerTimeRule::Apply ? CivilClockTime(jst) : jst;
}

}  // namespace mireto
