// mireto-chart's --import and --export over a roster in a temporary folder.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/roster_commands.h"
#include "core/utf8_path.h"
#include "exchange/roster_lines.h"
#include "roster/roster.h"
#include "temp_data_home.h"

namespace mireto::cli {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDataHome;

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

class RosterCommandsTest : public ::testing::Test {
 protected:
  CommandRun import(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out, err;
    const int status = ImportRoster(file_, in, out, err);
    return {status, out.str(), err.str()};
  }
  CommandRun exportAll() {
    std::ostringstream out, err;
    const int status = ExportRoster(file_, out, err);
    return {status, out.str(), err.str()};
  }

  TempDataHome home_;
  fs::path file_ = home_.rosterFile();
};

constexpr const char* kGoodLines =
    R"({"name":"山田 太郎","note":"初回\n二行目","date":"1990-05-03","hour":"14","minute":"27","sex":"M","jisaMinutes":"-5","jisaSeconds":"30"})"
    "\n"
    R"({"name":"\"引用\" \\ 🐉","date":"1975-04-08","hour":"?","minute":"?"})"
    "\r\n"
    R"({"name":"花子","note":"","date":"2000-02-29","hour":"09","minute":"05","sex":"F","jisaMinutes":"18","jisaSeconds":"0","now":"2026-12-07T12:00"})"
    "\n"
    R"({"name":"夏","date":"1949-07-01","hour":"10","minute":"0","summerTime":"apply"})"
    "\n";

TEST_F(RosterCommandsTest, ImportThenExportGivesTheEntriesInOrderExactlyAsStored) {
  const CommandRun imported = import(kGoodLines);
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "4 件を名簿に追加しました\n");
  const CommandRun exported = exportAll();
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(
      exported.out,
      R"({"id":1,"name":"山田 太郎","note":"初回\n二行目","date":"1990-05-03","hour":"14","minute":"27","sex":"M","jisaMinutes":"-5","jisaSeconds":"30"})"
      "\n"
      R"({"id":2,"name":"\"引用\" \\ 🐉","note":"","date":"1975-04-08","hour":"?","minute":"?","sex":"F","jisaMinutes":"0","jisaSeconds":"0"})"
      "\n"
      R"({"id":3,"name":"花子","note":"","date":"2000-02-29","hour":"9","minute":"5","sex":"F","jisaMinutes":"18","jisaSeconds":"0"})"
      "\n"
      R"({"id":4,"name":"夏","note":"","date":"1949-07-01","hour":"10","minute":"0","sex":"F","jisaMinutes":"0","jisaSeconds":"0","summerTime":"apply"})"
      "\n");
}

TEST_F(RosterCommandsTest, AnExportReadsBackIntoAnotherRosterUnchanged) {
  ASSERT_EQ(import(kGoodLines).status, 0);
  const std::string first = exportAll().out;
  const fs::path other = home_.root() / "other" / "roster.sqlite3";
  std::istringstream in(first);
  std::ostringstream out, err;
  ASSERT_EQ(ImportRoster(other, in, out, err), 0) << err.str();
  std::ostringstream again;
  ASSERT_EQ(ExportRoster(other, again, err), 0);
  EXPECT_EQ(again.str(), first);
}

struct BadImport {
  const char* label;
  std::string lines;
  long badLine;
};

void PrintTo(const BadImport& c, std::ostream* os) { *os << c.label; }

class BadImportTest : public RosterCommandsTest, public ::testing::WithParamInterface<BadImport> {};

// A bad line anywhere: exit 2, one line naming it, and the roster unchanged
// (an existing file byte for byte; none created when there was none).
TEST_P(BadImportTest, AddsNothingAndNamesTheLine) {
  const std::string expectedPrefix = "mireto-chart: 名簿の読み込み: " + std::to_string(GetParam().badLine) + " 行目: ";
  const CommandRun fresh = import(GetParam().lines);
  EXPECT_EQ(fresh.status, 2);
  EXPECT_EQ(fresh.err.rfind(expectedPrefix, 0), 0u) << fresh.err;
  EXPECT_EQ(std::count(fresh.err.begin(), fresh.err.end(), '\n'), 1);
  EXPECT_FALSE(fs::exists(file_));

  ASSERT_EQ(import(R"({"name":"既存","date":"1980-01-01","hour":"0","minute":"0"})").status, 0);
  const std::string before = ReadFile(file_);
  const CommandRun onExisting = import(GetParam().lines);
  EXPECT_EQ(onExisting.status, 2);
  EXPECT_EQ(ReadFile(file_), before);
  const std::string exported = exportAll().out;
  EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 1);
}

const std::string kGood = R"({"name":"甲","date":"1990-05-03","hour":"14","minute":"27"})";

