#include "exchange/birth_request.h"

#include <charconv>

#include "core/calendar.h"
#include "exchange/quote.h"

namespace mireto::exchange {

namespace {

constexpr std::size_t kMaxJisaMinuteDigits = 9;
constexpr int kFirstNowYear = 1800;
constexpr int kLastNowYear = 2200;

// A whole decimal number made of digits only, with an optional leading '-'.
std::optional<int> ParseInt(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseDigits(std::string_view text, std::size_t count) {
  if (text.size() != count) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  return ParseInt(text);
}

// "?" or a number within [low, high].
bool ParseClockPart(std::string_view text, int low, int high, std::optional<int>& value) {
  if (text == "?") {
    value.reset();
    return true;
  }
  if (text.empty() || text.size() > 2) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  const auto n = ParseInt(text);
  if (!n || *n < low || *n > high) return false;
  value = *n;
  return true;
}

// [-]digits: the minutes of a time difference.
bool IsJisaMinutes(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty() || text.size() > kMaxJisaMinuteDigits) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// One or two digits, 0 to 59, no sign: the seconds of a time difference.
bool IsJisaSeconds(std::string_view text) {
  if (text.empty() || text.size() > 2) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return ParseInt(text).value_or(60) <= 59;
}

std::string KeyMessage(const BatchKeyNames& names, BatchKey key, const char* what) {
  return std::string("項目 \"") + std::string(names[static_cast<std::size_t>(key)]) + "\" " + what;
}

}  // namespace

std::optional<std::array<int, 3>> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto y = ParseDigits(text.substr(0, 4), 4);
  const auto m = ParseDigits(text.substr(5, 2), 2);
  const auto d = ParseDigits(text.substr(8, 2), 2);
  if (!y || !m || !d) return std::nullopt;
  return std::array<int, 3>{*y, *m, *d};
}

bool ParseTime(std::string_view text, std::string& hourText, std::string& minuteText) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  hourText = std::string(text.substr(0, colon));
  minuteText = std::string(text.substr(colon + 1));
  return !hourText.empty() && !minuteText.empty();
}

std::optional<LocalDateTime> ParseNow(std::string_view text) {
  if (text.size() != 16 || text[10] != 'T' || text[13] != ':') return std::nullopt;
  const auto date = ParseDate(text.substr(0, 10));
  const auto h = ParseDigits(text.substr(11, 2), 2);
  const auto m = ParseDigits(text.substr(14, 2), 2);
  if (!date || !h || !m) return std::nullopt;
  const auto [year, month, day] = *date;
  if (year < kFirstNowYear || year > kLastNowYear) return std::nullopt;
  if (month < 1 || month > 12 || day < 1 || day > MonthLengths(year)[month]) return std::nullopt;
  if (*h > 23 || *m > 59) return std::nullopt;
  return LocalDateTime{year, month, day, *h, *m};
}

bool ParseJisa(std::string_view text, std::string& minutes, std::string& seconds) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string_view m = text.substr(0, colon);
  const std::string_view s = text.substr(colon + 1);
  if (!IsJisaMinutes(m) || !IsJisaSeconds(s)) return false;
  minutes = std::string(m);
  seconds = std::string(s);
  return true;
}

std::optional<BirthRequest> MakeRequest(std::string_view date, std::string_view hour, std::string_view minute,
                                        std::string_view sex, std::string_view jisaMinutes,
                                        std::string_view jisaSeconds, std::string& error) {
  BirthRequest r;
  const auto ymd = ParseDate(date);
  if (!ymd) {
    error = "日付は YYYY-MM-DD の形で指定してください: " + Quote(date);
    return std::nullopt;
  }
  r.input.year = (*ymd)[0];
  r.input.month = (*ymd)[1];
  r.input.day = (*ymd)[2];
  if (!ParseClockPart(hour, 0, 23, r.input.hour)) {
    error = "時は 0 から 23 までの数か ? で指定してください: " + Quote(hour);
    return std::nullopt;
  }
  if (!ParseClockPart(minute, 0, 59, r.input.minute)) {
    error = "分は 0 から 59 までの数か ? で指定してください: " + Quote(minute);
    return std::nullopt;
  }
  if (sex == "M") {
    r.input.sex = Sex::Male;
  } else if (sex == "F") {
    r.input.sex = Sex::Female;
  } else {
    error = "性別は M（男）か F（女）で指定してください: " + Quote(sex);
    return std::nullopt;
  }
  if (!IsJisaMinutes(jisaMinutes)) {
    error = "時差の分は [-]数字 で指定してください: " + Quote(jisaMinutes);
    return std::nullopt;
  }
  if (!IsJisaSeconds(jisaSeconds)) {
    error = "時差の秒は 0 から 59 までの数で指定してください（符号は分に付けます）: " + Quote(jisaSeconds);
    return std::nullopt;
  }
  r.input.jisaMinutesText = std::string(jisaMinutes);
  r.input.jisaSecondsText = std::string(jisaSeconds);
  r.hourText = std::string(hour);
  r.minuteText = std::string(minute);
  return r;
}

std::optional<BirthRequest> RequestFromBatchObject(const BatchObject& object, const BatchDefaults& defaults,
                                                   const BatchKeyNames& names, std::string& error) {
  const std::array<std::string_view, 3> fallback = {defaults.sex, defaults.jisaMinutes, defaults.jisaSeconds};
  std::array<std::string_view, 6> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto key = kBatchKeys[i].key;
    switch (object.State(key)) {
      case FieldState::String: fields[i] = object.Text(key); break;
      case FieldState::NotString: error = KeyMessage(names, key, "は文字列で指定してください"); return std::nullopt;
      case FieldState::Absent:
        if (i < 3) {
          error = KeyMessage(names, key, "がありません");
          return std::nullopt;
        }
        fields[i] = fallback[i - 3];
        break;
    }
  }
  auto request = MakeRequest(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], error);
  if (!request) return std::nullopt;
  switch (object.State(BatchKey::Now)) {
    case FieldState::Absent: break;
    case FieldState::NotString:
      error = KeyMessage(names, BatchKey::Now, "は文字列で指定してください");
      return std::nullopt;
    case FieldState::String:
      request->now = ParseNow(object.Text(BatchKey::Now));
      if (!request->now) {
        error = "now は YYYY-MM-DDTHH:MM の形で指定してください: " + Quote(object.Text(BatchKey::Now));
        return std::nullopt;
      }
      break;
  }
  return request;
}

std::optional<BirthRequest> ParseBatchLine(std::string_view line, const BatchDefaults& defaults, std::string& error) {
  BatchObject object;
  if (!ReadBatchObject(line, object, error)) return std::nullopt;
  return RequestFromBatchObject(object, defaults, kBatchKeyNames, error);
}

std::optional<BirthRequest> ParseBatchLine(std::string_view line, std::string& error) {
  return ParseBatchLine(line, BatchDefaults{}, error);
}

std::string BirthdayText(const BirthRequest& r) {
  BirthRecord record;
  record.inYear = r.input.year;
  record.inMonth = r.input.month;
  record.inDay = r.input.day;
  record.inHour = r.input.hour.value_or(0);
  record.inMinute = r.input.minute.value_or(0);
  return BirthdayData(record, r.hourText, r.minuteText);
}

}  // namespace mireto::exchange
