// mireto-chart's roster command line, and the tool itself run on a roster in
// a temporary data folder.
#include <gtest/gtest.h>

#include "child_process.h"
#include "cli/roster_commands.h"
#include "roster/roster.h"
#include "roster/roster_file.h"
#include "temp_data_home.h"
#include "test_support.h"

namespace mireto::cli {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

struct ArgsCase {
  const char* label;
  std::vector<std::string> args;
  bool accepted;
  RosterCommand::Kind kind = RosterCommand::Kind::Export;
  std::string rosterFile = {};
  std::string source = {};
};

void PrintTo(const ArgsCase& c, std::ostream* os) { *os << c.label; }

class RosterArgsTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(RosterArgsTest, ParsesOrRefusesWithOneLine) {
  const ArgsCase& c = GetParam();
  EXPECT_TRUE(IsRosterCommand(c.args));
  std::string error;
  const auto command = ParseRosterCommand(c.args, error);
  ASSERT_EQ(command.has_value(), c.accepted) << error;
  if (!command) {
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
    return;
  }
  EXPECT_EQ(command->kind, c.kind);
  EXPECT_EQ(command->rosterFile, c.rosterFile);
  EXPECT_EQ(command->source, c.source);
}

using Kind = RosterCommand::Kind;
INSTANTIATE_TEST_SUITE_P(
    Args, RosterArgsTest,
    ::testing::Values(
        ArgsCase{"Export", {"--export"}, true, Kind::Export},
        ArgsCase{"ExportWithRoster", {"--roster", "r.db", "--export"}, true, Kind::Export, "r.db"},
        ArgsCase{"ImportStdin", {"--import", "-"}, true, Kind::Import, "", "-"},
        ArgsCase{"ImportEquals", {"--import=a b.jsonl", "--roster=x"}, true, Kind::Import, "x", "a b.jsonl"},
        ArgsCase{"RosterAlone", {"--roster", "r.db"}, false}, ArgsCase{"Both", {"--import", "a", "--export"}, false},
        ArgsCase{"ImportWithoutFile", {"--import"}, false}, ArgsCase{"EmptyRoster", {"--roster=", "--export"}, false},
        ArgsCase{"TwoImports", {"--import", "a", "--import", "b"}, false},
        ArgsCase{"ExportTwice", {"--export", "--export"}, false},
        ArgsCase{"WithABirth", {"--export", "1990-05-03", "14:27"}, false},
        ArgsCase{"WithBatch", {"--batch", "--import", "a"}, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RosterArgs, ChartArgumentsAreNotARosterCommand) {
  EXPECT_FALSE(IsRosterCommand({"--json", "1990-05-03", "14:27"}));
  EXPECT_FALSE(IsRosterCommand({"--batch"}));
  EXPECT_FALSE(IsRosterCommand({"--", "--export"}));
}

class ChartToolRosterTest : public ::testing::Test {
 protected:
  mireto::test::ChildResult run(std::vector<std::string> args, bool unprivileged = false) {
    // The unprivileged user may not be able to enter the build folder (a
    // checkout under a private folder): it runs a copy in the open test folder.
    args.insert(args.begin(), unprivileged ? OpenProgramCopy().string() : MIRETO_CHART_PROGRAM);
    mireto::test::ChildOptions options;
    options.environment = {{"XDG_DATA_HOME", (home_.root() / "data").string()},
                           {"HOME", (home_.root() / "home").string()}};
    options.asUnprivilegedUser = unprivileged;
    return mireto::test::RunChild(args, options);
  }

  // mireto-chart and its data files copied into <test folder>/bin, readable
  // and runnable by every user.
  fs::path OpenProgramCopy() {
    const fs::path program = MIRETO_CHART_PROGRAM;
    const fs::path bin = home_.root() / "bin";
    fs::create_directories(bin);
    for (const char* name : {"planet.txt", "latitude.txt"}) {
      fs::copy_file(program.parent_path() / name, bin / name, fs::copy_options::overwrite_existing);
    }
    fs::copy_file(program, bin / program.filename(), fs::copy_options::overwrite_existing);
    fs::permissions(bin, fs::perms::all);
    return bin / program.filename();
  }

  void SetUp() override {
    fs::create_directories(work_);
    fs::permissions(home_.root(), fs::perms::all);
    fs::permissions(work_, fs::perms::all);
  }

  mireto::test::TempDataHome home_;
  fs::path work_ = home_.root() / "work";
};

TEST_F(ChartToolRosterTest, ImportsIntoTheDesktopProgramsFileAndExportsIt) {
  const fs::path lines = home_.root() / "in.jsonl";
  WriteFile(lines,
            "{\"name\":\"山田\",\"note\":\"一\\n二\",\"date\":\"1990-05-03\",\"hour\":\"14\",\"minute\":\"27\"}\n"
            "{\"name\":\"花子\",\"date\":\"2000-02-29\",\"hour\":\"?\",\"minute\":\"?\",\"sex\":\"F\"}\n");
  auto imported = run({"--import", lines.string()});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_TRUE(fs::exists(home_.rosterFile()));
  auto exported = run({"--export"});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(
      exported.out,
      "{\"id\":1,\"name\":\"山田\",\"note\":\"一\\n二\",\"date\":\"1990-05-03\",\"hour\":\"14\",\"minute\":\"27\","
      "\"sex\":\"F\",\"jisaMinutes\":\"0\",\"jisaSeconds\":\"0\"}\n"
      "{\"id\":2,\"name\":\"花子\",\"note\":\"\",\"date\":\"2000-02-29\",\"hour\":\"?\",\"minute\":\"?\","
      "\"sex\":\"F\",\"jisaMinutes\":\"0\",\"jisaSeconds\":\"0\"}\n");

  // A bad third line: exit 2, the line named, the file byte for byte as it was.
  const std::string before = ReadFile(home_.rosterFile());
  WriteFile(lines, exported.out + "{\"name\":\"x\",\"date\":\"1990-13-01\",\"hour\":\"1\",\"minute\":\"1\"}\n");
  const auto refused = run({"--import", lines.string()});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("3 行目"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadFile(home_.rosterFile()), before);
}

TEST_F(ChartToolRosterTest, AnUnwritableRosterIsReportedAndLeftAsItWas) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run the tool as another user";
  const fs::path file = home_.root() / "shared" / "roster.sqlite3";
  {
    roster::Roster roster(file);
    std::string error;
    ASSERT_TRUE(roster.add({"既存", "", {"1990-05-03", "14", "27", "M", "0", "0"}}, error)) << error;
  }
  fs::permissions(file.parent_path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  const std::string before = ReadFile(file);
  const fs::path lines = work_ / "in.jsonl";
  WriteFile(lines, "{\"name\":\"新\",\"date\":\"1990-05-03\",\"hour\":\"1\",\"minute\":\"1\"}\n");
  fs::permissions(lines, fs::perms::all);
  const auto refused = run({"--roster", file.string(), "--import", lines.string()}, true);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("書き込めません"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadFile(file), before);
}

// Killed at each flush of the first import (strace injects the kill): the
// roster is either absent or whole, and the next run imports into it.
TEST_F(ChartToolRosterTest, ACrashWhileTheFileIsFirstCreatedLeavesNoBrokenRoster) {
  const fs::path strace = "/usr/bin/strace";
  if (!fs::exists(strace)) GTEST_SKIP() << "needs strace";
  const fs::path lines = work_ / "one.jsonl";
  WriteFile(lines, "{\"name\":\"一\",\"date\":\"1990-05-03\",\"hour\":\"14\",\"minute\":\"27\"}\n");
  for (int when = 1; when <= 8; ++when) {
    const fs::path file = work_ / ("new" + std::to_string(when) + ".sqlite3");
    mireto::test::ChildOptions options;
    const auto killed =
        mireto::test::RunChild({strace.string(), "-f", "-o", "/dev/null", "-e", "trace=fdatasync,fsync", "-e",
                                "inject=fdatasync,fsync:signal=SIGKILL:when=" + std::to_string(when),
                                MIRETO_CHART_PROGRAM, "--roster", file.string(), "--import", lines.string()},
                               options);
    if (killed.exitCode == 0 && killed.err.find("PTRACE") != std::string::npos) GTEST_SKIP() << "no ptrace here";
    const auto state = roster::InspectRosterFile(file).state;
    EXPECT_TRUE(state == roster::FileState::Absent || state == roster::FileState::Usable) << when;
    const auto again = run({"--roster", file.string(), "--import", lines.string()});
    EXPECT_EQ(again.exitCode, 0) << when << again.err;
  }
}

TEST_F(ChartToolRosterTest, AFolderThatCannotBeCreatedIsReported) {
  WriteFile(home_.root() / "data", "not a folder");
  const fs::path lines = work_ / "in.jsonl";
  WriteFile(lines, "{\"name\":\"新\",\"date\":\"1990-05-03\",\"hour\":\"1\",\"minute\":\"1\"}\n");
  const auto refused = run({"--import", lines.string()});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("フォルダを作成できない"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadFile(home_.root() / "data"), "not a folder");
}

}  // namespace
}  // namespace mireto::cli
