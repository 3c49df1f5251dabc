// Inputs found by fuzzing mireto-chart's command line, kept as regressions.
#include <gtest/gtest.h>

#include "broken_data.h"
#include "child_process.h"
#include "cli/options.h"
#include "test_support.h"

namespace mireto::test {
namespace {

// The first input the option fuzzer kept: a date argument with a line end in
// it, echoed into the message, made the message two lines.
TEST(FuzzRegressions, ArgumentWithLineEndGivesOneLineMessage) {
  const std::vector<std::vector<std::string>> inputs = {
      {std::string("\xff\x04-\x01\n\xff\xff\xff\xff\xffN3CLI11Extras-Err\xb3or"), "?:?"},
      {"--sex", "M\r\nF", "1990-05-03", "14:27"},
      {"1990-05-03", "14\n:27"},
      {"--jisa", "5\n30", "1990-05-03", "14:27"},
      {"--now", "2024-01-01\nT00:00", "1990-05-03", "14:27"},
      {"--bogus\noption"},
  };
  for (const auto& args : inputs) {
    std::string error;
    EXPECT_FALSE(cli::ParseOptions(args, error).has_value()) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
    EXPECT_EQ(error.find_first_of("\r\n"), std::string::npos) << error;
  }
}

TEST(FuzzRegressions, ToolPrintsOneLineForArgumentWithLineEnd) {
  ProgramCopy copy(MIRETO_CHART_PROGRAM, DataFileCases().front());
  ChildOptions options;
  const ChildResult r = RunChild({copy.program().string(), "--sex", "M\nF", "1990-05-03", "14:27"}, options);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
  EXPECT_NE(r.err.find("性別"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace mireto::test
