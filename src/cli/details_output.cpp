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

}  // namespace

std::optional<YearSpan> ParseYearSpan(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto from = ParseYear(text.substr(0, colon));
  const auto to = ParseYear(text.substr(colon + 1));
  if (!from || !to || *from > *to) return std::nullopt;
  return YearSpan{*from, *to};
}

ChartDetails DetailsOf(const BirthRequest& request, const Chart& chart, const DetailsOptions& options,
                       const LocalDateTime& now) {
  DetailsRequest r;
  r.hourKnown = request.input.hour.has_value();
  r.birthYear = request.input.year;
  r.annual = options.annual;
  r.currentYear = now.year;
  return ComputeChartDetails(chart, r);
}

}  // namespace mireto::cli
