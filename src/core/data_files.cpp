#include "core/data_files.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>

#include "core/numeric.h"
#include "core/utf8_path.h"

namespace mireto {

namespace {

// Reads the values of a free-format numeric file one after another.
// Separators are commas, blanks and line ends; a run of them counts as one.
class ValueReader {
 public:
  explicit ValueReader(std::string_view text) : text_(text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text_.substr(0, kBom.size()) == kBom) text_.remove_prefix(kBom.size());
  }

  // The next value's text, or nullopt at the end of the file.
  std::optional<std::string_view> next() {
    while (pos_ < text_.size() && IsSeparator(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  static bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Parses a whole token as a decimal real; nullopt when it is not one.
std::optional<double> ParseReal(std::string_view token) {
  std::string_view digits = token;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (end != digits.data() + digits.size()) return std::nullopt;
  // Beyond a double's range: 0 for a tiny number, infinity of its sign for a huge one.
  if (ec == std::errc::result_out_of_range) return LeadingNumber(token);
  if (ec != std::errc()) return std::nullopt;
  return negative ? -value : value;
}

struct FieldError {
  std::string message;
};

// Reads the fields of one file row by row, producing messages that name the
// file, the row (1-based) and the field.
class RowReader {
 public:
  RowReader(std::string_view fileName, std::string_view text) : file_(fileName), values_(text) {}

  void startRow(std::size_t row) { row_ = row; }

  double real(std::string_view field) {
    const std::string_view token = take(field);
    const auto value = ParseReal(token);
    if (!value) fail(field, "が数値ではありません: \"" + QuotedExcerpt(token) + "\"");
    if (!std::isfinite(*value)) fail(field, "が範囲外です");
    return *value;
  }

  std::int16_t integer(std::string_view field) {
    const double value = real(field);
    const auto converted = ToInt16(value);
    if (!converted) fail(field, "が範囲外です");
    return *converted;
  }

  std::int16_t body(std::string_view field) {
    const std::int16_t value = integer(field);
    if (value < 1 || value > 6) fail(field, "が範囲外です");
    return value;
  }

 private:
  std::string_view take(std::string_view field) {
    const auto token = values_.next();
    if (!token) fail(field, "がありません（データが足りません）");
    return *token;
  }

  [[noreturn]] void fail(std::string_view field, const std::string& what) {
    std::ostringstream message;
    message << file_ << " の " << row_ << " 行目 (" << field << ") " << what;
    throw FieldError{message.str()};
  }

  std::string_view file_;
  ValueReader values_;
  std::size_t row_ = 0;
};

void ReadPlanetTerms(std::string_view text, CalendarTables& tables) {
  RowReader reader(kPlanetFileName, text);
  for (std::size_t i = 0; i < tables.planetTerms.size(); ++i) {
    reader.startRow(i + 1);
    PlanetTerm& t = tables.planetTerms[i];
    t.body = reader.body("body");
    t.bodyMultiplier = reader.integer("bodyMultiplier");
    t.earthMultiplier = reader.integer("earthMultiplier");
    t.lonAmplitude = reader.real("lonAmplitude");
    t.lonPhase = reader.real("lonPhase");
    t.radAmplitude = reader.real("radAmplitude");
    t.radPhase = reader.real("radPhase");
  }
}

// Loaded and checked as the start-up requires, though no computation reads
// them (see CalendarTables).
void ReadLatitudeTerms(std::string_view text, CalendarTables& tables) {
  RowReader reader(kLatitudeFileName, text);
  for (std::size_t i = 0; i < tables.latitudeTerms.size(); ++i) {
    reader.startRow(i + 1);
    LatitudeTerm& t = tables.latitudeTerms[i];
    t.body = reader.body("body");
    t.bodyMultiplier = reader.integer("bodyMultiplier");
    t.earthMultiplier = reader.integer("earthMultiplier");
    t.latAmplitude = reader.real("latAmplitude");
    t.latPhase = reader.real("latPhase");
  }
}

// Reads a whole regular file of at most kDataFileMaxBytes, or explains in
// Japanese why it cannot be read. The size is checked before any byte is read
// and again while reading (the file may grow meanwhile).
std::optional<std::string> ReadFile(const std::filesystem::path& path, std::string_view name, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    error = std::string(name) + " が見つかりません: " + Utf8Text(path);
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = std::string(name) + " が通常のファイルではありません: " + Utf8Text(path);
    return std::nullopt;
  }
  const std::string tooLarge =
      std::string(name) + " が大きすぎます（上限 " + std::to_string(kDataFileMaxBytes) + " バイト）: " + Utf8Text(path);
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kDataFileMaxBytes) {
    error = tooLarge;
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::string(name) + " を開けません: " + Utf8Text(path);
    return std::nullopt;
  }
  std::string contents(kDataFileMaxBytes + 1, '\0');
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (in.bad()) {
    error = std::string(name) + " を読み込めません: " + Utf8Text(path);
    return std::nullopt;
  }
  contents.resize(static_cast<std::size_t>(in.gcount()));
  if (contents.size() > kDataFileMaxBytes) {
    error = tooLarge;
    return std::nullopt;
  }
  return contents;
}

}  // namespace

TablesOrError ParseCalendarTables(std::string_view planetText, std::string_view latitudeText) {
  CalendarTables tables{};
  try {
    ReadPlanetTerms(planetText, tables);
    ReadLatitudeTerms(latitudeText, tables);
  } catch (const FieldError& e) {
    return TablesOrError{std::nullopt, e.message};
  }
  return TablesOrError{tables, {}};
}

TextsOrError ReadDataFiles(const std::filesystem::path& directory) {
  std::string error;
  auto planet = ReadFile(directory / kPlanetFileName, kPlanetFileName, error);
  if (!planet) return TextsOrError{std::nullopt, error};
  auto latitude = ReadFile(directory / kLatitudeFileName, kLatitudeFileName, error);
  if (!latitude) return TextsOrError{std::nullopt, error};
  return TextsOrError{DataFileTexts{std::move(*planet), std::move(*latitude)}, {}};
}

TablesOrError LoadCalendarTables(const std::filesystem::path& directory) {
  const TextsOrError read = ReadDataFiles(directory);
  if (!read.texts) return TablesOrError{std::nullopt, read.error};
  return ParseCalendarTables(read.texts->planet, read.texts->latitude);
}

std::string ValueLines(std::string_view text, std::size_t count) {
  ValueReader values(text);
  std::string lines;
  for (std::size_t i = 0; i < count; ++i) {
    const auto token = values.next();
    if (!token) break;
    lines.append(*token).push_back('\n');
  }
  return lines;
}

std::string QuotedExcerpt(std::string_view token) {
  std::size_t end = token.size();
  if (end > kQuotedTokenMaxBytes) {
    end = kQuotedTokenMaxBytes;
    // Back up over UTF-8 continuation bytes (10xxxxxx) to a character start.
    while (end > 0 && (static_cast<unsigned char>(token[end]) & 0xC0) == 0x80) --end;
  }
  std::string quoted(token.substr(0, end));
  // Control bytes (a NUL, an escape) would garble a terminal or a message box.
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return end < token.size() ? quoted + "…" : quoted;
}

}  // namespace mireto
