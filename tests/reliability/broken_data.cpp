#include "broken_data.h"

#include <sys/stat.h>
#include <cstdlib>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace mireto::test {

namespace fs = std::filesystem;

namespace {

// Planet rows are body,p,q,lonAmplitude,lonPhase,radAmplitude,radPhase;
// latitude rows body,p,q,latAmplitude,latPhase. The damaged row of each file:
constexpr std::size_t kPlanetRow = 57;
constexpr std::size_t kLatitudeRow = 20;
constexpr std::size_t kBodyField = 0;
constexpr std::size_t kMultiplierField = 1;
constexpr std::size_t kAmplitudeField = 3;

std::vector<std::string> SplitRows(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) rows.push_back(line);
  }
  return rows;
}

std::vector<std::string> SplitFields(const std::string& row) {
  std::vector<std::string> fields;
  std::istringstream in(row);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

std::string JoinRows(const std::vector<std::string>& rows, const std::string& lineEnd) {
  std::string text;
  for (const auto& row : rows) text += row + lineEnd;
  return text;
}

// The text with field `field` of 1-based row `row` rewritten.
template <typename Edit>
std::string EditField(const std::string& text, std::size_t row, std::size_t field, Edit edit) {
  auto rows = SplitRows(text);
  auto fields = SplitFields(rows.at(row - 1));
  edit(fields.at(field));
  std::string joined;
  for (std::size_t i = 0; i < fields.size(); ++i) joined += (i ? "," : "") + fields[i];
  rows[row - 1] = joined;
  return JoinRows(rows, "\n");
}

std::string DamagedText(const std::string& shipped, std::size_t row, Damage damage) {
  switch (damage) {
    case Damage::Empty: return {};
    case Damage::ShortByOneRow: {
      auto rows = SplitRows(shipped);
      rows.pop_back();
      return JoinRows(rows, "\n");
    }
    case Damage::ExtraRows: return shipped + SplitRows(shipped).front() + "\nthis line is never read\n";
    case Damage::LetterInNumber:
      return EditField(shipped, row, kAmplitudeField, [](std::string& f) { f.back() = 'O'; });
    case Damage::IntegerOver16Bits:
      return EditField(shipped, row, kMultiplierField, [](std::string& f) { f = "32768"; });
    case Damage::BodyZero: return EditField(shipped, row, kBodyField, [](std::string& f) { f = "0"; });
    case Damage::BodySeven: return EditField(shipped, row, kBodyField, [](std::string& f) { f = "7"; });
    case Damage::CrLf: return JoinRows(SplitRows(shipped), "\r\n");
    case Damage::Bom: return "\xEF\xBB\xBF" + shipped;
    case Damage::BomAndCrLf: return "\xEF\xBB\xBF" + JoinRows(SplitRows(shipped), "\r\n");
    case Damage::CutInLastNumber: {
      std::string cut = JoinRows(SplitRows(shipped), "\n");
      cut.resize(cut.size() - 2);  // the line end and the last digit
      return cut;
    }
    default: return shipped;
  }
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  fs::permissions(path,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

void PlaceDataFile(const fs::path& dir, const std::string& file, const DataFileCase& c) {
  const fs::path path = dir / file;
  const bool damaged = file == c.file;
  if (!damaged) return WriteFile(path, ShippedDataFile(file));
  const std::size_t row = file == "planet.txt" ? kPlanetRow : kLatitudeRow;
  switch (c.damage) {
    case Damage::Missing: return;
    case Damage::Directory: fs::create_directory(path); return;
    case Damage::Unreadable:
      WriteFile(path, ShippedDataFile(file));
      fs::permissions(path, fs::perms::none);
      return;
    case Damage::TooLarge:
      WriteFile(path, ShippedDataFile(file));
      fs::resize_file(path, std::uintmax_t{2} << 30);
      return;
    default: WriteFile(path, DamagedText(ShippedDataFile(file), row, c.damage));
  }
}

}  // namespace

const std::vector<DataFileCase>& DataFileCases() {
  static const std::vector<DataFileCase> cases = {
      {"Intact", "planet.txt", Damage::None, true, ""},
      {"PlanetMissing", "planet.txt", Damage::Missing, false, "見つかりません"},
      {"PlanetEmpty", "planet.txt", Damage::Empty, false, "1 行目"},
      {"PlanetShort", "planet.txt", Damage::ShortByOneRow, false, "120 行目"},
      {"PlanetExtraRows", "planet.txt", Damage::ExtraRows, true, ""},
      {"PlanetLetterInNumber", "planet.txt", Damage::LetterInNumber, false, "57 行目 (lonAmplitude)"},
      {"PlanetIntegerOver32767", "planet.txt", Damage::IntegerOver16Bits, false, "57 行目 (bodyMultiplier)"},
      {"PlanetBodyZero", "planet.txt", Damage::BodyZero, false, "57 行目 (body)"},
      {"PlanetBodySeven", "planet.txt", Damage::BodySeven, false, "57 行目 (body)"},
      {"PlanetCrLf", "planet.txt", Damage::CrLf, true, ""},
      {"PlanetBom", "planet.txt", Damage::Bom, true, ""},
      {"PlanetDirectory", "planet.txt", Damage::Directory, false, "通常のファイルではありません"},
      {"PlanetUnreadable", "planet.txt", Damage::Unreadable, false, "開けません"},
      {"PlanetTooLarge", "planet.txt", Damage::TooLarge, false, "大きすぎます"},
      {"PlanetCutInLastNumber", "planet.txt", Damage::CutInLastNumber, false, "壊れています"},
      {"LatitudeMissing", "latitude.txt", Damage::Missing, false, "見つかりません"},
      {"LatitudeEmpty", "latitude.txt", Damage::Empty, false, "1 行目"},
      {"LatitudeShort", "latitude.txt", Damage::ShortByOneRow, false, "34 行目"},
      {"LatitudeExtraRows", "latitude.txt", Damage::ExtraRows, true, ""},
      {"LatitudeLetterInNumber", "latitude.txt", Damage::LetterInNumber, false, "20 行目 (latAmplitude)"},
      {"LatitudeIntegerOver32767", "latitude.txt", Damage::IntegerOver16Bits, false, "20 行目 (bodyMultiplier)"},
      {"LatitudeBodySeven", "latitude.txt", Damage::BodySeven, false, "20 行目 (body)"},
      {"LatitudeBomAndCrLf", "latitude.txt", Damage::BomAndCrLf, true, ""},
      {"LatitudeDirectory", "latitude.txt", Damage::Directory, false, "通常のファイルではありません"},
      {"LatitudeCutInLastNumber", "latitude.txt", Damage::CutInLastNumber, false, "壊れています"},
  };
  return cases;
}

std::string ShippedDataFile(const std::string& file) {
  std::ifstream in(fs::path(MIRETO_DATA_DIR) / file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the shipped " + file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProgramCopy::ProgramCopy(const fs::path& program, const DataFileCase& c) : folder_("mireto-data-") {
  root_ = folder_.path();
  const fs::path bin = root_ / "bin";
  fs::create_directory(bin);
  for (const fs::path& dir : {root_, bin}) {
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec);
  }
  program_ = bin / program.filename();
  fs::copy_file(program, program_);
  for (const char* file : {"planet.txt", "latitude.txt"}) PlaceDataFile(bin, file, c);
}

}  // namespace mireto::test