INSTANTIATE_TEST_SUITE_P(
    Lines, BadImportTest,
    ::testing::Values(
        BadImport{"NoName", kGood + "\n" + R"({"date":"1990-05-03","hour":"14","minute":"27"})" + "\n" + kGood, 2},
        BadImport{"BlankName",
                  kGood + "\n" + kGood + "\n" + R"({"name":" 　","date":"1990-05-03","hour":"1","minute":"2"})", 3},
        BadImport{"NameNotString", R"({"name":5,"date":"1990-05-03","hour":"14","minute":"27"})", 1},
        BadImport{"NoteNotString",
                  kGood + "\n" + R"({"name":"a","note":null,"date":"1990-05-03","hour":"1","minute":"2"})", 2},
        BadImport{"NotJson", kGood + "\n{name:甲}\n" + kGood, 2},
        BadImport{"EmptyLineInTheMiddle", kGood + "\n\n" + kGood, 2},
        BadImport{"ImpossibleDate", kGood + "\n" + R"({"name":"a","date":"1990-02-30","hour":"1","minute":"2"})", 2},
        BadImport{"YearOutsideTheDialog", R"({"name":"a","date":"1700-01-01","hour":"1","minute":"2"})", 1},
        BadImport{"HourOutOfRange",
                  kGood + "\n" + kGood + "\n" + kGood + "\n" +
                      R"({"name":"a","date":"1990-01-01","hour":"24","minute":"2"})",
                  4},
        BadImport{"BadSex", R"({"name":"a","date":"1990-01-01","hour":"1","minute":"2","sex":"X"})", 1},
        BadImport{"NameWithLineBreak", R"({"name":"a\nb","date":"1990-01-01","hour":"1","minute":"2"})", 1},
        BadImport{"DuplicateName",
                  kGood + "\n" + R"({"name":"a","name":"b","date":"1990-01-01","hour":"1","minute":"2"})", 2},
        BadImport{"DuplicateDate", R"({"name":"a","date":"1990-01-01","date":"1990-01-02","hour":"1","minute":"2"})",
                  1},
        BadImport{"UnknownKey", kGood + "\n" + R"({"name":"a","date":"1990-01-01","hour":"1","minute":"2","memo":"x"})",
                  2},
        BadImport{"UnknownSummerTimeWord",
                  R"({"name":"a","date":"1949-07-01","hour":"10","minute":"0","summerTime":"yes"})", 1},
        BadImport{"IdNotInteger", R"({"id":"7","name":"a","date":"1990-01-01","hour":"1","minute":"2"})", 1},
        // What the desktop program cannot hold.
        BadImport{"MinuteWithoutHour", kGood + "\n" + R"({"name":"a","date":"1990-01-01","hour":"?","minute":"2"})", 2},
        BadImport{"TimeDifferenceBeyondTheMap",
                  R"({"name":"a","date":"1990-01-01","hour":"1","minute":"2","jisaMinutes":"-55"})", 1},
        BadImport{"TimeDifferenceBeyondTheSpinner",
                  R"({"name":"a","date":"1990-01-01","hour":"1","minute":"2","jisaMinutes":"49"})", 1},
        BadImport{"TimeThatNeverExistedWithoutDecision", R"({"name":"a","date":"1948-05-02","hour":"0","minute":"30"})",
                  1},
        BadImport{"TimeThatNeverExistedReadAsSummerTime",
                  R"({"name":"a","date":"1948-05-02","hour":"0","minute":"30","summerTime":"apply"})", 1},
        // Limits and characters checked before or after parsing.
        BadImport{"LineTooLongToParse", kGood + "\n" + R"({"name":")" + std::string(200000, 'x') + R"("})", 2},
        BadImport{"NameTooLong",
                  R"({"name":")" + std::string(101, 'x') + R"(","date":"1990-01-01","hour":"1","minute":"2"})", 1},
        BadImport{"NoteTooLong",
                  R"({"name":"a","note":")" + std::string(10001, 'x') +
                      R"(","date":"1990-01-01","hour":"1","minute":"2"})",
                  1},
        BadImport{"NotUtf8",
                  kGood + "\n" + "{\"name\":\"\x8e\x52\",\"date\":\"1990-01-01\",\"hour\":\"1\",\"minute\":\"2\"}", 2},
        BadImport{"NameWithNextLine", R"({"name":"a\u0085b","date":"1990-01-01","hour":"1","minute":"2"})", 1},
        BadImport{"NameWithLineSeparator", R"({"name":"a\u2028b","date":"1990-01-01","hour":"1","minute":"2"})", 1},
        BadImport{"NameWithParagraphSeparator", R"({"name":"a\u2029b","date":"1990-01-01","hour":"1","minute":"2"})",
                  1},
        BadImport{"NameWithBidiOverride", R"({"name":"a\u202Eb","date":"1990-01-01","hour":"1","minute":"2"})", 1},
        BadImport{"NameWithBidiIsolate", R"({"name":"a\u2066b","date":"1990-01-01","hour":"1","minute":"2"})", 1}),
    [](const auto& info) { return std::string(info.param.label); });

