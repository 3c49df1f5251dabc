#include "child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <thread>

#include "test_support.h"
#include "test_system.h"

namespace mireto::test {

namespace {

constexpr uid_t kNobody = 65534;

// In the child: sets up descriptors 0, 1, 2, the environment and the user,
// and runs the program; never returns.
[[noreturn]] void BecomeProgram(const std::vector<std::string>& argv, const ChildOptions& options,
                                const std::string& inPath, const std::string& outPath, const std::string& errPath) {
  const int in = open(inPath.c_str(), O_RDONLY);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || err < 0) _exit(126);
  dup2(in, 0);
  dup2(err, 2);
  switch (options.output) {
    case OutputTo::File:
    case OutputTo::DevFull: {
      const int out =
          open(options.output == OutputTo::File ? outPath.c_str() : "/dev/full", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out < 0) _exit(126);
      dup2(out, 1);
      close(out);
      break;
    }
    case OutputTo::Closed: close(1); break;
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
  for (const auto& name : options.unsetEnvironment) unsetenv(name.c_str());
  for (const auto& [name, value] : options.environment) setenv(name.c_str(), value.c_str(), 1);
  if (options.asUnprivilegedUser && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
    _exit(126);
  }
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  // Said on the child's standard error (without allocating after fork), so
  // that a test shows why at once.
  const auto say = [](const char* text) { (void)!write(2, text, std::strlen(text)); };
  say("cannot run ");
  say(args[0]);
  say(options.asUnprivilegedUser ? " as the unprivileged user\n" : "\n");
  _exit(127);
}

}  // namespace

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  // CTest runs tests in parallel processes: every run has files of its own.
  const TempFolder folder("mireto-child-");
  const std::string outPath = (folder.path() / "out").string();
  const std::string errPath = (folder.path() / "err").string();
  std::string inPath = options.inputPath;
  if (inPath.empty()) {
    inPath = (folder.path() / "in").string();
    std::ofstream(inPath, std::ios::binary) << options.input;
  }
  ChildResult result;
  const pid_t pid = fork();
  if (pid == 0) BecomeProgram(argv, options, inPath, outPath, errPath);
  if (pid < 0) return result;

  const auto deadline = std::chrono::steady_clock::now() + options.limit;
  auto pause = std::chrono::microseconds(500);  // short runs are seen at once, long ones polled
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (done < 0) return result;
    if (!options.stopWhenErrorHolds.empty()) {
      const std::string err = ReadFile(errPath);
      for (const std::string& text : options.stopWhenErrorHolds)
        if (err.find(text) != std::string::npos) result.stoppedOn = text;
    }
    const bool late = std::chrono::steady_clock::now() >= deadline;
    if (!result.stoppedOn.empty() || late) {
      result.stillRunning = result.stoppedOn.empty();
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(20'000));
  }
  if (!result.stillRunning && result.stoppedOn.empty()) {
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  }
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

ChildResult RunTool(const ToolRun& run) {
  std::vector<std::string> argv = {(BinDirectory() / "mireto-chart").string()};
  argv.insert(argv.end(), run.args.begin(), run.args.end());
  ChildOptions options;
  options.input = run.input;
  options.inputPath = run.inputPath;
  options.output = run.output;
  return RunChild(argv, options);
}

}  // namespace mireto::test
