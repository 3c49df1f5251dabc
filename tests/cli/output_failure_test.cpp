// mireto-chart when its output cannot be written or its input cannot be read:
// it stops at once with one Japanese line on standard error and its own exit
// status, never reporting success.
#include <gtest/gtest.h>

#include "child_process.h"
#include "test_support.h"

namespace mireto::test {
namespace {

constexpr int kOutputFailed = 3;
constexpr int kInputFailed = 4;

struct FailureCase {
  const char* name;
  OutputTo output;
  std::vector<std::string> args;
  bool batchInput;  // the fixture births on standard input
};

class OutputFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(OutputFailure, StopsWithOneLineAndStatusThree) {
  const FailureCase& c = GetParam();
  ToolRun run;
  run.args = c.args;
  run.output = c.output;
  if (c.batchInput) run.inputPath = std::string(MIRETO_CLI_TEST_DATA_DIR) + "/fixture-births.jsonl";
  const ToolResult r = RunTool(run);
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitCode, kOutputFailed) << r.err;
  ASSERT_EQ(Lines(r.err).size(), 1u) << r.err;
  EXPECT_EQ(r.err.back(), '\n');
  EXPECT_NE(r.err.find("mireto-chart: 標準出力に書き込めません"), std::string::npos) << r.err;
}

const std::vector<std::string> kBatch = {"--batch", "--now", "2026-12-07T12:00"};
const std::vector<std::string> kThreadedBatch = {"--batch", "--jobs", "2", "--now", "2026-12-07T12:00"};
const std::vector<std::string> kSingle = {"--now", "2026-12-07T12:00", "2000-01-01", "12:00"};
const std::vector<std::string> kJson = {"--json", "--now", "2026-12-07T12:00", "2000-01-01", "12:00"};
const std::vector<std::string> kHelp = {"--help"};

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputFailure,
    ::testing::Values(FailureCase{"BatchToDevFull", OutputTo::DevFull, kBatch, true},
                      FailureCase{"BatchToClosed", OutputTo::Closed, kBatch, true},
                      FailureCase{"BatchToClosedPipe", OutputTo::ClosedPipe, kBatch, true},
                      FailureCase{"ThreadedBatchToDevFull", OutputTo::DevFull, kThreadedBatch, true},
                      FailureCase{"ThreadedBatchToClosedPipe", OutputTo::ClosedPipe, kThreadedBatch, true},
                      FailureCase{"TextToDevFull", OutputTo::DevFull, kSingle, false},
                      FailureCase{"TextToClosed", OutputTo::Closed, kSingle, false},
                      FailureCase{"JsonToClosedPipe", OutputTo::ClosedPipe, kJson, false},
                      FailureCase{"HelpToDevFull", OutputTo::DevFull, kHelp, false},
                      FailureCase{"HelpToClosed", OutputTo::Closed, kHelp, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputFailure, DirectoryAsBatchInputIsAReadErrorNotTheEnd) {
  ToolRun run;
  run.args = kBatch;
  run.inputPath = "/";
  const ToolResult r = RunTool(run);
  EXPECT_EQ(r.exitCode, kInputFailed) << r.err;
  EXPECT_EQ(r.out, "");
  ASSERT_EQ(Lines(r.err).size(), 1u) << r.err;
  EXPECT_NE(r.err.find("標準入力を読めません"), std::string::npos) << r.err;
}

TEST(ExitStatuses, HelpListsEveryStatus) {
  ToolRun run;
  run.args = kHelp;
  const ToolResult r = RunTool(run);
  ASSERT_EQ(r.exitCode, 0);
  for (const char* line : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  "}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace mireto::test
