// The desktop program in a poor environment (offscreen): without Japanese
// fonts it says how to install them and carries on; without a display it
// says in Japanese what to do instead and exits with status 1, never with
// Qt's English abort.
#include <gtest/gtest.h>

#include <fstream>

#include "broken_data.h"
#include "gui_run.h"

namespace mireto::test {
namespace {

const DataFileCase& IntactFiles() { return DataFileCases().front(); }

TEST(GuiEnvironment, MissingJapaneseFontsAreReportedWithTheInstallCommand) {
  ProgramCopy copy(MIRETO_GUI_PROGRAM, IntactFiles());
  // A fontconfig setup that knows no font at all.
  const std::string fontConfig = (copy.root() / "fonts.conf").string();
  std::ofstream(fontConfig) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  GuiRunOptions options;
  options.stopWhenMainWindowShown = true;
  options.environment = {{"FONTCONFIG_FILE", fontConfig},
                         {"QT_QPA_FONTDIR", (copy.root() / "no-fonts").string()},
                         {"XDG_CACHE_HOME", (copy.root() / "cache").string()}};
  const GuiRun run = RunGuiProgram(copy, options);
  ASSERT_TRUE(run.setupProblem.empty()) << run.setupProblem;
  ASSERT_EQ(run.boxes.size(), 1u) << run.child.err;
  EXPECT_EQ(run.boxes[0].kind, "warning");
  EXPECT_EQ(run.boxes[0].title, "ミレト");
  EXPECT_NE(run.boxes[0].text.find("日本語のフォントが見つからない"), std::string::npos) << run.boxes[0].text;
  EXPECT_NE(run.boxes[0].text.find("sudo apt-get install fonts-ipafont"), std::string::npos) << run.boxes[0].text;
  // The program goes on to its main window.
  EXPECT_TRUE(run.mainWindowShown) << run.child.err;
}

struct DisplayCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> environment;
  std::string reason;  // part of the first line
};

class GuiWithoutDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(GuiWithoutDisplay, SaysSoInJapaneseAndExitsWithOne) {
  const DisplayCase& c = GetParam();
  ProgramCopy copy(MIRETO_GUI_PROGRAM, IntactFiles());
  GuiRunOptions options;
  options.limit = std::chrono::milliseconds{60'000};
  options.unsetEnvironment = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  options.environment = c.environment;
  const GuiRun run = RunGuiProgram(copy, options);
  ASSERT_TRUE(run.setupProblem.empty()) << run.setupProblem;
  ASSERT_FALSE(run.child.stillRunning);
  EXPECT_EQ(run.child.signal, 0) << run.child.err;
  EXPECT_EQ(run.child.exitCode, 1) << run.child.err;
  EXPECT_TRUE(run.boxes.empty());
  const std::string firstLine = run.child.err.substr(0, run.child.err.find('\n'));
  EXPECT_EQ(firstLine.rfind("ミレト: ", 0), 0u) << run.child.err;
  EXPECT_NE(firstLine.find(c.reason), std::string::npos) << run.child.err;
  EXPECT_NE(firstLine.find("ウィンドウを表示できません"), std::string::npos) << run.child.err;
  // The same chart on the command line, with the tool beside the program.
  const std::string tool = (copy.program().parent_path() / "mireto-chart").string();
  EXPECT_NE(run.child.err.find(tool + " --sex M --jisa 0:0 2000-01-01 12:00\n"), std::string::npos) << run.child.err;
  EXPECT_EQ(run.child.err.find("This application failed to start"), std::string::npos) << run.child.err;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, GuiWithoutDisplay,
    ::testing::Values(DisplayCase{"NothingSet", {}, "DISPLAY も WAYLAND_DISPLAY も使えない"},
                      DisplayCase{"X11OnlyNamedForWayland",
                                  {{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}},
                                  "DISPLAY も WAYLAND_DISPLAY も使えない"},
                      DisplayCase{"UnreachableX11", {{"DISPLAY", ":9876"}}, "接続できない"},
                      DisplayCase{"UnknownPlatform", {{"QT_QPA_PLATFORM", "no-such-platform"}}, "接続できない"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto::test