// Blank lines at the end are ignored as --batch ignores them; a file with
// nothing to read is not a success; the same content again is skipped.
TEST_F(RosterCommandsTest, BlankEndEmptyFileAndDuplicates) {
  const CommandRun blankEnd = import(kGood + "\n  \t\r\n\n");
  EXPECT_EQ(blankEnd.status, 0) << blankEnd.err;
  EXPECT_EQ(blankEnd.out, "1 件を名簿に追加しました\n");
  for (const std::string empty : {"", "\n", " \r\n\t\n"}) {
    const CommandRun nothing = import(empty);
    EXPECT_EQ(nothing.status, 2);
    EXPECT_NE(nothing.err.find("読み込む項目がありません"), std::string::npos) << nothing.err;
  }
  const CommandRun again = import(kGoodLines);
  ASSERT_EQ(again.status, 0) << again.err;
  const CommandRun twice = import(std::string(kGoodLines) + kGood + "\n");
  EXPECT_EQ(twice.out, "0 件を追加、5 件は同じ内容が既にあるため飛ばしました\n");
  const CommandRun exported = exportAll();
  EXPECT_EQ(std::count(exported.out.begin(), exported.out.end(), '\n'), 5);
}

TEST_F(RosterCommandsTest, ReadingAndBirthplaceTravelAsOptionalKeys) {
  ASSERT_EQ(
      import(
          R"({"name":"髙橋","reading":"たかはし","birthplace":"東経139度41分 北緯35度41分","date":"1990-05-03","hour":"14","minute":"27"})")
          .status,
      0);
  EXPECT_EQ(
      exportAll().out,
      R"({"id":1,"name":"髙橋","note":"","date":"1990-05-03","hour":"14","minute":"27","sex":"F","jisaMinutes":"0","jisaSeconds":"0","reading":"たかはし","birthplace":"東経139度41分 北緯35度41分"})"
      "\n");
}

TEST_F(RosterCommandsTest, ExportOfADamagedFileFailsAndLeavesIt) {
  test::WriteFile(file_, "not a database at all, but precious to someone");
  const CommandRun exported = exportAll();
  EXPECT_EQ(exported.status, 2);
  EXPECT_NE(exported.err.find("名簿ファイルが壊れている"), std::string::npos) << exported.err;
  EXPECT_EQ(import(kGoodLines).status, 2);
  EXPECT_EQ(ReadFile(file_), "not a database at all, but precious to someone");
}

// Paths arrive as UTF-8 text (Windows' ANSI code page cannot spell these):
// the import file, the roster and the damaged-file message all keep the
// Japanese names.
TEST_F(RosterCommandsTest, JapaneseFolderAndFileNames) {
  const std::string folder = Utf8Text(home_.root()) + "/名簿 フォルダ";
  test::WriteFile(PathFromUtf8(folder + "/読み込み.jsonl"), kGoodLines);
  std::string error;
  const auto roster = RosterFile(folder + "/名簿.sqlite3", error);
  ASSERT_TRUE(roster) << error;
  std::ostringstream out, err, exported;
  ASSERT_EQ(ImportRosterFrom(*roster, folder + "/読み込み.jsonl", out, err), 0) << err.str();
  ASSERT_EQ(ExportRoster(*roster, exported, err), 0) << err.str();
  ASSERT_EQ(import(kGoodLines).status, 0);
  EXPECT_EQ(exported.str(), exportAll().out);
  EXPECT_TRUE(fs::is_regular_file(PathFromUtf8(folder + "/名簿.sqlite3")));

  test::WriteFile(PathFromUtf8(folder + "/壊れた.sqlite3"), "not a database");
  std::ostringstream none, damaged;
  EXPECT_EQ(ExportRoster(PathFromUtf8(folder + "/壊れた.sqlite3"), none, damaged), 2);
  EXPECT_NE(damaged.str().find("名簿 フォルダ"), std::string::npos) << damaged.str();
}

TEST_F(RosterCommandsTest, DefaultFileIsTheDesktopProgramsOne) {
  std::string error;
  EXPECT_EQ(RosterFile("", error), file_);
  EXPECT_EQ(RosterFile("elsewhere.sqlite3", error), fs::path("elsewhere.sqlite3"));
}

}  // namespace
}  // namespace mireto::cli
