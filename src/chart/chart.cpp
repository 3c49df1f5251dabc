// The chart driver: from the entered birth data to every displayed text.
#include "chart/chart.h"

#include <cmath>

#include "chart/chart_steps.h"
#include "chart/text_format.h"
#include "core/calendar.h"
#include "core/names.h"
#include "core/numeric.h"

namespace mireto {

namespace {

constexpr int kFirstYear = 1800;
constexpr int kLastYear = 2080;
constexpr double kMaxTimeDifferenceMinutes = 24 * 60;

std::string Validate(const BirthInput& in) {
  if (in.year < kFirstYear || in.year > kLastYear) {
    return "生年は1800年から2080年までの範囲で入力してください";
  }
  if (in.month < 1 || in.month > 12) return "生月は1から12までです";
  if (in.day < 1 || in.day > MonthLengths(in.year)[in.month]) {
    return FormatInteger(in.year) + "年" + FormatInteger(in.month) + "月" +
           FormatInteger(in.day) + "日という日付はありません";
  }
  if (in.hour && (*in.hour < 0 || *in.hour > 23)) return "生時は0から23までです";
  if (in.minute && (*in.minute < 0 || *in.minute > 59)) return "分数は0から59までです";
  return {};
}

// Local time difference in days from the two field texts. The seconds take the
// sign of the minutes; a minutes text "-0" makes them count westwards too.
double TimeDifferenceDays(const BirthInput& in) {
  const double m = LeadingNumber(in.jisaMinutesText);
  const double s = LeadingNumber(in.jisaSecondsText);
  const double sign = (m < 0 || std::signbit(m)) ? -1 : 1;
  return m / 1440 + sign * s / 86400;
}

std::string AgeText(const ChartRecord& r, int birthYear, int nowYear) {
  int age = nowYear - birthYear;
  if (r.jAnniversary - r.jNow > 0) age -= 1;
  return age < 0 ? "-" : FormatInteger(age);
}

}  // namespace

ChartOrError compute_chart(const BirthInput& in, const CalendarTables& tables,
                           const LocalDateTime& now) {
  if (std::string error = Validate(in); !error.empty()) return {std::nullopt, error};

  Chart chart;
  ChartRecord& r = chart.record;
  ChartDisplay& d = chart.display;
  const bool hourUnknown = !in.hour.has_value();

  r.jBirth = JulianDay(in.year, in.month, in.day);
  r.tsYear = in.year;
  r.tsMonth = in.month;
  r.tsDay = in.day;
  r.tsHour = hourUnknown ? 12 : *in.hour;
  r.tsMinute = (hourUnknown || !in.minute) ? 0 : *in.minute;
  r.jihun = r.tsHour / 24.0 + r.tsMinute / 1440;

  r.jisa = TimeDifferenceDays(in);
  if (!(std::fabs(r.jisa * 1440) <= kMaxTimeDifferenceMinutes)) {
    return {std::nullopt, "時差が大きすぎます。±24時間以内で入力してください"};
  }
  r.jBirthS = r.jBirth + r.jihun + r.jisa;

  // Age at the present moment.
  r.jAnniversary = JulianDay(now.year, in.month, in.day + r.jihun);
  r.jNow = JulianDay(now.year, now.month, now.day + now.hour / 24.0 + now.minute / 1440.0);
  d.txtAge = AgeText(r, in.year, now.year);

  const auto n = static_cast<std::int32_t>(r.jBirth - 0.5);
  d.txtweek = std::string(WeekdayNames[WeekdayIndex(n)]) + "曜日";

  // Equation of time, true solar time and the Sun's longitude at that moment.
  steps::SunAtTrueSolarMoment(r, tables);
  d.txtKinjisa = steps::EquationOfTimeText(r.zg2);
  d.txtShin = steps::TrueSolarTimeText(r, hourUnknown);
  d.txtKoukei = FormatGeneral(r.birth_nl);

  steps::FourPillars(r);
  for (std::size_t i = 0; i < 4; ++i) {
    d.kan[i] = StemNames[r.stem[i]];
    d.shi[i] = BranchNames[r.branch[i]];
  }
  if (hourUnknown) {
    d.kan[3] = kPlaceholder;
    d.shi[3] = kPlaceholder;
  }

  steps::LuckPillars(r, in.sex, d);

  steps::HiddenStems(r, d);
  for (std::size_t i = 0; i < 4; ++i) d.zokan[i] = StemNames[r.hiddenStem[i]];
  if (hourUnknown) d.zokan[3] = kPlaceholder;

  r.currentLuckColumn = steps::CurrentLuckColumn(r);
  d.boldColumn = r.currentLuckColumn;
  return {chart, {}};
}

}  // namespace mireto
