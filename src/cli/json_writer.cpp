#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>

#include "cli/details_json.h"
#include "cli/notices_json.h"

namespace mireto::cli {

namespace {

bool NeedsEscape(unsigned char c) { return c < 0x20 || c == '"' || c == '\\'; }

// Whether any of eight bytes needs escaping, eight at a time: a byte below
// n shows as a high bit of (x - n x 0x01..) & ~x & 0x80.. (exact as a yes or
// no for n <= 128; bytes of 0x80 and above never show).
bool AnyByteToEscape(std::string_view eight) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighBits = kOnes * 0x80;
  std::uint64_t x;
  std::memcpy(&x, eight.data(), sizeof x);
  const auto anyBelow = [](std::uint64_t bytes, std::uint64_t n) { return (bytes - kOnes * n) & ~bytes & kHighBits; };
  return (anyBelow(x, 0x20) | anyBelow(x ^ (kOnes * '"'), 1) | anyBelow(x ^ (kOnes * '\\'), 1)) != 0;
}

// The escape of one byte (NeedsEscape) at p; returns the end.
char* WriteEscaped(char* p, unsigned char c) {
  constexpr std::string_view kHex = "0123456789abcdef";
  *p++ = '\\';
  switch (c) {
    case '"': *p++ = '"'; return p;
    case '\\': *p++ = '\\'; return p;
    case '\b': *p++ = 'b'; return p;
    case '\f': *p++ = 'f'; return p;
    case '\n': *p++ = 'n'; return p;
    case '\r': *p++ = 'r'; return p;
    case '\t': *p++ = 't'; return p;
    default:
      *p++ = 'u';
      *p++ = '0';
      *p++ = '0';
      *p++ = kHex[c >> 4];
      *p++ = kHex[c & 0xF];
      return p;
  }
}

void AppendEscaped(std::string& out, unsigned char c) {
  char escaped[6];
  out.append(escaped, WriteEscaped(escaped, c));
}

// Writes the chart's own members into a buffer with room enough (every byte
// of a text escaped to six bytes), without a bounds check or a copy call per
// piece; the buffer is then appended to the output in one piece.
class RawJson {
 public:
  explicit RawJson(char* buffer) : start_(buffer), next_(buffer) {}
  std::string_view Written() const { return {start_, static_cast<std::size_t>(next_ - start_)}; }

  template <std::size_t N>
  void Literal(const char (&text)[N]) {  // a fixed ASCII piece, no escape needed
    std::memcpy(next_, text, N - 1);
    next_ += N - 1;
  }
  void Char(char c) { *next_++ = c; }
  void Key(std::string_view key, bool first = false) {  // ,"key": for a plain ASCII key
    if (!first) *next_++ = ',';
    *next_++ = '"';
    std::memcpy(next_, key.data(), key.size());
    next_ += key.size();
    *next_++ = '"';
    *next_++ = ':';
  }
  void Integer(long value) { next_ = std::to_chars(next_, next_ + 24, value).ptr; }
  void String(std::string_view text) {
    *next_++ = '"';
    for (const char byte : text) {
      const auto c = static_cast<unsigned char>(byte);
      if (NeedsEscape(c)) {
        next_ = WriteEscaped(next_, c);
      } else {
        *next_++ = byte;
      }
    }
    *next_++ = '"';
  }
  void StringArray(std::span<const std::string> texts) {
    *next_++ = '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (i > 0) *next_++ = ',';
      String(texts[i]);
    }
    *next_++ = ']';
  }

  // Room for a text written by String().
  static std::size_t RoomFor(std::string_view text) { return 6 * text.size() + 2; }
  static std::size_t RoomFor(std::span<const std::string> texts) {
    std::size_t room = 2;
    for (const std::string& text : texts) room += RoomFor(text) + 1;
    return room;
  }

 private:
  char* start_;
  char* next_;
};

// Room for the keys, the punctuation and the integers of the chart's members,
// with a wide margin (they take about 330 bytes).
constexpr std::size_t kChartPunctuationRoom = 1024;

const PerPillar<std::string_view> kPillarNames{{"year", "month", "day", "hour"}};

