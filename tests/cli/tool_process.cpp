#include "tool_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace mireto::testing {

namespace {

// Sets up descriptors 0, 1, 2 and runs the tool; never returns.
[[noreturn]] void BecomeTool(const ToolRun& run, const std::string& inPath,
                             const std::string& outPath, const std::string& errPath) {
  const int in = open(inPath.c_str(), O_RDONLY);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || err < 0) _exit(126);
  dup2(in, 0);
  dup2(err, 2);
  switch (run.output) {
    case OutputTo::File:
    case OutputTo::DevFull: {
      const int out = open(run.output == OutputTo::File ? outPath.c_str() : "/dev/full",
                           O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out < 0) _exit(126);
      dup2(out, 1);
      close(out);
      break;
    }
    case OutputTo::Closed:
      close(1);
      break;
    case OutputTo::ClosedPipe: {
      int ends[2];
      if (pipe(ends) != 0) _exit(126);
      dup2(ends[1], 1);
      close(ends[0]);
      close(ends[1]);
      signal(SIGPIPE, SIG_IGN);  // an ignored signal stays ignored across exec
      break;
    }
  }
  close(in);
  close(err);
  std::vector<std::string> argv = {std::string(MIRETO_BIN_DIR) + "/mireto-chart"};
  argv.insert(argv.end(), run.args.begin(), run.args.end());
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

}  // namespace

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ToolResult RunTool(const ToolRun& run) {
  // CTest runs the cases in parallel processes: one set of files per process.
  const std::string base = ::testing::TempDir() + "mireto_cli_tool_" + std::to_string(getpid());
  const std::string outPath = base + ".out";
  const std::string errPath = base + ".err";
  std::string inPath = run.inputPath;
  if (inPath.empty()) {
    inPath = base + ".in";
    std::ofstream(inPath, std::ios::binary) << run.input;
  }
  ToolResult result;
  const pid_t pid = fork();
  if (pid == 0) BecomeTool(run, inPath, outPath, errPath);
  if (pid < 0) return result;
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  if (run.output == OutputTo::File) result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace mireto::testing
