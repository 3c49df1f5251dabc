// mireto-chart --batch end to end: defaults from the options, blank and
// over-long lines, and the numbering of error lines.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "child_process.h"
#include "test_support.h"

namespace mireto::test {
namespace {

const std::string kLine = R"({"date":"1990-05-03","hour":"14","minute":"27","now":"2026-12-07T12:00"})";

std::vector<nlohmann::json> Parsed(const std::string& out) {
  std::vector<nlohmann::json> lines;
  for (const auto& line : Lines(out)) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

ToolResult Batch(const std::string& input, std::vector<std::string> extra = {}) {
  ToolRun run;
  run.args = {"--batch"};
  run.args.insert(run.args.end(), extra.begin(), extra.end());
  run.input = input;
  return RunTool(run);
}

TEST(BatchRun, SexAndJisaOptionsAreDefaultsForLinesWithoutTheKeys) {
  const std::string withKeys =
      R"({"date":"1990-05-03","hour":"14","minute":"27","sex":"F","jisaMinutes":"0","jisaSeconds":"0","now":"2026-12-07T12:00"})";
  const auto withOptions = Batch(kLine + "\n" + withKeys + "\n", {"--sex", "M", "--jisa", "-30:0"});
  const auto plain = Batch(kLine + "\n" + withKeys + "\n");
  ASSERT_EQ(withOptions.exitCode, 0) << withOptions.out;
  const auto a = Parsed(withOptions.out);
  const auto b = Parsed(plain.out);
  ASSERT_EQ(a.size(), 2u);
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(a[0]["sex"], "男");
  EXPECT_EQ(b[0]["sex"], "女");
  EXPECT_NE(a[0]["trueSolarTime"], b[0]["trueSolarTime"]) << "30 minutes west moves the true solar time";
  EXPECT_EQ(a[1], b[1]) << "a line with its own keys ignores the options";
}

TEST(BatchRun, TrailingBlankLinesAreNotErrorsButInnerOnesAre) {
  const auto r = Batch(kLine + "\n\n" + kLine + "\n\n  \r\n\n");
  const auto lines = Parsed(r.out);
  ASSERT_EQ(lines.size(), 3u) << r.out;
  EXPECT_EQ(lines[1]["line"], 2);
  EXPECT_EQ(lines[1]["error"], "空行です");
  EXPECT_TRUE(lines[2].contains("birthday"));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(Batch(kLine + "\n\n\n").exitCode, 0);
}

TEST(BatchRun, OverLongLineIsOneErrorAndNumberingGoesOn) {
  const std::string longLine = "{\"date\":\"" + std::string(100 * 1024, '9') + "\"}";
  const auto r = Batch(kLine + "\n" + longLine + "\n" + kLine);
  const auto lines = Parsed(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1]["line"], 2);
  EXPECT_EQ(lines[1]["error"], "行が長すぎます（65536 バイトまで）");
  EXPECT_TRUE(lines[2].contains("birthday")) << "a last line without a line end counts";
  EXPECT_LT(r.out.size(), 4096u);
}

TEST(BatchRun, DeepNestingIsRefusedWithoutExhaustingMemory) {
  const std::string deep = "{\"x\":" + std::string(30000, '[') + std::string(30000, ']') + "}";
  const auto r = Batch(deep + "\n" + kLine + "\n");
  const auto lines = Parsed(r.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["error"], "入れ子が深すぎます（32 段まで）");
  EXPECT_TRUE(lines[1].contains("birthday"));
}

}  // namespace
}  // namespace mireto::test
