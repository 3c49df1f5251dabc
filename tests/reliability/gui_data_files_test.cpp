// The desktop program with broken data files beside it (offscreen): after the
// splash it reports the problem in a message box titled ミレト and exits with a
// non-zero status; intact files load and the program keeps running (until
// its main window is painted). The message box is recorded by
// message_box_recorder (LD_PRELOAD) instead of waiting for a click.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "broken_data.h"
#include "gui_run.h"

namespace mireto::test {
namespace {

GuiRun RunProgram(const DataFileCase& c) {
  ProgramCopy copy(MIRETO_GUI_PROGRAM, c);
  GuiRunOptions options;
  options.asUnprivilegedUser = c.damage == Damage::Unreadable && geteuid() == 0;
  options.stopWhenMainWindowShown = c.loads;
  return RunGuiProgram(copy, options);
}

class GuiDataFiles : public ::testing::TestWithParam<DataFileCase> {};

TEST_P(GuiDataFiles, ShowsTheJapaneseMessageAndExitsOrLoads) {
  const DataFileCase& c = GetParam();
  const GuiRun run = RunProgram(c);
  ASSERT_TRUE(run.setupProblem.empty()) << run.setupProblem;
  if (c.loads) {
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front().text;
    EXPECT_TRUE(run.mainWindowShown) << "ended with " << run.child.exitCode << ": " << run.child.err;
    return;
  }
  ASSERT_FALSE(run.child.stillRunning) << run.child.err;
  EXPECT_EQ(run.child.signal, 0) << run.child.err;
  EXPECT_NE(run.child.exitCode, 0);
  EXPECT_EQ(run.child.exitCode, 1) << run.child.err;
  ASSERT_EQ(run.boxes.size(), 1u) << run.child.err;
  const MessageBox& box = run.boxes.front();
  EXPECT_EQ(box.kind, "critical");
  EXPECT_EQ(box.title, "ミレト");
  const std::string heading = "データファイルを読み込めないため、ミレトを起動できません。\n";
  ASSERT_EQ(box.text.rfind(heading, 0), 0u) << box.text;
  const std::string detail = box.text.substr(heading.size());
  EXPECT_EQ(detail.rfind(c.file, 0), 0u) << detail;
  EXPECT_NE(detail.find(c.reason), std::string::npos) << detail;
}

// Each run waits out the real splash, so the desktop program runs end to end
// with three cases: intact files, an unreadable file (as an unprivileged user)
// and a file cut inside its last number. Every damage goes through the same
// loader in mireto-chart (chart_tool_data_files_test.cpp), and the window's
// message is built from its error (tests/ui/startup_test.cpp).
std::vector<DataFileCase> EndToEndCases() {
  std::vector<DataFileCase> cases;
  for (const DataFileCase& c : DataFileCases())
    if (c.damage == Damage::None || c.damage == Damage::Unreadable ||
        std::string_view(c.name) == "LatitudeCutInLastNumber")
      cases.push_back(c);
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, GuiDataFiles, ::testing::ValuesIn(EndToEndCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto::test
