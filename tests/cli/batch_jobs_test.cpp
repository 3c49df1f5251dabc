// --jobs: inputs of several chunks (2048 lines each) computed in parallel come
// out in input order, byte for byte as with one thread, bad and blank lines
// keeping their numbers across chunk boundaries.
#include <gtest/gtest.h>

#include <regex>

#include "child_process.h"
#include "test_support.h"

namespace mireto::test {
namespace {

const std::string kDir = MIRETO_CLI_TEST_DATA_DIR;

ToolResult Batch(const std::string& input, const std::string& jobs) {
  ToolRun run;
  run.args = {"--batch", "--now", "2026-12-07T12:00", "--jobs", jobs};
  run.input = input;
  return RunTool(run);
}

// The golden output of the sample, as it reads when the sample is the copy-th
// (0-based) of several copies in one input: error lines numbered further on.
std::string ShiftedGolden(int copy, long linesPerCopy) {
  std::string out;
  for (const auto& line : Lines(ReadFile(kDir + "/sample-charts.jsonl"))) {
    static const std::regex kNumber(R"(^\{"line":(\d+),)");
    std::smatch m;
    if (std::regex_search(line, m, kNumber)) {
      out += "{\"line\":" + std::to_string(std::stol(m[1]) + copy * linesPerCopy) + "," + line.substr(m[0].length());
    } else {
      out += line;
    }
    out += '\n';
  }
  return out;
}

class BatchJobs : public ::testing::TestWithParam<const char*> {};

TEST_P(BatchJobs, ThreeCopiesOfTheSampleInOrder) {
  const std::string births = ReadFile(kDir + "/sample-births.jsonl");
  const long linesPerCopy = static_cast<long>(Lines(births).size());
  const ToolResult r = Batch(births + births + births, GetParam());
  EXPECT_EQ(r.exitCode, 1);
  std::string expected;
  for (int copy = 0; copy < 3; ++copy) expected += ShiftedGolden(copy, linesPerCopy);
  EXPECT_TRUE(r.out == expected) << "output differs with --jobs " << GetParam();
}

TEST_P(BatchJobs, BlankLinesAcrossChunkBoundaries) {
  const std::string good = R"({"date":"1990-05-03","hour":"14","minute":"27"})";
  std::string input;
  std::vector<long> blanks;
  for (long n = 1; n <= 6200; ++n) {
    const bool blank = n % 2048 == 0 || n % 2048 == 1 || n % 997 == 0;
    if (blank) blanks.push_back(n);
    input += blank ? "\n" : good + "\n";
  }
  input += "\n\r\n";  // trailing blank lines: no output
  const ToolResult r = Batch(input, GetParam());
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 6200u);
  std::vector<long> errors;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with("{\"line\":")) {
      EXPECT_EQ(lines[i], "{\"line\":" + std::to_string(i + 1) + ",\"error\":\"空行です\"}");
      errors.push_back(static_cast<long>(i + 1));
    }
  }
  EXPECT_EQ(errors, blanks);
}

INSTANTIATE_TEST_SUITE_P(Threads, BatchJobs, ::testing::Values("1", "2", "5", "0"),
                         [](const auto& info) { return std::string("jobs") + info.param; });

}  // namespace
}  // namespace mireto::test
