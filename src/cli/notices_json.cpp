#include "cli/notices_json.h"

#include <charconv>
#include <cmath>

namespace mireto::cli {

void AppendJsonString(std::string& out, std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) {
    out += "null";
    return;
  }
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  const std::string_view written(text, static_cast<std::size_t>(end - text));
  out += written;
  if (written.find_first_of(".eE") == std::string_view::npos) out += ".0";
}

void AppendNoticesJson(std::string& out, const std::vector<Notice>& notices) {
  out += '[';
  for (std::size_t i = 0; i < notices.size(); ++i) {
    if (i > 0) out += ',';
    out += "{\"code\":";
    AppendJsonString(out, NoticeCodeName(notices[i].code));
    out += ",\"message\":";
    AppendJsonString(out, notices[i].message);
    out += '}';
  }
  out += ']';
}

void AppendTermBoundaryJson(std::string& out, const TermBoundary& boundary, SummerTimeRule rule) {
  out += "{\"term\":";
  AppendJsonString(out, boundary.term);
  out += ",\"clockTime\":";
  AppendJsonString(out, IsoText(BoundaryClockTime(boundary, rule)));
  out += ",\"minutes\":";
  AppendJsonNumber(out, RoundedMinutes(boundary.minutes));
  out += '}';
}

void AppendNoticesMember(std::string& out, const std::vector<Notice>& notices) {
  out += ",\"notices\":";
  AppendNoticesJson(out, notices);
}

void AppendTermBoundaryMembers(std::string& out, const TermBoundaries& boundaries,
                               SummerTimeRule rule) {
  out += ",\"previousTerm\":";
  AppendTermBoundaryJson(out, boundaries.previous, rule);
  out += ",\"nextTerm\":";
  AppendTermBoundaryJson(out, boundaries.next, rule);
}

void AppendChartObject(std::string& out, std::string_view chartObject,
                       const std::vector<Notice>& notices) {
  if (chartObject.ends_with('}')) chartObject.remove_suffix(1);
  out += chartObject;
  AppendNoticesMember(out, notices);
  out += '}';
}

}  // namespace mireto::cli
