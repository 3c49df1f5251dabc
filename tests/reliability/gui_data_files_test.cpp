// The desktop program with broken data files beside it (offscreen): after the
// splash it reports the problem in a message box titled ミレト and exits with a
// non-zero status; files that editors produce load and the program keeps
// running. The message box is recorded by message_box_recorder (LD_PRELOAD)
// instead of waiting for a click.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "broken_data.h"
#include "child_process.h"

namespace mireto::testing {
namespace {

// The splash stays 3000 ms; a program that has shown no message well after
// that has loaded its files and is waiting for the user.
constexpr std::chrono::milliseconds kLoadedAfter{6'000};
constexpr std::chrono::milliseconds kRefusalLimit{90'000};

struct MessageBox {
  std::string kind, title, text;
};

std::vector<MessageBox> ReadMessageLog(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string log{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<MessageBox> boxes;
  std::size_t start = 0;
  for (std::size_t end; (end = log.find('\x1e', start)) != std::string::npos; start = end + 1) {
    const std::string record = log.substr(start, end - start);
    const std::size_t a = record.find('\x1f');
    const std::size_t b = record.find('\x1f', a + 1);
    boxes.push_back({record.substr(0, a), record.substr(a + 1, b - a - 1), record.substr(b + 1)});
  }
  return boxes;
}

struct GuiRun {
  ChildResult child;
  std::vector<MessageBox> boxes;
};

GuiRun RunProgram(const DataFileCase& c) {
  ProgramCopy copy(MIRETO_GUI_PROGRAM, c);
  const std::string log = (copy.root() / "messages.log").string();
  std::ofstream(log).close();
  chmod(log.c_str(), 0666);  // writable by the unprivileged user too
  const std::string runtime = (copy.root() / "runtime").string();
  mkdir(runtime.c_str(), 0700);

  ChildOptions options;
  options.workDirectory = copy.root().string();
  options.asUnprivilegedUser = c.damage == Damage::Unreadable && geteuid() == 0;
  options.limit = c.loads ? kLoadedAfter : kRefusalLimit;
  const char* asan = std::getenv("ASAN_OPTIONS");
  options.environment = {
      {"QT_QPA_PLATFORM", "offscreen"},
      {"XDG_RUNTIME_DIR", runtime},
      {"LD_PRELOAD", MIRETO_MESSAGE_BOX_RECORDER},
      {"MIRETO_MESSAGE_LOG", log},
      // In the sanitizer build the preloaded library comes before the ASan runtime.
      {"ASAN_OPTIONS", std::string(asan ? asan : "") + ":verify_asan_link_order=0"},
  };
  GuiRun run{RunChild({copy.program().string()}, options), {}};
  run.boxes = ReadMessageLog(log);
  return run;
}

class GuiDataFiles : public ::testing::TestWithParam<DataFileCase> {};

TEST_P(GuiDataFiles, ShowsTheJapaneseMessageAndExitsOrLoads) {
  const DataFileCase& c = GetParam();
  const GuiRun run = RunProgram(c);
  if (c.loads) {
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front().text;
    EXPECT_TRUE(run.child.stillRunning) << "ended with " << run.child.exitCode << ": " << run.child.err;
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

INSTANTIATE_TEST_SUITE_P(EveryDamage, GuiDataFiles, ::testing::ValuesIn(DataFileCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto::testing
