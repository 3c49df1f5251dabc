#include "cli/details_output.h"

#include <charconv>

namespace mireto::cli {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

std::optional<int> ParseYear(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int year = 0;
  std::from_chars(text.data(), text.data() + text.size(), year);
  if (year < kFirstYear || year > kLastYear) return std::nullopt;
  return year;
}

constexpr int kFirstCalendarYear = 1800;
constexpr int kLastCalendarYear = 2080;

}  // namespace

std::optional<int> ParseCalendarYear(std::string_view text) {
  const auto year = ParseYear(text);
  if (!year || *year < kFirstCalendarYear || *year > kLastCalendarYear) return std::nullopt;
  return year;
}

std::optional<std::pair<int, int>> ParseCalendarMonth(std::string_view text) {
  if (text.size() != 7 || text[4] != '-' || text[5] < '0' || text[5] > '9' || text[6] < '0' || text[6] > '9') {
    return std::nullopt;
  }
  const auto year = ParseCalendarYear(text.substr(0, 4));
  const int month = (text[5] - '0') * 10 + (text[6] - '0');
  if (!year || month < 1 || month > 12) return std::nullopt;
  return std::pair{*year, month};
}

double JisaDaysOf(const std::string& minutesText, const std::string& secondsText) {
  BirthInput input;
  input.jisaMinutesText = minutesText;
  input.jisaSecondsText = secondsText;
  return TimeDifferenceDays(input);
}

std::optional<YearSpan> ParseYearSpan(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto from = ParseYear(text.substr(0, colon));
  const auto to = ParseYear(text.substr(colon + 1));
  if (!from || !to || *from > *to) return std::nullopt;
  return YearSpan{*from, *to};
}

ChartDetails DetailsOf(const BirthRequest& request, const Chart& chart, const DetailsOptions& options,
                       const LocalDateTime& now, const CalendarTables& tables, TermCache& cache) {
  DetailsRequest r;
  r.hourKnown = request.input.hour.has_value();
  r.birthYear = request.input.year;
  r.annual = options.annual;
  r.currentYear = now.year;
  r.dailyMonth = options.daily;
  r.monthlyYear = options.monthly;
  return ComputeChartDetails(chart, r, tables, cache);
}

}  // namespace mireto::cli
