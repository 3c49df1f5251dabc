// mireto-chart end to end: chart text, JSON, batch and the error exits.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "child_process.h"
#include "test_support.h"

namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// Runs mireto-chart with the given arguments (separated by single spaces) and standard input.
ToolRun RunTool(const std::string& args, const std::string& input = "") {
  mireto::test::ToolRun run;
  for (std::size_t start = 0; start <= args.size();) {
    const std::size_t end = std::min(args.find(' ', start), args.size());
    run.args.push_back(args.substr(start, end - start));
    start = end + 1;
  }
  run.input = input;
  const mireto::test::ChildResult result = mireto::test::RunTool(run);
  return {result.exitCode, result.out, result.err};
}

TEST(MiretoChart, ChartTextOfTheWorkedExample) {
  const ToolRun r = RunTool("--sex M --now 2026-12-07T12:00 2000-01-01 12:00");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("2026/12/07 12:00:00解命\r\n", 0), 0u);
  EXPECT_NE(r.out.find("  己  卯 （乙）      大運    丙子\r\n"), std::string::npos);
  EXPECT_NE(r.out.find("性別／男"), std::string::npos);
}

TEST(MiretoChart, JsonWithUnknownTimeAndTimeDifference) {
  const ToolRun r = RunTool("--json --jisa -5:30 --now 2026-12-07T12:00 1990-05-03 ?:?");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["birthday"], "1990年5月3日出生時間不明");
  EXPECT_EQ(j["sex"], "女");
  EXPECT_EQ(j["pillars"]["hour"]["stem"], "□");
  EXPECT_EQ(j["trueSolarTime"], "1990年5月3日確定不能");
  EXPECT_EQ(j["luck"]["stems"].size(), 11u);
  EXPECT_EQ(j["luck"]["firstAges"].size(), 10u);
}

TEST(MiretoChart, BatchGoesOnPastABadLine) {
  const std::string input =
      R"({"date":"1990-05-03","hour":"14","minute":"27","sex":"M","jisaMinutes":"-5","jisaSeconds":"30","now":"2026-12-07T12:00"})"
      "\n"
      R"({"date":"2001-02-29","hour":"14","minute":"27","sex":"M","jisaMinutes":"0","jisaSeconds":"0"})"
      "\n"
      "not json\n"
      R"({"date":"1990-05-03","hour":"?","minute":"?","sex":"F","jisaMinutes":"0","jisaSeconds":"0","now":"2026-12-07T12:00"})"
      "\n";
  const ToolRun r = RunTool("--batch", input);
  EXPECT_EQ(r.status, 1);
  std::vector<nlohmann::json> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(nlohmann::json::parse(r.out.substr(start, nl - start)));
  }
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0]["birthday"], "1990年5月3日14時27分");
  EXPECT_EQ(lines[1]["line"], 2);
  EXPECT_TRUE(lines[1]["error"].is_string());
  EXPECT_EQ(lines[2]["line"], 3);
  EXPECT_EQ(lines[3]["birthday"], "1990年5月3日出生時間不明");
}

TEST(MiretoChart, InvalidInputExitsWithStatusTwoAndNoOutput) {
  for (const char* args :
       {"2001-02-29 12:00", "1799-12-31 12:00", "2081-01-01 12:00", "2000-01-01 24:00", "2000-01-01 12:60",
        "2000-1-1 12:00", "--sex X 2000-01-01 12:00", "--now 2026-13-01T00:00 2000-01-01 12:00",
        "--jisa 5 2000-01-01 12:00", "--jisa 0:90000 2000-01-01 12:00", "--bogus", "2000-01-01"}) {
    const ToolRun r = RunTool(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_NE(r.err.find("mireto-chart: "), std::string::npos) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << args;
  }
}

TEST(MiretoChart, HelpExplainsTheOptions) {
  const ToolRun r = RunTool("--help");
  EXPECT_EQ(r.status, 0);
  for (const char* option : {"--sex", "--jisa", "--now", "--json", "--batch"}) {
    EXPECT_NE(r.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
