// mireto-chart and the birth time: --summer-time on single charts and in a
// batch, and the notices member of every chart object.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "child_process.h"
#include "test_support.h"

namespace mireto::test {
namespace {

using nlohmann::json;

ToolResult Batch(const std::string& input, std::vector<std::string> extra = {}) {
  ToolRun run;
  run.args = {"--batch", "--now", "2026-12-07T12:00"};
  run.args.insert(run.args.end(), extra.begin(), extra.end());
  run.input = input;
  return RunTool(run);
}

std::string Line(const char* date, const char* hour, const char* minute) {
  return std::string(R"({"date":")") + date + R"(","hour":")" + hour + R"(","minute":")" + minute +
         R"(","jisaMinutes":"-12"})" + "\n";
}

std::vector<std::string> Codes(const json& chart) {
  std::vector<std::string> codes;
  for (const json& n : chart.at("notices")) {
    codes.push_back(n.at("code"));
    EXPECT_FALSE(n.at("message").get<std::string>().empty());
  }
  return codes;
}

// The chart of a summer-time clock time under apply is the chart of the JST
// hour before, the birthday text excepted.
TEST(SummerTimeOption, ApplyComputesTheHourBefore) {
  const std::string input = Line("1950-07-01", "0", "20") + Line("1950-06-30", "23", "20");
  const ToolResult ignore = Batch(input);
  const ToolResult apply = Batch(input, {"--summer-time", "apply"});
  ASSERT_EQ(ignore.exitCode, 0) << ignore.err;
  ASSERT_EQ(apply.exitCode, 0) << apply.err;
  const auto ignored = Lines(ignore.out);
  const auto applied = Lines(apply.out);
  ASSERT_EQ(applied.size(), 2u);
  json summer = json::parse(applied[0]);
  json jst = json::parse(ignored[1]);
  EXPECT_EQ(summer.at("birthday"), "1950年7月1日0時20分");
  EXPECT_EQ(Codes(summer), std::vector<std::string>{"summerTimeApplied"});
  EXPECT_EQ(Codes(json::parse(ignored[0])), std::vector<std::string>{"summerTime"});
  EXPECT_NE(json::parse(ignored[0]).at("pillars"), summer.at("pillars"));  // another day
  for (json* j : {&summer, &jst}) {
    j->erase("birthday");
    j->erase("notices");
    j->erase("weekday");
    j->erase("age");
  }
  EXPECT_EQ(summer, jst);
}

TEST(SummerTimeOption, NeverExistedRefusedOnlyUnderApply) {
  const std::string input = Line("1951-05-06", "0", "5") + Line("1951-09-09", "0", "5");
  const ToolResult apply = Batch(input, {"--summer-time=apply"});
  EXPECT_EQ(apply.exitCode, 1);
  const auto lines = Lines(apply.out);
  ASSERT_EQ(lines.size(), 2u);
  const json refused = json::parse(lines[0]);
  EXPECT_EQ(refused.at("line"), 1);
  EXPECT_NE(refused.at("error").get<std::string>().find("存在しない時刻"), std::string::npos);
  EXPECT_EQ(Codes(json::parse(lines[1])), (std::vector<std::string>{"summerTimeRepeated", "summerTimeApplied"}));

  const ToolResult ignore = Batch(input);
  EXPECT_EQ(ignore.exitCode, 0);
  EXPECT_EQ(Codes(json::parse(Lines(ignore.out)[0])), std::vector<std::string>{"summerTime"});
  EXPECT_EQ(Codes(json::parse(Lines(ignore.out)[1])), std::vector<std::string>{"summerTimeRepeated"});

  ToolRun single;
  single.args = {"--summer-time", "apply", "--json", "1951-05-06", "00:05"};
  const ToolResult r = RunTool(single);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("存在しない時刻"), std::string::npos);
}

TEST(SummerTimeOption, RefusesOtherValues) {
  for (const char* value : {"yes", "", "APPLY", "1"}) {
    ToolRun run;
    run.args = {"--summer-time", value, "1990-01-01", "12:00"};
    const ToolResult r = RunTool(run);
    EXPECT_EQ(r.exitCode, 2) << value;
    EXPECT_NE(r.err.find("--summer-time"), std::string::npos) << r.err;
  }
}

// Every chart object carries notices, an empty list when there is nothing to
// say; a single --json chart too.
TEST(Notices, OnEveryChartObject) {
  ToolRun run;
  run.args = {"--json", "--now", "2026-12-07T12:00", "1990-05-03", "14:27"};
  const ToolResult r = RunTool(run);
  ASSERT_EQ(r.exitCode, 0);
  const auto chart = nlohmann::ordered_json::parse(r.out);
  ASSERT_TRUE(chart.at("notices").is_array());
  EXPECT_TRUE(chart.at("notices").empty());
  EXPECT_EQ(chart.items().begin().key(), "birthday");
  EXPECT_EQ((--chart.end()).key(), "notices");
}

}  // namespace
}  // namespace mireto::test
