// The chart driver: from the entered birth data to every displayed text.
#include "chart/chart.h"

#include <cmath>
#include <utility>

#include "chart/chart_steps.h"
#include "chart/text_format.h"
#include "core/calendar.h"
#include "core/constants.h"
#include "core/names.h"
#include "core/numeric.h"

namespace mireto {

namespace {

constexpr double kMaxTimeDifferenceMinutes = 24 * 60;

std::string Validate(const BirthInput& in) {
  if (in.year < kFirstSupportedYear || in.year > kLastSupportedYear) {
    return "生年は1800年から2080年までの範囲で入力してください";
  }
  if (in.month < 1 || in.month > 12) return "生月は1から12までです";
  if (in.day < 1 || in.day > MonthLengths(in.year)[in.month]) {
    return FormatInteger(in.year) + "年" + FormatInteger(in.month) + "月" + FormatInteger(in.day) +
           "日という日付はありません";
  }
  if (in.hour && (*in.hour < 0 || *in.hour > 23)) return "生時は0から23までです";
  if (in.minute && (*in.minute < 0 || *in.minute > 59)) return "分数は0から59までです";
  return {};
}

}  // namespace

double TimeDifferenceDays(const BirthInput& in) {
  const double m = LeadingNumber(in.jisaMinutesText);
  const double s = LeadingNumber(in.jisaSecondsText);
  const double sign = (m < 0 || std::signbit(m)) ? -1 : 1;
  return m / 1440 + sign * s / 86400;
}

std::optional<double> CheckedTimeDifferenceDays(const std::string& minutesText, const std::string& secondsText) {
  BirthInput input;
  input.jisaMinutesText = minutesText;
  input.jisaSecondsText = secondsText;
  const double days = TimeDifferenceDays(input);
  if (!(std::fabs(days * 1440) <= kMaxTimeDifferenceMinutes)) return std::nullopt;
  return days;
}

namespace {

std::string AgeText(const ChartRecord& r, int birthYear, int nowYear) {
  int age = nowYear - birthYear;
  if (r.anniversaryJulianDay - r.nowJulianDay > 0) age -= 1;
  return age < 0 ? "-" : FormatInteger(age);
}

}  // namespace

ChartOrError ComputeChart(const BirthInput& in, const CalendarTables& tables, const LocalDateTime& now) {
  if (std::string error = Validate(in); !error.empty()) return {std::nullopt, error};

  Chart chart;
  ChartRecord& r = chart.record;
  ChartDisplay& d = chart.display;
  const bool hourUnknown = !in.hour.has_value();

  // The true solar time starts as the entered clock time and is corrected below.
  TrueSolarTime& ts = r.trueSolarTime;
  r.birthJulianDay = JulianDay(in.year, in.month, in.day);
  ts.year = in.year;
  ts.month = in.month;
  ts.day = in.day;
  ts.hour = hourUnknown ? 12 : *in.hour;
  ts.minute = (hourUnknown || !in.minute) ? 0 : *in.minute;
  r.clockTimeDays = ts.hour / 24.0 + ts.minute / 1440;

  r.timeDifferenceDays = TimeDifferenceDays(in);
  if (!(std::fabs(r.timeDifferenceDays * 1440) <= kMaxTimeDifferenceMinutes)) {
    return {std::nullopt, "時差が大きすぎます。±24時間以内で入力してください"};
  }
  r.birthMomentJulianDay = r.birthJulianDay + r.clockTimeDays + r.timeDifferenceDays;

  // Age at the present moment.
  r.anniversaryJulianDay = JulianDay(now.year, in.month, in.day + r.clockTimeDays);
  r.nowJulianDay = JulianDay(now.year, now.month, now.day + now.hour / 24.0 + now.minute / 1440.0);
  d.age = AgeText(r, in.year, now.year);

  const auto n = static_cast<std::int32_t>(r.birthJulianDay - 0.5);
  d.weekday = std::string(WeekdayNames[WeekdayIndex(n)]) + "曜日";

  // Equation of time, true solar time and the Sun's longitude at that moment.
  steps::SunAtTrueSolarMoment(r, tables);
  d.equationOfTime = steps::EquationOfTimeText(r.equationOfTimeMinutes);
  d.trueSolarTime = steps::TrueSolarTimeText(ts, hourUnknown);
  d.sunLongitude = FormatGeneral(r.sunLongitude);

  steps::FourPillars(r);
  for (Pillar p : kPillars) {
    d.stems[p] = r.stems[p].name();
    d.branches[p] = r.branches[p].name();
  }
  if (hourUnknown) {
    d.stems[Pillar::Hour] = kPlaceholder;
    d.branches[Pillar::Hour] = kPlaceholder;
  }

  steps::LuckPillars(r, in.sex, d);

  steps::HiddenStems(r, d);
  for (Pillar p : kPillars) d.hiddenStems[p] = r.hiddenStems[p].name();
  if (hourUnknown) d.hiddenStems[Pillar::Hour] = kPlaceholder;

  r.currentLuckColumn = steps::CurrentLuckColumn(r);
  d.boldLuckColumn = r.currentLuckColumn;
  return {std::move(chart), {}};
}

}  // namespace mireto
