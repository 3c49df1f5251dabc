#include "exchange/roster_lines.h"

#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "chart/summer_time.h"
#include "exchange/birth_request.h"
#include "exchange/quote.h"

namespace mireto::exchange {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The keys of an import line: the batch keys, then the entry's own.
enum class EntryKey { Name = kBatchKeyCount, Note, Reading, Birthplace, SummerTime, Id };
constexpr std::size_t kImportKeyCount = kBatchKeyCount + 6;
constexpr std::array<std::string_view, kImportKeyCount> kImportKeyNames = [] {
  std::array<std::string_view, kImportKeyCount> names{};
  for (std::size_t i = 0; i < kBatchKeyCount; ++i) names[i] = kBatchKeyNames[i];
  const std::array<std::string_view, 6> own = {"name", "note", "reading", "birthplace", "summerTime", "id"};
  for (std::size_t i = 0; i < own.size(); ++i) names[kBatchKeyCount + i] = own[i];
  return names;
}();

using ImportObject = ObjectMembers<kImportKeyCount>;

std::size_t Index(EntryKey key) { return static_cast<std::size_t>(key); }

// "?" or the number as the list item shows it.
std::string ListText(const std::optional<int>& value) { return value ? std::to_string(*value) : "?"; }

std::string DateText(const BirthInput& input) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", input.year, input.month, input.day);
  return text;
}

// The string member `key` into value; an absent key gives "".
bool TakeString(const ImportObject& object, EntryKey key, bool required, std::string& value, std::string& error) {
  const std::string name(kImportKeyNames[Index(key)]);
  switch (object.state[Index(key)]) {
    case FieldState::Absent:
      if (required) error = "項目 \"" + name + "\" がありません";
      return !required;
    case FieldState::NotString: error = "項目 \"" + name + "\" は文字列で指定してください"; return false;
    case FieldState::String: value = std::string(object.text[Index(key)]); return true;
  }
  return false;
}

