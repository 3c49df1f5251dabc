// mireto-chart --details and --annual: the options, and end to end that the
// details are one more member (or one more block of text) and change nothing
// before it.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/options.h"
#include "tool_process.h"

namespace mireto::testing {
namespace {

struct RefusedDetailsCase {
  std::vector<std::string> args;
  const char* expectedPart;
};

class RefusedDetailsArguments : public ::testing::TestWithParam<RefusedDetailsCase> {};

TEST_P(RefusedDetailsArguments, OneJapaneseLine) {
  std::string error;
  EXPECT_FALSE(cli::ParseOptions(GetParam().args, error).has_value());
  EXPECT_NE(error.find(GetParam().expectedPart), std::string::npos) << error;
  EXPECT_EQ(error.find_first_of("\r\n"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedDetailsArguments,
    ::testing::Values(
        RefusedDetailsCase{{"--annual", "2026:2030", "2000-01-01", "12:00"}, "--annual は --details と"},
        RefusedDetailsCase{{"--details", "--annual", "2030:2026", "2000-01-01", "12:00"}, "--annual は 開始年:終了年"},
        RefusedDetailsCase{{"--details", "--annual", "2026", "2000-01-01", "12:00"}, "--annual は 開始年:終了年"},
        RefusedDetailsCase{{"--details", "--annual=0:5", "--batch"}, "--annual は 開始年:終了年"},
        RefusedDetailsCase{{"--details", "--annual"}, "--annual の値がありません"},
        RefusedDetailsCase{{"--details=yes", "2000-01-01", "12:00"}, "--details は値を取りません"},
        RefusedDetailsCase{{"--details", "--details", "--batch"}, "--details が2回"}));

TEST(DetailsOptions, AcceptedValues) {
  std::string error;
  const auto plain = cli::ParseOptions({"2000-01-01", "12:00"}, error);
  ASSERT_TRUE(plain) << error;
  EXPECT_FALSE(plain->details.details);
  const auto details = cli::ParseOptions({"--batch", "--details", "--annual=1999:2001"}, error);
  ASSERT_TRUE(details) << error;
  EXPECT_TRUE(details->details.details);
  ASSERT_TRUE(details->details.annual);
  EXPECT_EQ(details->details.annual->from, 1999);
  EXPECT_EQ(details->details.annual->to, 2001);
  const auto noAnnual = cli::ParseOptions({"--json", "--details", "2000-01-01", "12:00"}, error);
  ASSERT_TRUE(noAnnual) << error;
  EXPECT_FALSE(noAnnual->details.annual);
}

ToolResult Batch(std::vector<std::string> extra) {
  ToolRun run;
  run.args = {"--batch", "--now", "2026-12-07T12:00"};
  run.args.insert(run.args.end(), extra.begin(), extra.end());
  run.inputPath = std::string(MIRETO_CLI_TEST_DATA_DIR) + "/fixture-births.jsonl";
  return RunTool(run);
}

// Every chart line gains "details" as its last member and is otherwise the
// same bytes; error lines stay as they are; threads change nothing.
TEST(DetailsBatch, OneMoreMemberOnEveryChartLine) {
  const ToolResult plain = Batch({});
  const ToolResult details = Batch({"--details", "--annual", "2026:2027"});
  const ToolResult threaded = Batch({"--details", "--annual", "2026:2027", "--jobs", "2"});
  EXPECT_EQ(details.exitCode, plain.exitCode);
  EXPECT_TRUE(threaded.out == details.out);
  const auto before = Lines(plain.out);
  const auto after = Lines(details.out);
  ASSERT_EQ(before.size(), after.size());
  int charts = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    const auto parsed = nlohmann::json::parse(after[i]);
    if (parsed.contains("error")) {
      EXPECT_EQ(after[i], before[i]);
      continue;
    }
    ++charts;
    const std::string prefix = before[i].substr(0, before[i].size() - 1) + R"(,"details":{)";
    ASSERT_EQ(after[i].substr(0, prefix.size()), prefix) << "line " << i + 1;
    const auto& d = parsed.at("details");
    EXPECT_EQ(d.at("voidBranches").get<std::string>().size(), 6u);  // two branches
    EXPECT_EQ(d.at("pillars").at("day").at("tenGod"), "日主");
    EXPECT_EQ(d.at("luck").at("stages").size(), 11u);
    ASSERT_EQ(d.at("annual").size(), 2u);
    EXPECT_EQ(d.at("annual")[1].at("year"), 2027);
    // The hour of a birth with an unknown hour has no 空亡 flag.
    const bool hourUnknown = parsed.at("pillars").at("hour").at("stem") == "□";
    EXPECT_EQ(d.at("pillars").at("hour").at("void").is_null(), hourUnknown);
  }
  EXPECT_GT(charts, 400);
}

TEST(DetailsText, AppendedAfterTheChartText) {
  ToolRun run;
  run.args = {"--now", "2026-12-07T12:00", "2000-01-01", "12:00"};
  const ToolResult plain = RunTool(run);
  run.args.insert(run.args.begin(), "--details");
  const ToolResult details = RunTool(run);
  ASSERT_EQ(plain.exitCode, 0);
  ASSERT_EQ(details.exitCode, 0);
  const std::string chart = plain.out.substr(0, plain.out.size() - 1);  // without the final line end
  ASSERT_EQ(details.out.substr(0, chart.size() + 4), chart + "\r\n\r\n");
  const std::string rest = details.out.substr(chart.size() + 4);
  EXPECT_TRUE(rest.starts_with("命式詳細")) << rest;
  EXPECT_NE(rest.find("空亡／子丑"), std::string::npos);
  EXPECT_NE(rest.find("\r\n納音　　　　天上火　天上火　澗下水　城頭土\r\n"), std::string::npos);
  EXPECT_EQ(rest.find("年運"), std::string::npos);
  EXPECT_TRUE(rest.ends_with("\n"));
}

}  // namespace
}  // namespace mireto::testing
