#include "page/page_text.h"

#include <algorithm>
#include <array>

#include "page/page.h"

namespace mireto::page {

namespace {

constexpr std::string_view kEllipsis = "…";

// Characters that do not begin a line (行頭禁則).
// clang-format off
constexpr auto kNoLineStart = std::to_array<std::string_view>({
    "、", "。", "，", "．", "・", "：", "；", "？", "！", "ー", "）", "」", "』", "】", "〕", "｝", "〉", "》",
    "ぁ", "ぃ", "ぅ", "ぇ", "ぉ", "っ", "ゃ", "ゅ", "ょ", "ァ", "ィ", "ゥ", "ェ", "ォ", "ッ", "ャ", "ュ", "ョ",
    ",", ".", ")", "!", "?", ":", ";",
});
// clang-format on

std::size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The text split into characters (code points as UTF-8 slices).
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = std::min(CharLength(static_cast<unsigned char>(text[i])), text.size() - i);
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

bool IsBreak(std::string_view c) { return c == "\n" || c == "\r" || c == "\u0085" || c == "\u2028" || c == "\u2029"; }

bool IsLatin(std::string_view c) { return c.size() == 1 && c[0] != ' '; }

bool NoLineStart(std::string_view c) {
  return std::find(kNoLineStart.begin(), kNoLineStart.end(), c) != kNoLineStart.end();
}

std::string Joined(const std::vector<std::string_view>& chars, std::size_t from, std::size_t to) {
  std::string s;
  for (std::size_t i = from; i < to; ++i) s += chars[i];
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// Breaks one paragraph into lines of at most `columns`.
void WrapParagraph(const std::vector<std::string_view>& chars, std::size_t columns, std::vector<std::string>& lines) {
  std::size_t start = 0;
  while (start < chars.size()) {
    // The most characters that fit (at least one).
    std::size_t end = start;
    std::size_t used = 0;
    while (end < chars.size()) {
      const std::size_t w = TextColumns(chars[end]);
      if (used + w > columns && end > start) break;
      used += w;
      ++end;
    }
    if (end < chars.size()) {
      std::size_t cut = end;
      // Inside a Latin word: back to the last space of the line, if any.
      if (IsLatin(chars[cut]) && IsLatin(chars[cut - 1])) {
        std::size_t space = cut;
        while (space > start && chars[space - 1] != " ") --space;
        if (space > start) cut = space;
      }
      // A closing mark pulls the character before it onto the next line.
      while (cut > start + 1 && NoLineStart(chars[cut])) --cut;
      end = cut;
    }
    lines.push_back(Joined(chars, start, end));
    start = end;
    while (start < chars.size() && chars[start] == " ") ++start;  // no line starts with the break's space
  }
}

}  // namespace

std::size_t TextColumns(std::string_view text) {
  std::size_t columns = 0;
  for (std::string_view c : Characters(text)) {
    // Half-width katakana U+FF61..U+FF9F: EF BD A1..EF BE 9F.
    const bool halfWidthKana =
        c.size() == 3 && static_cast<unsigned char>(c[0]) == 0xEF &&
        ((static_cast<unsigned char>(c[1]) == 0xBD && static_cast<unsigned char>(c[2]) >= 0xA1) ||
         static_cast<unsigned char>(c[1]) == 0xBE);
    columns += (c.size() == 1 || halfWidthKana) ? 1 : 2;
  }
  return columns;
}

double TextWidth(std::string_view text, double points) {
  return static_cast<double>(TextColumns(text)) * points * kMillimetresPerPoint / 2;
}

std::vector<std::string> WrapText(std::string_view text, double width, double points) {
  const double column = points * kMillimetresPerPoint / 2;
  // A little slack so that a line that fits exactly is not broken by rounding.
  const auto columns = static_cast<std::size_t>(std::max(0.0, width / column + 1e-9));
  std::vector<std::string> lines;
  std::vector<std::string_view> paragraph;
  const std::vector<std::string_view> chars = Characters(text);
  for (std::size_t i = 0; i <= chars.size(); ++i) {
    if (i < chars.size() && !IsBreak(chars[i])) {
      paragraph.push_back(chars[i]);
      continue;
    }
    if (paragraph.empty()) {
      if (i == chars.size()) break;  // nothing after the last line break
      lines.emplace_back();
    } else {
      WrapParagraph(paragraph, columns, lines);
      paragraph.clear();
    }
    if (i + 1 < chars.size() && chars[i] == "\r" && chars[i + 1] == "\n") ++i;  // CR LF is one break
  }
  return lines;
}

std::string ElideText(std::string_view text, double width, double points) {
  if (TextWidth(text, points) <= width + 1e-9) return std::string(text);
  const double room = width - TextWidth(kEllipsis, points);
  std::string out;
  for (std::string_view c : Characters(text)) {
    if (IsBreak(c) || TextWidth(out, points) + TextWidth(c, points) > room + 1e-9) break;
    out += c;
  }
  return out + std::string(kEllipsis);
}

}  // namespace mireto::page