// A JSON number without fraction or exponent that fits in 64 bits.
bool IsInteger(std::string_view number) {
  if (number.find_first_of(".eE") != std::string_view::npos) return false;
  const char* end = number.data() + number.size();
  if (number.starts_with('-')) {
    long long value = 0;
    const auto result = std::from_chars(number.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
  }
  unsigned long long value = 0;
  const auto result = std::from_chars(number.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

std::optional<roster::NewEntry> ParseImportLine(std::string_view line, std::string& error) {
  // The one strict reader of batch lines, with the entry's keys besides.
  ImportObject object;
  MemberProblems problems;
  if (!ReadObjectMembers(line, kImportKeyNames, object, problems, error)) return std::nullopt;
  // A key given twice would silently lose one of its values: refused.
  if (!problems.duplicate.empty()) {
    error = problems.duplicate;
    return std::nullopt;
  }
  roster::NewEntry entry;
  if (!TakeString(object, EntryKey::Name, true, entry.name, error)) return std::nullopt;
  if (!TakeString(object, EntryKey::Note, false, entry.note, error)) return std::nullopt;
  if (!TakeString(object, EntryKey::Reading, false, entry.reading, error)) return std::nullopt;
  if (!TakeString(object, EntryKey::Birthplace, false, entry.birthplace, error)) return std::nullopt;
  std::string decision;
  if (!TakeString(object, EntryKey::SummerTime, false, decision, error)) return std::nullopt;
  if (const auto taken = roster::DecisionFromWord(decision)) {
    entry.summerTime = *taken;
  } else {
    error = "項目 \"summerTime\" は \"apply\" か \"ignore\" で指定してください";
    return std::nullopt;
  }
  // The id of an exported line belongs to the roster it came from: a new one is given.
  const FieldState id = object.state[Index(EntryKey::Id)];
  if (id == FieldState::String || (id == FieldState::NotString && !IsInteger(object.text[Index(EntryKey::Id)]))) {
    error = "項目 \"id\" は整数で指定してください";
    return std::nullopt;
  }
  if (!problems.unknown.empty()) {
    error = problems.unknown;
    return std::nullopt;
  }
  // What is left is a --batch input object.
  BatchObject birth;
  for (std::size_t i = 0; i < kBatchKeyCount; ++i) {
    birth.state[i] = object.state[i];
    birth.text[i] = object.text[i];
  }
  const auto request = RequestFromBatchObject(birth, BatchDefaults{}, kBatchKeyNames, error);
  if (!request) return std::nullopt;
  const BirthInput& input = request->input;
  entry.birth.date = DateText(input);
  entry.birth.hour = ListText(input.hour);
  entry.birth.minute = ListText(input.minute);
  entry.birth.sex = input.sex == Sex::Male ? "M" : "F";
  entry.birth.jisaMinutes = input.jisaMinutesText;
  entry.birth.jisaSeconds = input.jisaSecondsText;
  error = roster::CheckEntry(entry);
  if (!error.empty()) return std::nullopt;
  if (!input.hour && input.minute) {
    error = "時が ? のときは、分も ? にしてください";
    return std::nullopt;
  }
  // A clock time skipped when the clocks went forward has a chart only when
  // read as entered: the desktop program shows none for it otherwise.
  if (ClassifyBirth(input) == ClockKind::NeverExisted && entry.summerTime != roster::ClockDecision::AsEntered) {
    error = "夏時刻の切り替えで存在しない時刻です（\"summerTime\": \"ignore\" のときだけ読み込めます）";
    return std::nullopt;
  }
  return entry;
}

namespace {

enum class LineRead { Line, TooLong, End };

// One line without its LF, at most `limit` bytes; the rest of a longer line
// is skipped unread into memory.
LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  bool any = false;
  bool tooLong = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      if (!any) return LineRead::End;
      break;
    }
    any = true;
    if (c == '\n') break;
    if (line.size() < limit) {
      line.push_back(static_cast<char>(c));
    } else {
      tooLong = true;
    }
  }
  return tooLong ? LineRead::TooLong : LineRead::Line;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

}  // namespace

ImportLines ReadImportLines(std::istream& in) {
  ImportLines result;
  const auto refuse = [&](long number, std::string error) {
    result.entries.clear();
    result.badLine = number;
    result.error = std::move(error);
    return result;
  };
  std::string line;
  long number = 0;
  long firstBlank = 0;  // the first of the blank lines just read
  for (;;) {
    const LineRead read = ReadBoundedLine(in, line, kMaxImportLineBytes);
    if (read == LineRead::End) break;
    ++number;
    if (read == LineRead::TooLong)
      return refuse(number, "行が長すぎます（" + std::to_string(kMaxImportLineBytes) + " バイトまで。名前は " +
                                std::to_string(roster::kMaxNameChars) + " 文字、備考は " +
                                std::to_string(roster::kMaxNoteChars) + " 文字まで）");
    if (number == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    if (!roster::IsValidUtf8(line))
      return refuse(
          number,
          "UTF-8 の文字として読めません。Shift_JIS などで保存されたファイルは、UTF-8 で保存し直してから読み込んでください");
    if (IsBlank(line)) {
      if (firstBlank == 0) firstBlank = number;
      continue;
    }
    // A blank line between entries is a mistake; blank lines at the end are not.
    if (firstBlank != 0) return refuse(firstBlank, "空行です");
    if (line.back() == '\r') line.pop_back();
    std::string error;
    auto entry = ParseImportLine(line, error);
    if (!entry) return refuse(number, error);
    result.entries.push_back(std::move(*entry));
  }
  if (in.bad()) result.entries.clear();
  result.empty = result.entries.empty() && !in.bad();
  return result;
}

std::string ImportErrorText(const ImportLines& lines) {
  if (lines.badLine == 0 && lines.empty) return "読み込む項目がありません（ファイルが空です）";
  return std::to_string(lines.badLine) + " 行目: " + lines.error;
}

std::string ImportCountText(const roster::AddCount& count) {
  if (count.skipped == 0) return std::to_string(count.added) + " 件を名簿に追加しました";
  return std::to_string(count.added) + " 件を追加、" + std::to_string(count.skipped) +
         " 件は同じ内容が既にあるため飛ばしました";
}

std::string ExportLine(const roster::Entry& entry) {
  nlohmann::ordered_json out;
  out["id"] = entry.id;
  out["name"] = entry.name;
  out["note"] = entry.note;
  out["date"] = entry.birth.date;
  out["hour"] = entry.birth.hour;
  out["minute"] = entry.birth.minute;
  out["sex"] = entry.birth.sex;
  out["jisaMinutes"] = entry.birth.jisaMinutes;
  out["jisaSeconds"] = entry.birth.jisaSeconds;
  // Only where a decision was taken, so that other lines stay as before.
  if (entry.summerTime != roster::ClockDecision::NotAsked)
    out["summerTime"] = std::string(roster::DecisionWord(entry.summerTime));
  if (!entry.reading.empty()) out["reading"] = entry.reading;
  if (!entry.birthplace.empty()) out["birthplace"] = entry.birthplace;
  // Text that is not UTF-8 cannot come from the roster (every entry is
  // checked), but an export must never stop half way: replace, don't throw.
  return out.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace mireto::exchange
