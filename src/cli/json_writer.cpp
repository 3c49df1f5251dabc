#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "cli/details_json.h"
#include "cli/notices_json.h"

namespace mireto::cli {

namespace {

const PerPillar<std::string_view> kPillarNames{{"year", "month", "day", "hour"}};

void AppendInteger(std::string& out, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

bool NeedsEscape(unsigned char c) { return c < 0x20 || c == '"' || c == '\\'; }

// Whether any of eight bytes needs escaping, eight at a time: a byte below
// n shows as a high bit of (x - n x 0x01..) & ~x & 0x80.. (exact as a yes or
// no for n <= 128; bytes of 0x80 and above never show).
bool AnyByteToEscape(std::string_view eight) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighBits = kOnes * 0x80;
  std::uint64_t x;
  std::memcpy(&x, eight.data(), sizeof x);
  const auto anyBelow = [](std::uint64_t bytes, std::uint64_t n) {
    return (bytes - kOnes * n) & ~bytes & kHighBits;
  };
  return (anyBelow(x, 0x20) | anyBelow(x ^ (kOnes * '"'), 1) | anyBelow(x ^ (kOnes * '\\'), 1)) != 0;
}

void AppendEscaped(std::string& out, unsigned char c) {
  constexpr std::string_view kHex = "0123456789abcdef";
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default:
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
  }
}

// The summary members, the texts of the main window's result fields.
void AppendSummaryJson(std::string& out, const BirthRequest& request, const ChartDisplay& d) {
  AppendJsonKey(out, "birthday", true);
  AppendJsonString(out, BirthdayText(request));
  AppendJsonKey(out, "sex");
  AppendJsonString(out, request.input.sex == Sex::Male ? "男" : "女");
  AppendJsonKey(out, "age");
  AppendJsonString(out, d.age);
  AppendJsonKey(out, "weekday");
  AppendJsonString(out, d.weekday);
  AppendJsonKey(out, "equationOfTime");
  AppendJsonString(out, d.equationOfTime);
  AppendJsonKey(out, "trueSolarTime");
  AppendJsonString(out, d.trueSolarTime);
  AppendJsonKey(out, "sunLongitude");
  AppendJsonString(out, d.sunLongitude);
  AppendJsonKey(out, "luckStart");
  AppendJsonString(out, d.luckStartAge);
  AppendJsonKey(out, "luckChange");
  AppendJsonString(out, d.luckChange);
  AppendJsonKey(out, "seasonElement");
  AppendJsonString(out, d.seasonElement);
}

// "pillars": the stem, branch and hidden stem of each of the four pillars.
void AppendPillarsJson(std::string& out, const ChartDisplay& d) {
  AppendJsonKey(out, "pillars");
  out += '{';
  for (Pillar p : kPillars) {
    AppendJsonKey(out, kPillarNames[p], p == kPillars.front());
    out += '{';
    AppendJsonKey(out, "stem", true);
    AppendJsonString(out, d.stems[p]);
    AppendJsonKey(out, "branch");
    AppendJsonString(out, d.branches[p]);
    AppendJsonKey(out, "hidden");
    AppendJsonString(out, d.hiddenStems[p]);
    out += '}';
  }
  out += '}';
}

// "luck": the direction, the luck pillars, their ages and the current column.
void AppendLuckJson(std::string& out, const Chart& chart) {
  const ChartDisplay& d = chart.display;
  AppendJsonKey(out, "luck");
  out += '{';
  AppendJsonKey(out, "forward", true);
  out += chart.record.forward ? "true" : "false";
  AppendJsonKey(out, "stems");
  AppendJsonStringArray(out, d.luckStems);
  AppendJsonKey(out, "branches");
  AppendJsonStringArray(out, d.luckBranches);
  AppendJsonKey(out, "firstAges");
  AppendJsonStringArray(out, d.luckFirstAges);
  AppendJsonKey(out, "lastAges");
  AppendJsonStringArray(out, d.luckLastAges);
  AppendJsonKey(out, "current");
  if (d.boldLuckColumn) {
    AppendInteger(out, *d.boldLuckColumn);
  } else {
    out += "null";
  }
  out += '}';
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  // Nearly every text needs no escape: one check, then one copy.
  std::size_t i = 0;
  while (i + 8 <= text.size() && !AnyByteToEscape(text.substr(i, 8))) i += 8;
  while (i < text.size() && !NeedsEscape(static_cast<unsigned char>(text[i]))) ++i;
  if (i == text.size()) {
    char quoted[64];
    if (text.size() + 2 <= sizeof quoted) {
      quoted[0] = '"';
      std::memcpy(quoted + 1, text.data(), text.size());
      quoted[text.size() + 1] = '"';
      out.append(quoted, text.size() + 2);
      return;
    }
    out += '"';
    out += text;
    out += '"';
    return;
  }
  out += '"';
  std::size_t plain = 0;  // start of the run not yet appended
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!NeedsEscape(c)) continue;
    out.append(text, plain, i - plain);
    AppendEscaped(out, c);
    plain = i + 1;
  }
  out.append(text, plain);
  out += '"';
}

void AppendJsonKey(std::string& out, std::string_view key, bool first) {
  if (!first) out += ',';
  out += '"';
  out += key;
  out += "\":";
}

void AppendJsonStringArray(std::string& out, std::span<const std::string> texts) {
  out += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ',';
    AppendJsonString(out, texts[i]);
  }
  out += ']';
}

void AppendChartJson(std::string& out, const BirthRequest& request, const Chart& chart,
                     const ChartExtras& extras) {
  out += '{';
  AppendSummaryJson(out, request, chart.display);
  AppendPillarsJson(out, chart.display);
  AppendLuckJson(out, chart);
  if (extras.notices != nullptr) AppendNoticesJson(out, *extras.notices);
  if (extras.details != nullptr) {
    AppendDetailsJson(out, *extras.details);
    if (extras.boundaries != nullptr) {
      // The two boundaries are members of "details": its object is opened again.
      out.pop_back();
      AppendTermBoundariesJson(out, *extras.boundaries, extras.summerTime);
      out += '}';
    }
  }
  // Further member groups (AppendXxxJson, see the header) go here.
  out += '}';
}

void AppendErrorJson(std::string& out, long lineNumber, std::string_view error) {
  out += "{\"line\":";
  AppendInteger(out, lineNumber);
  AppendJsonKey(out, "error");
  AppendJsonString(out, error);
  out += '}';
}

}  // namespace mireto::cli
