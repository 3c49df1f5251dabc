// The command line of mireto-chart: refused arguments get one Japanese line
// that quotes at most a short excerpt; accepted ones set the right fields.
#include <gtest/gtest.h>

#include "child_process.h"
#include "cli/options.h"
#include "test_support.h"

namespace mireto::cli {
namespace {

struct RefusedCase {
  const char* name;
  std::vector<std::string> args;
  const char* expectedPart;  // a part of the message
};

class RefusedArguments : public ::testing::TestWithParam<RefusedCase> {};

bool HasNonAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

TEST_P(RefusedArguments, OneJapaneseLine) {
  const RefusedCase& c = GetParam();
  std::string error;
  EXPECT_FALSE(ParseOptions(c.args, error).has_value());
  EXPECT_NE(error.find(c.expectedPart), std::string::npos) << error;
  EXPECT_TRUE(HasNonAscii(error)) << error;
  EXPECT_EQ(error.find_first_of("\r\n"), std::string::npos) << error;
  // No excerpt longer than the quoting limit: the longest argument is 200 characters.
  EXPECT_LT(error.size(), 200u) << error;
}

const std::string kLongArg(200, 'z');

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedArguments,
    ::testing::Values(
        RefusedCase{"SexWithoutValue", {"--sex"}, "--sex の値がありません"},
        RefusedCase{"UnknownOption", {"--bogus"}, "知らないオプションです: --bogus"},
        RefusedCase{"UnknownLongOption", {"--" + kLongArg}, "…"},
        RefusedCase{"FlagWithValue", {"--json=garbage", "2000-01-01", "12:00"}, "--json は値を取りません"},
        RefusedCase{"OptionTwice", {"--sex", "M", "--sex", "F", "2000-01-01", "12:00"}, "--sex が2回"},
        RefusedCase{"EmptyNow", {"--now", "", "2000-01-01", "12:00"}, "--now は"},
        RefusedCase{"NowYearZero", {"--now", "0000-01-01T00:00", "2000-01-01", "12:00"}, "--now は"},
        RefusedCase{"NowFeb30", {"--now", "2024-02-30T00:00", "2000-01-01", "12:00"}, "--now は"},
        RefusedCase{"LongNow", {"--now", kLongArg, "2000-01-01", "12:00"}, "…"},
        RefusedCase{"JisaGarbage", {"--jisa", "abc:def", "2000-01-01", "12:00"}, "--jisa は"},
        RefusedCase{"JisaSignedSeconds", {"--jisa", "-5:-30", "2000-01-01", "12:00"}, "--jisa は"},
        RefusedCase{"SexLowerCase", {"--sex", "m", "2000-01-01", "12:00"}, "性別は"},
        RefusedCase{"ExtraPositional", {"2000-01-01", "12:00", "extra"}, "余分な引数があります: extra"},
        RefusedCase{"MissingTime", {"2000-01-01"}, "時刻 HH:MM"},
        RefusedCase{"BatchWithDate", {"--batch", "2000-01-01", "12:00"}, "--batch と生年月日"},
        RefusedCase{"BatchWithBadSex", {"--batch", "--sex", "X"}, "性別は"},
        RefusedCase{"JobsWithoutBatch", {"--jobs", "2", "2000-01-01", "12:00"}, "--jobs は --batch"},
        RefusedCase{"NegativeJobs", {"--batch", "--jobs", "-1"}, "--jobs は 0 から"},
        RefusedCase{"JobsNotANumber", {"--batch", "--jobs", "two"}, "--jobs は 0 から"},
        RefusedCase{"TooManyJobs", {"--batch", "--jobs", "100000"}, "--jobs は 0 から"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AcceptedArguments, ValuesAfterEqualsAndAsNextArgument) {
  std::string error;
  const auto options =
      ParseOptions({"--sex=M", "--jisa", "-0:30", "--now=2026-12-07T12:00", "1990-05-03", "14:?"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->mode, Mode::Single);
  EXPECT_EQ(options->request.input.sex, Sex::Male);
  EXPECT_EQ(options->request.input.jisaMinutesText, "-0");
  EXPECT_EQ(options->request.input.jisaSecondsText, "30");
  EXPECT_FALSE(options->request.input.minute.has_value());
  EXPECT_EQ(options->now->year, 2026);
}

TEST(AcceptedArguments, BatchTakesSexAndJisaAsDefaults) {
  std::string error;
  const auto options = ParseOptions({"--batch", "--sex", "M", "--jisa", "-5:30", "--jobs", "0"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->mode, Mode::Batch);
  EXPECT_EQ(options->jobs, 0);
  EXPECT_EQ(options->batchDefaults.sex, "M");
  EXPECT_EQ(options->batchDefaults.jisaMinutes, "-5");
  EXPECT_EQ(options->batchDefaults.jisaSeconds, "30");
}

TEST(AcceptedArguments, HelpWinsOverEverythingElse) {
  std::string error;
  const auto options = ParseOptions({"--bogus-free", "--help"}, error);
  ASSERT_FALSE(options) << "an unknown option is refused before --help is seen";
  const auto help = ParseOptions({"--batch", "-h"}, error);
  ASSERT_TRUE(help);
  EXPECT_EQ(help->mode, Mode::Help);
  EXPECT_NE(help->helpText.find("--jobs"), std::string::npos);
}

}  // namespace
}  // namespace mireto::cli
