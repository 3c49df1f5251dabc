// mireto-chart with broken data files beside it: one line on standard error,
// exit status 2 and nothing on standard output; files that editors produce
// (CR LF line ends, a byte order mark, rows after the last one read) load and
// give the same chart as the shipped files.
#include <gtest/gtest.h>
#include <unistd.h>

#include "broken_data.h"
#include "child_process.h"
#include "test_support.h"

namespace mireto::test {
namespace {

const std::vector<std::string> kChartArguments = {"--json",           "--sex",      "M",    "--jisa", "-5:30", "--now",
                                                  "2026-12-07T12:00", "1990-05-03", "14:27"};

ChildResult RunChartTool(const DataFileCase& c) {
  ProgramCopy copy(MIRETO_CHART_PROGRAM, c);
  std::vector<std::string> argv = {copy.program().string()};
  argv.insert(argv.end(), kChartArguments.begin(), kChartArguments.end());
  ChildOptions options;
  // Root reads any file: the unreadable file is only unreadable to another user.
  options.asUnprivilegedUser = c.damage == Damage::Unreadable && geteuid() == 0;
  return RunChild(argv, options);
}

const ChildResult& IntactRun() {
  static const ChildResult run = RunChartTool(DataFileCases().front());
  return run;
}

class ChartToolDataFiles : public ::testing::TestWithParam<DataFileCase> {};

TEST_P(ChartToolDataFiles, RefusesWithOneLineOrLoadsUnchanged) {
  const DataFileCase& c = GetParam();
  const ChildResult r = RunChartTool(c);
  ASSERT_FALSE(r.stillRunning);
  ASSERT_EQ(r.signal, 0) << r.err;
  if (c.loads) {
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(IntactRun().exitCode, 0) << IntactRun().err;
    EXPECT_NE(r.out.find("\"sunLongitude\""), std::string::npos);
    EXPECT_EQ(r.out, IntactRun().out) << "the chart depends on how the file was saved";
    return;
  }
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  const auto lines = Lines(r.err);
  ASSERT_EQ(lines.size(), 1u) << r.err;
  EXPECT_EQ(r.err.back(), '\n');
  EXPECT_EQ(lines[0].rfind(std::string("mireto-chart: ") + c.file, 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(c.reason), std::string::npos) << lines[0];
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, ChartToolDataFiles, ::testing::ValuesIn(DataFileCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto::test
