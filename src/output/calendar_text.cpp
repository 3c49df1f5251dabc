#include "output/calendar_text.h"

#include <cmath>

#include "chart/text_format.h"
#include "core/names.h"
#include "output/details_text.h"

namespace mireto {

namespace {

constexpr int kMonths = 12;

bool InMonth(const ClockTime& t, int year, int month) { return t.year == year && t.month == month; }

std::string TwoDigits(int day) { return (day < 10 ? " " : "") + FormatInteger(day); }

}  // namespace

CalendarMonthView CalendarMonthOf(const YearCalendar& calendar, int month, std::optional<double> jisaDays) {
  CalendarMonthView view;
  view.year = calendar.year;
  view.month = month;
  view.yearPillar = calendar.yearPillar;
  view.jisaDays = jisaDays;
  for (const CalendarDay& day : calendar.days) {
    if (day.month == month) view.days.push_back(day);
  }
  for (const CalendarTerm& term : calendar.terms) {
    if (InMonth(term.almanac.jst, calendar.year, month)) view.terms.push_back(term);
    if (term.monthPillar) view.sectional.push_back(term);
  }
  return view;
}

std::pair<int, int> StepMonth(int year, int month, int step) {
  int index = year * kMonths + (month - 1) + step;
  index = std::max(index, kFirstCalendarYear * kMonths);
  index = std::min(index, kLastCalendarYear * kMonths + kMonths - 1);
  return {index / kMonths, index % kMonths + 1};
}

std::string JisaText(double jisaDays) {
  const long long seconds = std::llround(std::fabs(jisaDays) * 86400);
  return std::string("時差 ") + (jisaDays < 0 ? "-" : "") + FormatInteger(seconds / 60) + "分" +
         FormatInteger(seconds % 60) + "秒";
}

std::string PillarText(CycleNumber pillar) {
  return std::string(pillar.stem().name()) + std::string(pillar.branch().name());
}

std::string TermMomentText(const ClockTime& t) {
  return FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日" + FormatInteger(t.hour) + "時" +
         FormatInteger(t.minute) + "分" + FormatInteger(t.second) + "秒";
}

std::string CalendarMonthText(const CalendarMonthView& view, const std::optional<CalendarDay>& today,
                              std::string_view lineEnd) {
  std::vector<std::string> lines;
  lines.push_back("万年暦　" + FormatInteger(view.year) + "年" + FormatInteger(view.month) + "月　年柱 " +
                  PillarText(view.yearPillar) + "（立春から）");
  // Each day is eight columns: the day, '*' for today, its pillar, a space.
  std::string head;
  for (int w = 1; w <= 7; ++w) head += std::string(WeekdayNames[static_cast<std::size_t>(w)]) + "      ";
  lines.push_back(head);
  std::string week;
  if (!view.days.empty()) week.assign(8 * static_cast<std::size_t>(view.days.front().weekday - 1), ' ');
  for (const CalendarDay& day : view.days) {
    const bool isToday = today && today->year == day.year && today->month == day.month && today->day == day.day;
    week += TwoDigits(day.day) + (isToday ? "*" : " ") + PillarText(day.pillar) + " ";
    if (day.weekday == 7) {
      lines.push_back(week);
      week.clear();
    }
  }
  if (!week.empty()) lines.push_back(week);
  lines.emplace_back();
  lines.push_back(view.jisaDays ? "節気　暦（日本標準時）　命式の切り替え（" + JisaText(*view.jisaDays) + "）"
                                : std::string("節気　暦（日本標準時）"));
  for (const CalendarTerm& term : view.terms) {
    std::string line = std::string(term.almanac.name) + "　" + TermMomentText(term.almanac.jst);
    if (view.jisaDays) line += "　" + TermMomentText(term.chartSwitch);
    if (term.monthPillar) line += "　月柱 " + PillarText(*term.monthPillar);
    lines.push_back(line);
  }
  lines.emplace_back();
  lines.push_back("月柱（節入りの日から）");
  std::string months;
  for (std::size_t i = 0; i < view.sectional.size(); ++i) {
    const CalendarTerm& term = view.sectional[i];
    const ClockTime& start = view.jisaDays ? term.chartSwitch : term.almanac.jst;
    if (i == 6) {
      lines.push_back(months);
      months.clear();
    }
    if (!months.empty()) months += "　";
    months += PillarText(*term.monthPillar) + " " + FormatInteger(start.month) + "/" + FormatInteger(start.day);
  }
  lines.push_back(months);
  lines.emplace_back();
  lines.emplace_back(kTwoClocksExplanation);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += lineEnd;
    std::string line = lines[i];
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line;
  }
  return text;
}

}  // namespace mireto
