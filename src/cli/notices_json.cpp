#include "cli/notices_json.h"

#include <charconv>
#include <cmath>

#include "cli/json_writer.h"

namespace mireto::cli {

void AppendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) {
    out += "null";
    return;
  }
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  const std::string_view written(text, static_cast<std::size_t>(end - text));
  out += written;
  if (written.find('.') == std::string_view::npos) out += ".0";
}

void AppendNoticesJson(std::string& out, const std::vector<Notice>& notices) {
  AppendJsonKey(out, "notices");
  out += '[';
  for (std::size_t i = 0; i < notices.size(); ++i) {
    if (i > 0) out += ',';
    out += '{';
    AppendJsonKey(out, "code", true);
    AppendJsonString(out, NoticeCodeName(notices[i].code));
    AppendJsonKey(out, "message");
    AppendJsonString(out, notices[i].message);
    out += '}';
  }
  out += ']';
}

void AppendTermBoundaryJson(std::string& out, std::string_view key, const TermBoundary& boundary, SummerTimeRule rule) {
  AppendJsonKey(out, key);
  out += '{';
  AppendJsonKey(out, "term", true);
  AppendJsonString(out, boundary.term);
  AppendJsonKey(out, "clockTime");
  AppendJsonString(out, IsoText(BoundaryClockTime(boundary, rule)));
  AppendJsonKey(out, "minutes");
  AppendJsonNumber(out, RoundedMinutes(boundary.minutes));
  if (boundary.almanac) {
    AppendJsonKey(out, "almanac");
    AppendJsonString(out, IsoText(*boundary.almanac));  // JST, never a summer-time clock
  }
  out += '}';
}

void AppendTermBoundariesJson(std::string& out, const TermBoundaries& boundaries, SummerTimeRule rule) {
  AppendTermBoundaryJson(out, "previousTerm", boundaries.previous, rule);
  AppendTermBoundaryJson(out, "nextTerm", boundaries.next, rule);
}

}  // namespace mireto::cli
