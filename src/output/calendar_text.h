// A month of the perpetual calendar (万年暦) as the 万年暦 window shows it, and
// as plain text for its copy and print-out: the days with their pillars under
// 日 月 火 水 木 金 土, the solar terms of the month with the almanac instant
// and the chart's switch at a time difference, the year pillar and each
// solar month's pillar with the day it starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/year_calendar.h"

namespace mireto {

inline constexpr int kFirstCalendarYear = 1800;
inline constexpr int kLastCalendarYear = 2080;

struct CalendarMonthView {
  int year = 2000;
  int month = 1;
  CycleNumber yearPillar{1};            // the pillar year that begins at this year's 立春
  std::vector<CalendarDay> days;        // the days of the month
  std::vector<CalendarTerm> terms;      // the terms whose almanac instant falls in the month
  std::vector<CalendarTerm> sectional;  // the twelve 節 of the year (小寒 .. 大雪)
  std::optional<double> jisaDays;       // the switches' time difference; none: not known
};

// One month of a year computed at the time difference (jisaDays, or 0 when
// unknown: the switches are then left out of every text).
CalendarMonthView CalendarMonthOf(const YearCalendar& calendar, int month, std::optional<double> jisaDays);

// The month step months away, kept within 1800-01 .. 2080-12.
std::pair<int, int> StepMonth(int year, int month, int step);

// "時差 -19分45秒" (east positive, as the main window's fields).
std::string JisaText(double jisaDays);

// "戊寅".
std::string PillarText(CycleNumber pillar);

// "2月4日21時40分48秒".
std::string TermMomentText(const ClockTime& t);

// Why the almanac and the chart give different times, in a few sentences.
inline constexpr std::string_view kTwoClocksExplanation =
    "暦の時刻は、太陽の視黄経が節気の角度に達する瞬間を日本標準時で示したもので、全国で同じです。"
    "命式は出生地の真太陽時（時差と均時差で補正した時刻）で月を決めるため、月柱が変わる時刻は"
    "暦の時刻から均時差と時差の分だけずれます（2000年の立春は暦で21時40分、時差0の出生地では21時57分34秒）。";

// The month as text, lines separated by lineEnd; the day today (if it is in
// the month) marked with '*'.
std::string CalendarMonthText(const CalendarMonthView& view, const std::optional<CalendarDay>& today,
                              std::string_view lineEnd = "\r\n");

}  // namespace mireto
