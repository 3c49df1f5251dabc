#include "roster/roster_entry.h"

#include <charconv>
#include <optional>

#include "core/calendar.h"

namespace mireto::roster {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

std::string_view TrimBlanks(std::string_view text) {
  for (;;) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
      text.remove_prefix(1);
    } else if (text.starts_with(kIdeographicSpace)) {
      text.remove_prefix(kIdeographicSpace.size());
    } else {
      break;
    }
  }
  for (;;) {
    if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
      text.remove_suffix(1);
    } else if (text.ends_with(kIdeographicSpace)) {
      text.remove_suffix(kIdeographicSpace.size());
    } else {
      break;
    }
  }
  return text;
}

// One code point of valid UTF-8 at text[i]; i moves past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  char32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
  for (int k = 1; k < length && i + k < text.size(); ++k)
    code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  i += length;
  return code;
}

// Characters that break a line or turn the direction of the text around
// where they are shown: C0 and C1 controls (U+0085 among them), the line and
// paragraph separators, and the bidirectional embeddings, overrides and isolates.
bool IsLineOrDirectionControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

// For valid UTF-8 only.
bool HasControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (IsLineOrDirectionControl(NextCodePoint(text, i))) return true;
  }
  return false;
}

std::string TooLong(const char* what, std::size_t limit) {
  return std::string(what) + "は " + std::to_string(limit) + " 文字までにしてください";
}

// A one-line optional field.
std::string CheckLineField(std::string_view text, const char* what, std::size_t limit) {
  if (!IsValidUtf8(text)) return std::string(what) + "に使えない文字が含まれています";
  if (CountCharacters(text) > limit) return TooLong(what, limit);
  if (HasControlCharacter(text)) return std::string(what) + "に改行や制御文字は使えません";
  return {};
}

// Digits only, no sign, no leading zero unless the number is 0.
std::optional<int> CanonicalNumber(std::string_view text) {
  if (text.empty() || text.size() > 4 || (text.size() > 1 && text.front() == '0')) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<int> FixedDigits(std::string_view text) {
  if (text.size() > 4) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

bool IsListItem(std::string_view text, int last) {
  if (text == "?") return true;
  const auto n = CanonicalNumber(text);
  return n && *n <= last;
}

std::string CheckDate(std::string_view date) {
  if (DateParts(date)) return {};
  return "生年月日は YYYY-MM-DD の形で、" + std::to_string(kFirstSupportedYear) + "年から" +
         std::to_string(kLastSupportedYear) + "年までの実在の日付で指定してください: " + std::string(date);
}

std::string CheckFieldText(std::string_view text, const char* what) {
  if (!IsValidUtf8(text) || HasControlCharacter(text) || text.size() > 64)
    return std::string(what) + "に使えない文字が含まれています";
  return {};
}

}  // namespace

std::string_view DecisionWord(ClockDecision decision) {
  switch (decision) {
    case ClockDecision::NotAsked: return "";
    case ClockDecision::SummerTime: return "apply";
    case ClockDecision::AsEntered: return "ignore";
  }
  return "";
}

std::optional<ClockDecision> DecisionFromWord(std::string_view word) {
  for (const ClockDecision d : {ClockDecision::NotAsked, ClockDecision::SummerTime, ClockDecision::AsEntered}) {
    if (DecisionWord(d) == word) return d;
  }
  return std::nullopt;
}

std::optional<std::array<int, 3>> DateParts(std::string_view date) {
  if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
  const auto year = FixedDigits(date.substr(0, 4));
  const auto month = FixedDigits(date.substr(5, 2));
  const auto day = FixedDigits(date.substr(8, 2));
  if (!year || !month || !day || *year < kFirstSupportedYear || *year > kLastSupportedYear || *month < 1 ||
      *month > 12 || *day < 1 || *day > MonthLengths(*year)[*month]) {
    return std::nullopt;
  }
  return std::array<int, 3>{*year, *month, *day};
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

std::string CheckName(std::string_view name) {
  if (!IsValidUtf8(name)) return "名前に使えない文字が含まれています";
  if (TrimBlanks(name).empty()) return "名前を入力してください";
  return CheckLineField(name, "名前", kMaxNameChars);
}

std::string CheckNote(std::string_view note) {
  if (!IsValidUtf8(note)) return "備考に使えない文字が含まれています";
  if (CountCharacters(note) > kMaxNoteChars) return TooLong("備考", kMaxNoteChars);
  return {};
}

std::string CheckReading(std::string_view reading) { return CheckLineField(reading, "ふりがな", kMaxReadingChars); }

std::string CheckBirthplace(std::string_view birthplace) {
  return CheckLineField(birthplace, "出生地", kMaxBirthplaceChars);
}

std::string CheckBirth(const BirthTexts& birth) {
  if (auto error = CheckDate(birth.date); !error.empty()) return error;
  if (!IsListItem(birth.hour, 23)) return "時は ? か 0 から 23 までの数で指定してください: " + birth.hour;
  if (!IsListItem(birth.minute, 59)) return "分は ? か 0 から 59 までの数で指定してください: " + birth.minute;
  if (birth.sex != "M" && birth.sex != "F") return "性別は M（男）か F（女）で指定してください: " + birth.sex;
  if (auto error = CheckFieldText(birth.jisaMinutes, "時差（分）"); !error.empty()) return error;
  if (auto error = CheckFieldText(birth.jisaSeconds, "時差（秒）"); !error.empty()) return error;
  std::string_view minutes = birth.jisaMinutes;
  const bool negative = minutes.starts_with('-');
  if (negative) minutes.remove_prefix(1);
  const auto whole = minutes.empty() ? std::nullopt : FixedDigits(minutes);
  const int signedWhole = whole ? (negative ? -*whole : *whole) : 0;
  if (!whole || signedWhole < kMinJisaMinutes || signedWhole > kMaxJisaMinutes)
    return "時差の分は " + std::to_string(kMinJisaMinutes) + " から " + std::to_string(kMaxJisaMinutes) +
           " までの、時差の欄と地図で指定できる数にしてください: " + birth.jisaMinutes;
  return {};
}

std::string CheckEntry(const NewEntry& entry) {
  if (auto error = CheckName(entry.name); !error.empty()) return error;
  if (auto error = CheckNote(entry.note); !error.empty()) return error;
  if (auto error = CheckReading(entry.reading); !error.empty()) return error;
  if (auto error = CheckBirthplace(entry.birthplace); !error.empty()) return error;
  return CheckBirth(entry.birth);
}

}  // namespace mireto::roster
