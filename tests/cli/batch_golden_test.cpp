// mireto-chart --batch against golden files: each output file is what the tool
// printed for its input before the batch reader and writer were rewritten for
// speed, so every byte of every line (charts and error lines) must stay.
//   fixture-births.jsonl  the inputs of tests/chart/data/charts-sample.jsonl
//   sample-births.jsonl   mireto-births --seed 2026 --count 2000 --first-year 1800
//                         --last-year 2080 --bad-percent 5 --vary-now --vary-form
// Both run with --now 2026-12-07T12:00 (lines without "now" take it).
#include <gtest/gtest.h>

#include "child_process.h"
#include "test_support.h"

namespace mireto::test {
namespace {

struct GoldenCase {
  const char* name;
  std::vector<std::string> extraArgs;
};

class BatchGolden : public ::testing::TestWithParam<GoldenCase> {};

// The first differing line, for a readable failure.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
  const auto a = Lines(actual);
  const auto e = Lines(expected);
  for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
    const std::string got = i < a.size() ? a[i] : "(none)";
    const std::string want = i < e.size() ? e[i] : "(none)";
    if (got != want) return "line " + std::to_string(i + 1) + "\n got:  " + got + "\n want: " + want;
  }
  return "line ends differ";
}

TEST_P(BatchGolden, OutputIsByteIdentical) {
  const std::string dir = MIRETO_CLI_TEST_DATA_DIR;
  const std::string name = GetParam().name;
  ToolRun run;
  run.args = {"--batch", "--now", "2026-12-07T12:00"};
  run.args.insert(run.args.end(), GetParam().extraArgs.begin(), GetParam().extraArgs.end());
  run.inputPath = dir + "/" + name + "-births.jsonl";
  const ToolResult r = RunTool(run);
  const std::string expected = ReadFile(dir + "/" + name + "-charts.jsonl");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(r.exitCode, 1) << "both inputs hold refused lines";
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(r.out == expected) << FirstDifference(r.out, expected);
}

INSTANTIATE_TEST_SUITE_P(Files, BatchGolden,
                         ::testing::Values(GoldenCase{"fixture", {}}, GoldenCase{"sample", {}},
                                           GoldenCase{"sample", {"--jobs", "2"}},
                                           GoldenCase{"fixture", {"--jobs", "3"}}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (const auto& a : info.param.extraArgs) name += a == "--jobs" ? "_jobs" : a;
                           return name;
                         });

}  // namespace
}  // namespace mireto::test
