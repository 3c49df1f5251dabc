// mireto-chart's 相性: --partner and --compat on the command line, the
// strictness of a --batch --compat line, and its output: each person's chart
// exactly as --batch writes it, then the compat object.
#include <gtest/gtest.h>

#include "cli/batch.h"
#include "cli/compat_output.h"
#include "cli/options.h"
#include "core/data_files.h"

namespace mireto::cli {
namespace {

const CalendarTables& Tables() {
  static const CalendarTables tables = [] {
    const auto loaded = LoadCalendarTables(MIRETO_BIN_DIR);
    if (!loaded.tables) throw std::runtime_error(loaded.error);
    return *loaded.tables;
  }();
  return tables;
}

constexpr LocalDateTime kNow{2026, 12, 7, 12, 0};

struct OptionCase {
  const char* name;
  std::vector<std::string> args;
  const char* expectedPart;  // of the message; "" for accepted arguments
};

class CompatOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(CompatOptions, RefusedWithOneLine) {
  const OptionCase& c = GetParam();
  std::string error;
  const auto options = ParseOptions(c.args, error);
  EXPECT_FALSE(options.has_value());
  EXPECT_NE(error.find(c.expectedPart), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CompatOptions,
    ::testing::Values(
        OptionCase{"CompatWithoutBatch", {"--compat", "2000-01-01", "12:00"}, "--compat は --batch と一緒に"},
        OptionCase{"PartnerWithBatch", {"--batch", "--partner", "1990-05-03 14:27"}, "--partner と --batch"},
        OptionCase{"PartnerSexAlone",
                   {"--partner-sex", "M", "2000-01-01", "12:00"},
                   "--partner-sex と --partner-jisa は"},
        OptionCase{"PartnerWithoutTime",
                   {"--partner", "1990-05-03", "2000-01-01", "12:00"},
                   "--partner は \"YYYY-MM-DD HH:MM\""},
        OptionCase{"PartnerBadDate", {"--partner", "1990/05/03 14:27", "2000-01-01", "12:00"}, "--partner: 日付は"},
        OptionCase{"PartnerBadHour", {"--partner", "1990-05-03 24:00", "2000-01-01", "12:00"}, "--partner: 時は"},
        OptionCase{"PartnerBadSex",
                   {"--partner", "1990-05-03 14:27", "--partner-sex", "m", "2000-01-01", "12:00"},
                   "--partner-sex は M"},
        OptionCase{"PartnerBadJisa", {"--batch", "--compat", "--partner-jisa", "5"}, "--partner-jisa は"},
        OptionCase{"PartnerTwice",
                   {"--partner", "1990-05-03 14:27", "--partner", "1990-05-03 14:27", "2000-01-01", "12:00"},
                   "--partner が2回"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompatOptionsAccepted, PartnerBirthAndBatchDefaults) {
  std::string error;
  const auto single = ParseOptions({"--json", "--partner", "1990-05-03 14:?", "--partner-sex", "M", "--partner-jisa",
                                    "-5:30", "2000-01-01", "12:00"},
                                   error);
  ASSERT_TRUE(single) << error;
  ASSERT_TRUE(single->partner);
  EXPECT_EQ(single->partner->input.year, 1990);
  EXPECT_EQ(single->partner->input.hour, 14);
  EXPECT_FALSE(single->partner->input.minute);
  EXPECT_EQ(single->partner->input.sex, Sex::Male);
  EXPECT_EQ(single->partner->input.jisaMinutesText, "-5");
  EXPECT_EQ(single->request.input.sex, Sex::Female);  // --sex is A's alone
  const auto batch = ParseOptions({"--batch", "--compat", "--partner-sex", "M"}, error);
  ASSERT_TRUE(batch) << error;
  EXPECT_TRUE(batch->compat);
  EXPECT_EQ(batch->partnerDefaults.sex, "M");
  EXPECT_EQ(batch->batchDefaults.sex, "F");
}

BatchContext Context(bool compat, bool details = false) {
  BatchContext context{Tables(), {}, kNow, {}, SummerTimeRule::Ignore};
  context.details.details = details;
  if (details) context.details.monthly = 2027;  // 月運 too, which needs the tables
  context.compat = compat;
  context.partnerDefaults.sex = "M";
  return context;
}

struct LineCase {
  const char* name;
  const char* line;
  const char* error;
};

class CompatLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(CompatLines, RefusedAsStrictlyAsABatchLine) {
  std::string out;
  EXPECT_FALSE(AppendBatchLine(GetParam().line, 7, Context(true), out));
  EXPECT_EQ(out, std::string(R"({"line":7,"error":")") + GetParam().error + "\"}\n");
}

#define A_BIRTH R"("date":"2000-01-01","hour":"12","minute":"0")"
INSTANTIATE_TEST_SUITE_P(
    Batch, CompatLines,
    ::testing::Values(
        LineCase{"UnknownKey", "{" A_BIRTH R"(,"partnerDate":"1990-05-03","partnerNow":"x"})",
                 R"(知らない項目です: \"partnerNow\")"},
        LineCase{"KeyTwice", "{" A_BIRTH R"(,"partnerDate":"1990-05-03","partnerDate":"1990-05-04"})",
                 R"(項目 \"partnerDate\" が2回あります)"},
        LineCase{"NotAString", "{" A_BIRTH R"(,"partnerDate":"1990-05-03","partnerHour":14,"partnerMinute":"0"})",
                 R"(相手: 項目 \"partnerHour\" は文字列で指定してください)"},
        LineCase{"PartnerMissing", "{" A_BIRTH "}", R"(相手: 項目 \"partnerDate\" がありません)"},
        LineCase{"FirstMissing", R"({"partnerDate":"1990-05-03","partnerHour":"1","partnerMinute":"0"})",
                 R"(項目 \"date\" がありません)"},
        LineCase{"PartnerSex",
                 "{" A_BIRTH R"(,"partnerDate":"1990-05-03","partnerHour":"1","partnerMinute":"0","partnerSex":"X"})",
                 "相手: 性別は M（男）か F（女）で指定してください: X"},
        LineCase{"PartnerDateNeverWas",
                 "{" A_BIRTH R"(,"partnerDate":"1990-02-30","partnerHour":"1","partnerMinute":"0"})",
                 "相手: 1990年2月30日という日付はありません"}),
    [](const auto& info) { return std::string(info.param.name); });

// The line's chart objects are --batch's own, byte for byte, with --details
// and --monthly too; B takes the partner defaults and A's "now".
TEST(CompatLine, EachChartAsBatchWritesIt) {
  for (const bool details : {false, true}) {
    std::string a, b, pair;
    ASSERT_TRUE(AppendBatchLine(R"({"date":"2000-01-01","hour":"12","minute":"0","now":"2030-01-01T00:00"})", 1,
                                Context(false, details), a));
    ASSERT_TRUE(AppendBatchLine(
        R"({"date":"1990-05-03","hour":"14","minute":"?","sex":"M","jisaMinutes":"-5","jisaSeconds":"30","now":"2030-01-01T00:00"})",
        1, Context(false, details), b));
    ASSERT_TRUE(AppendBatchLine(
        R"({"date":"2000-01-01","hour":"12","minute":"0","now":"2030-01-01T00:00","partnerDate":"1990-05-03","partnerHour":"14","partnerMinute":"?","partnerJisaMinutes":"-5","partnerJisaSeconds":"30"})",
        1, Context(true, details), pair));
    a.pop_back();
    b.pop_back();
    const std::string start = "{\"a\":" + a + ",\"b\":" + b + ",\"compat\":{\"relations\":[";
    EXPECT_EQ(pair.substr(0, start.size()), start) << pair;
    EXPECT_TRUE(pair.ends_with("]}}\n")) << pair;
  }
}

}  // namespace
}  // namespace mireto::cli
