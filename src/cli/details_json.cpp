#include "cli/details_json.h"

#include <array>
#include <charconv>

namespace mireto::cli {

namespace {

constexpr std::array<std::string_view, 4> kPillarKeys = {"year", "month", "day", "hour"};

void AppendKey(std::string& out, std::string_view key) {
  out += '"';
  out += key;  // keys are fixed ASCII names
  out += "\":";
}

void AppendStringMember(std::string& out, std::string_view key, std::string_view value) {
  AppendKey(out, key);
  AppendJsonString(out, value);
}

void AppendBool(std::string& out, bool value) { out += value ? "true" : "false"; }

void AppendInt(std::string& out, int value) {
  std::array<char, 16> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

void AppendPillar(std::string& out, const PillarDetails& p) {
  out += '{';
  AppendStringMember(out, "tenGod", p.tenGod);
  out += ',';
  AppendStringMember(out, "hiddenTenGod", p.hiddenTenGod);
  out += ',';
  AppendStringMember(out, "stage", p.stage);
  out += ',';
  AppendStringMember(out, "nayin", p.nayin);
  out += ',';
  AppendKey(out, "void");
  if (p.isVoid) {
    AppendBool(out, *p.isVoid);
  } else {
    out += "null";
  }
  out += '}';
}

template <typename Item>
void AppendLuckArray(std::string& out, std::string_view key, const ChartDetails& d, Item item) {
  AppendKey(out, key);
  out += '[';
  for (std::size_t i = 0; i < d.luck.size(); ++i) {
    if (i > 0) out += ',';
    item(d.luck[i]);
  }
  out += ']';
}

void AppendLuck(std::string& out, const ChartDetails& d) {
  AppendKey(out, "luck");
  out += '{';
  AppendLuckArray(out, "tenGods", d, [&](const LuckColumnDetails& c) { AppendJsonString(out, c.tenGod); });
  out += ',';
  AppendLuckArray(out, "stages", d, [&](const LuckColumnDetails& c) { AppendJsonString(out, c.stage); });
  out += ',';
  AppendLuckArray(out, "void", d, [&](const LuckColumnDetails& c) { AppendBool(out, c.isVoid); });
  out += '}';
}

void AppendYear(std::string& out, const AnnualPillar& a) {
  out += '{';
  AppendKey(out, "year");
  AppendInt(out, a.year);
  out += ',';
  AppendKey(out, "pillar");
  std::string pillar(a.stem);
  pillar += a.branch;
  AppendJsonString(out, pillar);
  out += ',';
  AppendKey(out, "age");
  if (a.age) {
    AppendInt(out, *a.age);
  } else {
    out += "null";
  }
  out += ',';
  AppendStringMember(out, "tenGod", a.tenGod);
  out += ',';
  AppendStringMember(out, "stage", a.stage);
  out += ',';
  AppendKey(out, "void");
  AppendBool(out, a.isVoid);
  out += '}';
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  out += '"';
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
      }
    } else {
      out += ch;
    }
  }
  out += '"';
}

void AppendDetailsJson(std::string& out, const ChartDetails& d) {
  AppendKey(out, "details");
  out += '{';
  AppendStringMember(out, "voidBranches", d.voidBranches.names);
  out += ',';
  AppendKey(out, "pillars");
  out += '{';
  for (std::size_t i = 0; i < d.pillars.size(); ++i) {
    if (i > 0) out += ',';
    AppendKey(out, kPillarKeys[i]);
    AppendPillar(out, d.pillars[i]);
  }
  out += "},";
  AppendLuck(out, d);
  if (!d.annual.empty()) {
    out += ',';
    AppendKey(out, "annual");
    out += '[';
    for (std::size_t i = 0; i < d.annual.size(); ++i) {
      if (i > 0) out += ',';
      AppendYear(out, d.annual[i]);
    }
    out += ']';
  }
  out += '}';
}

}  // namespace mireto::cli
