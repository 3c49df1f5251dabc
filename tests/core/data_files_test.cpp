// Loading planet.txt and latitude.txt: layouts that must load identically and
// malformed files that must give a message naming the file, the row and the field.
#include "core/data_files.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "test_support.h"
#include "test_system.h"

namespace mireto {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& end = "\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The text with field `field` (0-based) of row `row` (1-based) replaced.
std::string WithField(const std::string& text, int row, int field, const std::string& value) {
  std::vector<std::string> lines = SplitLines(text);
  std::vector<std::string> fields;
  std::istringstream in(lines.at(row - 1));
  for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
  fields.at(field) = value;
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  lines[row - 1] = line;
  return JoinLines(lines);
}

// Every value of the text, separated as requested.
std::string Relaid(const std::string& text, const std::string& separator) {
  std::string out;
  for (const std::string& line : SplitLines(text)) {
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, ',');) out += f + separator;
  }
  return out;
}

void ExpectSameTables(const CalendarTables& a, const CalendarTables& b) {
  for (std::size_t i = 0; i < kPlanetTermCount; ++i) {
    const PlanetTerm& x = a.planetTerms[i];
    const PlanetTerm& y = b.planetTerms[i];
    EXPECT_EQ(x.body, y.body) << "planet row " << i + 1;
    EXPECT_EQ(x.bodyMultiplier, y.bodyMultiplier) << "planet row " << i + 1;
    EXPECT_EQ(x.earthMultiplier, y.earthMultiplier) << "planet row " << i + 1;
    EXPECT_EQ(x.lonAmplitude, y.lonAmplitude) << "planet row " << i + 1;
    EXPECT_EQ(x.lonPhase, y.lonPhase) << "planet row " << i + 1;
    EXPECT_EQ(x.radAmplitude, y.radAmplitude) << "planet row " << i + 1;
    EXPECT_EQ(x.radPhase, y.radPhase) << "planet row " << i + 1;
  }
  for (std::size_t i = 0; i < kLatitudeTermCount; ++i) {
    const LatitudeTerm& x = a.latitudeTerms[i];
    const LatitudeTerm& y = b.latitudeTerms[i];
    EXPECT_EQ(x.body, y.body) << "latitude row " << i + 1;
    EXPECT_EQ(x.bodyMultiplier, y.bodyMultiplier) << "latitude row " << i + 1;
    EXPECT_EQ(x.earthMultiplier, y.earthMultiplier) << "latitude row " << i + 1;
    EXPECT_EQ(x.latAmplitude, y.latAmplitude) << "latitude row " << i + 1;
    EXPECT_EQ(x.latPhase, y.latPhase) << "latitude row " << i + 1;
  }
}

class DataFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    planet_ = test::ReadFile(test::BinDirectory() / kPlanetFileName);
    latitude_ = test::ReadFile(test::BinDirectory() / kLatitudeFileName);
    ASSERT_EQ(SplitLines(planet_).size(), kPlanetTermCount);
    ASSERT_EQ(SplitLines(latitude_).size(), kLatitudeTermCount);
    const TablesOrError real = ParseCalendarTables(planet_, latitude_);
    ASSERT_TRUE(real.tables) << real.error;
    real_ = *real.tables;
  }

  // Expects a failure whose message names the file, the row and the field.
  void ExpectError(const TablesOrError& result, std::string_view file, int row, std::string_view field) {
    EXPECT_FALSE(result.tables);
    EXPECT_NE(result.error.find(file), std::string::npos) << result.error;
    EXPECT_NE(result.error.find(" " + std::to_string(row) + " "), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("(" + std::string(field) + ")"), std::string::npos) << result.error;
  }

  std::string planet_;
  std::string latitude_;
  CalendarTables real_{};
};

