#include "chart/clock_time.h"

#include <chrono>
#include <cstdio>

#include "chart/text_format.h"

namespace mireto {

namespace {

// Floor division for negative seconds (dates before 1970).
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

std::int64_t ClockSeconds(const ClockTime& t) {
  using namespace std::chrono;
  const sys_days date{year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)}};
  return std::int64_t{date.time_since_epoch().count()} * kSecondsPerDay + t.hour * kSecondsPerHour + t.minute * 60 +
         t.second;
}

ClockTime FromClockSeconds(std::int64_t seconds) {
  using namespace std::chrono;
  const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
  const auto ofDay = static_cast<int>(seconds - days * kSecondsPerDay);
  const year_month_day date{sys_days{std::chrono::days{days}}};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          ofDay / 3600,
          ofDay / 60 % 60,
          ofDay % 60};
}

ClockTime ComputedClockTime(const BirthInput& in) {
  const int hour = in.hour.value_or(12);
  const int minute = in.hour && in.minute ? *in.minute : 0;
  return {in.year, in.month, in.day, hour, minute, 0};
}

std::string IsoText(const ClockTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

std::string JapaneseText(const ClockTime& t) {
  return FormatInteger(t.year) + "年" + FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日" +
         FormatInteger(t.hour) + "時" + FormatInteger(t.minute) + "分" + FormatInteger(t.second) + "秒";
}

}  // namespace mireto
