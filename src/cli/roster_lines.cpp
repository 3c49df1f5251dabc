#include "cli/roster_lines.h"

#include <nlohmann/json.hpp>
#include <set>

#include "chart/summer_time.h"
#include "cli/chart_io.h"

namespace mireto::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// "?" or the number as the list item shows it.
std::string ListText(const std::optional<int>& value) { return value ? std::to_string(*value) : "?"; }

std::string DateText(const BirthInput& input) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", input.year, input.month, input.day);
  return text;
}

// Takes the string member `key` out of the object; an absent key gives "".
bool TakeString(nlohmann::json& object, const char* key, bool required, std::string& value,
                std::string& error) {
  const auto it = object.find(key);
  if (it == object.end()) {
    if (required) error = std::string("項目 \"") + key + "\" がありません";
    return !required;
  }
  if (!it->is_string()) {
    error = std::string("項目 \"") + key + "\" は文字列で指定してください";
    return false;
  }
  value = it->get<std::string>();
  object.erase(it);
  return true;
}

}  // namespace

std::optional<roster::NewEntry> ParseImportLine(std::string_view line, std::string& error) {
  // A key given twice would silently lose one of its values: refused.
  std::string duplicate;
  std::set<std::string> keys;
  const nlohmann::json::parser_callback_t noDuplicates = [&](int depth, nlohmann::json::parse_event_t event,
                                                             nlohmann::json& parsed) {
    if (depth == 1 && event == nlohmann::json::parse_event_t::key && !keys.insert(parsed.get<std::string>()).second &&
        duplicate.empty())
      duplicate = parsed.get<std::string>();
    return true;
  };
  nlohmann::json object = nlohmann::json::parse(line, noDuplicates, false);
  if (object.is_discarded() || !object.is_object()) {
    error = "JSON のオブジェクトとして読めません";
    return std::nullopt;
  }
  if (!duplicate.empty()) {
    error = "項目 \"" + duplicate + "\" が二度あります";
    return std::nullopt;
  }
  roster::NewEntry entry;
  if (!TakeString(object, "name", true, entry.name, error)) return std::nullopt;
  if (!TakeString(object, "note", false, entry.note, error)) return std::nullopt;
  if (!TakeString(object, "reading", false, entry.reading, error)) return std::nullopt;
  if (!TakeString(object, "birthplace", false, entry.birthplace, error)) return std::nullopt;
  std::string decision;
  if (!TakeString(object, "summerTime", false, decision, error)) return std::nullopt;
  if (const auto taken = roster::DecisionFromWord(decision)) {
    entry.summerTime = *taken;
  } else {
    error = "項目 \"summerTime\" は \"apply\" か \"ignore\" で指定してください";
    return std::nullopt;
  }
  // The id of an exported line belongs to the roster it came from: a new one is given.
  if (const auto id = object.find("id"); id != object.end()) {
    if (!id->is_number_integer()) {
      error = "項目 \"id\" は整数で指定してください";
      return std::nullopt;
    }
    object.erase(id);
  }
  // What is left is a --batch input object.
  const auto request = ParseBatchLine(object.dump(), error);
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
      return refuse(number, "UTF-8 の文字として読めません。Shift_JIS などで保存されたファイルは、UTF-8 で保存し直してから読み込んでください");
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

}  // namespace mireto::cli