TEST_F(DataFilesTest, RealFilesLoadWithTheirFirstAndLastRows) {
  const PlanetTerm& first = real_.planetTerms.front();  // 1,-1,1,0.013,243,28,335
  EXPECT_EQ(first.body, 1);
  EXPECT_EQ(first.bodyMultiplier, -1);
  EXPECT_EQ(first.earthMultiplier, 1);
  EXPECT_EQ(first.lonAmplitude, 0.013);
  EXPECT_EQ(first.lonPhase, 243.0);
  EXPECT_EQ(first.radAmplitude, 28.0);
  EXPECT_EQ(first.radPhase, 335.0);
  const PlanetTerm& last = real_.planetTerms.back();  // 6,4,-2,0.003,288,4,194
  EXPECT_EQ(last.body, 6);
  EXPECT_EQ(last.bodyMultiplier, 4);
  EXPECT_EQ(last.earthMultiplier, -2);
  EXPECT_EQ(last.lonAmplitude, 0.003);
  EXPECT_EQ(last.lonPhase, 288.0);
  EXPECT_EQ(last.radAmplitude, 4.0);
  EXPECT_EQ(last.radPhase, 194.0);
  const LatitudeTerm& lat1 = real_.latitudeTerms.front();  // 2,-1,0,0.029,145
  EXPECT_EQ(lat1.body, 2);
  EXPECT_EQ(lat1.bodyMultiplier, -1);
  EXPECT_EQ(lat1.earthMultiplier, 0);
  EXPECT_EQ(lat1.latAmplitude, 0.029);
  EXPECT_EQ(lat1.latPhase, 145.0);
  const LatitudeTerm& lat34 = real_.latitudeTerms.back();  // 6,1,1,0.006,280
  EXPECT_EQ(lat34.body, 6);
  EXPECT_EQ(lat34.latAmplitude, 0.006);
  EXPECT_EQ(lat34.latPhase, 280.0);
  for (const PlanetTerm& term : real_.planetTerms) {
    EXPECT_GE(term.body, 1);
    EXPECT_LE(term.body, 6);
  }
}

TEST_F(DataFilesTest, LoadFromTheProgramFolderMatchesParsing) {
  const TablesOrError loaded = LoadCalendarTables(test::BinDirectory());
  ASSERT_TRUE(loaded.tables) << loaded.error;
  EXPECT_TRUE(loaded.error.empty());
  ExpectSameTables(*loaded.tables, real_);
}

TEST_F(DataFilesTest, LayoutOverLinesDoesNotMatter) {
  for (const std::string separator : {"\n", " ", ",", "\r\n", " ,  ", "\t"}) {
    const TablesOrError relaid = ParseCalendarTables(Relaid(planet_, separator), Relaid(latitude_, separator));
    ASSERT_TRUE(relaid.tables) << "separator of " << separator.size() << " chars: " << relaid.error;
    ExpectSameTables(*relaid.tables, real_);
  }
}

TEST_F(DataFilesTest, CrLfLineEndsAndAByteOrderMarkLoad) {
  const std::string crlfPlanet = JoinLines(SplitLines(planet_), "\r\n");
  const std::string crlfLatitude = JoinLines(SplitLines(latitude_), "\r\n");
  const TablesOrError crlf = ParseCalendarTables(crlfPlanet, crlfLatitude);
  ASSERT_TRUE(crlf.tables) << crlf.error;
  ExpectSameTables(*crlf.tables, real_);
  const std::string bom = "\xEF\xBB\xBF";
  const TablesOrError withBom = ParseCalendarTables(bom + crlfPlanet, bom + latitude_);
  ASSERT_TRUE(withBom.tables) << withBom.error;
  ExpectSameTables(*withBom.tables, real_);
}

TEST_F(DataFilesTest, ValuesAfterTheLastRowAreIgnored) {
  const TablesOrError extra = ParseCalendarTables(planet_ + "9,9,9,not a number\nrubbish\n", latitude_ + "1,2,3,4,5\n");
  ASSERT_TRUE(extra.tables) << extra.error;
  ExpectSameTables(*extra.tables, real_);
  // No line end after the last value.
  std::string noFinalNewline = planet_;
  while (!noFinalNewline.empty() && (noFinalNewline.back() == '\n' || noFinalNewline.back() == '\r')) {
    noFinalNewline.pop_back();
  }
  const TablesOrError bare = ParseCalendarTables(noFinalNewline, latitude_);
  ASSERT_TRUE(bare.tables) << bare.error;
  ExpectSameTables(*bare.tables, real_);
}

TEST_F(DataFilesTest, ShortFilesNameTheFirstMissingValue) {
  std::vector<std::string> rows = SplitLines(planet_);
  rows.pop_back();
  ExpectError(ParseCalendarTables(JoinLines(rows), latitude_), kPlanetFileName, 120, "body");
  // A last row cut after its third value is missing its lonAmplitude.
  rows.push_back("6,4,-2");
  ExpectError(ParseCalendarTables(JoinLines(rows), latitude_), kPlanetFileName, 120, "lonAmplitude");
  std::vector<std::string> latRows = SplitLines(latitude_);
  latRows.resize(10);
  ExpectError(ParseCalendarTables(planet_, JoinLines(latRows)), kLatitudeFileName, 11, "body");
  ExpectError(ParseCalendarTables("", latitude_), kPlanetFileName, 1, "body");
}