// The summary members after "birthday" and "sex", in the order written.
struct SummaryMember {
  std::string_view key;
  std::string ChartDisplay::*text;
};
constexpr std::array kSummaryMembers{
    SummaryMember{"age", &ChartDisplay::age},
    SummaryMember{"weekday", &ChartDisplay::weekday},
    SummaryMember{"equationOfTime", &ChartDisplay::equationOfTime},
    SummaryMember{"trueSolarTime", &ChartDisplay::trueSolarTime},
    SummaryMember{"sunLongitude", &ChartDisplay::sunLongitude},
    SummaryMember{"luckStart", &ChartDisplay::luckStartAge},
    SummaryMember{"luckChange", &ChartDisplay::luckChange},
    SummaryMember{"seasonElement", &ChartDisplay::seasonElement},
};

std::size_t ChartRoom(std::string_view birthday, const ChartDisplay& d) {
  std::size_t room = kChartPunctuationRoom + RawJson::RoomFor(birthday);
  for (const SummaryMember& member : kSummaryMembers) room += RawJson::RoomFor(d.*member.text);
  for (Pillar p : kPillars) {
    room += RawJson::RoomFor(d.stems[p]) + RawJson::RoomFor(d.branches[p]) + RawJson::RoomFor(d.hiddenStems[p]);
  }
  return room + RawJson::RoomFor(d.luckStems) + RawJson::RoomFor(d.luckBranches) + RawJson::RoomFor(d.luckFirstAges) +
         RawJson::RoomFor(d.luckLastAges);
}

// The summary members, the texts of the main window's result fields.
void WriteSummaryJson(RawJson& out, std::string_view birthday, const BirthRequest& request, const ChartDisplay& d) {
  out.Literal("\"birthday\":");
  out.String(birthday);
  out.Literal(",\"sex\":");
  out.String(request.input.sex == Sex::Male ? "男" : "女");
  for (const SummaryMember& member : kSummaryMembers) {
    out.Key(member.key);
    out.String(d.*member.text);
  }
}

// "pillars": the stem, branch and hidden stem of each of the four pillars.
void WritePillarsJson(RawJson& out, const ChartDisplay& d) {
  out.Literal(",\"pillars\":{");
  for (Pillar p : kPillars) {
    out.Key(kPillarNames[p], p == kPillars.front());
    out.Literal("{\"stem\":");
    out.String(d.stems[p]);
    out.Literal(",\"branch\":");
    out.String(d.branches[p]);
    out.Literal(",\"hidden\":");
    out.String(d.hiddenStems[p]);
    out.Char('}');
  }
  out.Char('}');
}

// "luck": the direction, the luck pillars, their ages and the current column.
void WriteLuckJson(RawJson& out, const Chart& chart) {
  const ChartDisplay& d = chart.display;
  out.Literal(",\"luck\":{\"forward\":");
  if (chart.record.forward) {
    out.Literal("true");
  } else {
    out.Literal("false");
  }
  out.Literal(",\"stems\":");
  out.StringArray(d.luckStems);
  out.Literal(",\"branches\":");
  out.StringArray(d.luckBranches);
  out.Literal(",\"firstAges\":");
  out.StringArray(d.luckFirstAges);
  out.Literal(",\"lastAges\":");
  out.StringArray(d.luckLastAges);
  out.Literal(",\"current\":");
  if (d.boldLuckColumn) {
    out.Integer(*d.boldLuckColumn);
  } else {
    out.Literal("null");
  }
  out.Char('}');
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

void AppendJsonInteger(std::string& out, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
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

void AppendChartJson(std::string& out, const BirthRequest& request, const Chart& chart, const ChartExtras& extras) {
  const std::string birthday = BirthdayText(request);
  const std::size_t room = 1 + ChartRoom(birthday, chart.display);
  char local[8192];  // room for charts of texts up to about 1 KB
  std::unique_ptr<char[]> large;
  char* buffer = local;
  if (room > sizeof local) {
    large = std::make_unique_for_overwrite<char[]>(room);
    buffer = large.get();
  }
  RawJson raw(buffer);
  raw.Char('{');
  WriteSummaryJson(raw, birthday, request, chart.display);
  WritePillarsJson(raw, chart.display);
  WriteLuckJson(raw, chart);
  out += raw.Written();
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
  AppendJsonInteger(out, lineNumber);
  AppendJsonKey(out, "error");
  AppendJsonString(out, error);
  out += '}';
}

}  // namespace mireto::cli