TEST_F(DataFilesTest, MalformedValuesNameFileRowAndField) {
  ExpectError(ParseCalendarTables(WithField(planet_, 3, 3, "0.0x5"), latitude_), kPlanetFileName, 3, "lonAmplitude");
  ExpectError(ParseCalendarTables(WithField(planet_, 4, 0, "x"), latitude_), kPlanetFileName, 4, "body");
  ExpectError(ParseCalendarTables(WithField(planet_, 5, 6, "12a"), latitude_), kPlanetFileName, 5, "radPhase");
  ExpectError(ParseCalendarTables(WithField(planet_, 10, 2, "32768"), latitude_), kPlanetFileName, 10,
              "earthMultiplier");
  ExpectError(ParseCalendarTables(WithField(planet_, 11, 1, "-32769"), latitude_), kPlanetFileName, 11,
              "bodyMultiplier");
  ExpectError(ParseCalendarTables(planet_, WithField(latitude_, 7, 4, "--1")), kLatitudeFileName, 7, "latPhase");
}

TEST_F(DataFilesTest, SixteenBitLimitsThemselvesLoad) {
  const TablesOrError limits =
      ParseCalendarTables(WithField(WithField(planet_, 10, 2, "32767"), 11, 1, "-32768"), latitude_);
  ASSERT_TRUE(limits.tables) << limits.error;
  EXPECT_EQ(limits.tables->planetTerms[9].earthMultiplier, 32767);
  EXPECT_EQ(limits.tables->planetTerms[10].bodyMultiplier, -32768);
}

TEST_F(DataFilesTest, BodyOutsideOneToSixIsRejectedAtLoadTime) {
  const TablesOrError body57 = ParseCalendarTables(WithField(planet_, 57, 0, "7"), latitude_);
  EXPECT_FALSE(body57.tables);
  EXPECT_EQ(body57.error, "planet.txt の 57 行目 (body) が範囲外です");
  ExpectError(ParseCalendarTables(WithField(planet_, 1, 0, "0"), latitude_), kPlanetFileName, 1, "body");
  ExpectError(ParseCalendarTables(WithField(planet_, 120, 0, "-3"), latitude_), kPlanetFileName, 120, "body");
  ExpectError(ParseCalendarTables(planet_, WithField(latitude_, 34, 0, "9")), kLatitudeFileName, 34, "body");
}

// A scratch folder removed at the end of the test.
class ScratchFolder {
 public:
  const fs::path& path() const { return folder_.path(); }
  void Write(std::string_view name, const std::string& text) const {
    std::ofstream(path() / name, std::ios::binary) << text;
  }

 private:
  test::TempFolder folder_{"mireto-core-test-"};
};

TEST_F(DataFilesTest, MissingFilesAndFoldersInPlaceOfFilesAreReported) {
  const ScratchFolder folder;
  const TablesOrError none = LoadCalendarTables(folder.path());
  EXPECT_FALSE(none.tables);
  EXPECT_NE(none.error.find("planet.txt"), std::string::npos) << none.error;

  folder.Write(kPlanetFileName, planet_);
  const TablesOrError noLatitude = LoadCalendarTables(folder.path());
  EXPECT_FALSE(noLatitude.tables);
  EXPECT_NE(noLatitude.error.find("latitude.txt"), std::string::npos) << noLatitude.error;

  fs::create_directory(folder.path() / kLatitudeFileName);
  const TablesOrError folderAsFile = LoadCalendarTables(folder.path());
  EXPECT_FALSE(folderAsFile.tables);
  EXPECT_NE(folderAsFile.error.find("latitude.txt"), std::string::npos) << folderAsFile.error;

  fs::remove(folder.path() / kLatitudeFileName);
  folder.Write(kLatitudeFileName, latitude_);
  const TablesOrError both = LoadCalendarTables(folder.path());
  ASSERT_TRUE(both.tables) << both.error;
  ExpectSameTables(*both.tables, real_);

  EXPECT_FALSE(LoadCalendarTables(folder.path() / "no-such-folder").tables);
}

}  // namespace
}  // namespace mireto
