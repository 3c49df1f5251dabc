#include "child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

namespace mireto::testing {

namespace {

constexpr uid_t kNobody = 65534;

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// In the child: never returns.
[[noreturn]] void BecomeProgram(const std::vector<std::string>& argv, const ChildOptions& options,
                                const std::string& outPath, const std::string& errPath) {
  const int in = open("/dev/null", O_RDONLY);
  const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0 || err < 0) _exit(126);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  for (const auto& name : options.unsetEnvironment) unsetenv(name.c_str());
  for (const auto& [name, value] : options.environment) setenv(name.c_str(), value.c_str(), 1);
  if (options.asUnprivilegedUser &&
      (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
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
  const std::string outPath = options.workDirectory + "/child.out";
  const std::string errPath = options.workDirectory + "/child.err";
  ChildResult result;
  const pid_t pid = fork();
  if (pid == 0) BecomeProgram(argv, options, outPath, errPath);
  if (pid < 0) return result;

  const auto deadline = std::chrono::steady_clock::now() + options.limit;
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (!options.stopWhenErrorHolds.empty()) {
      const std::string err = ReadWhole(errPath);
      for (const std::string& text : options.stopWhenErrorHolds)
        if (err.find(text) != std::string::npos) result.stoppedOn = text;
      if (!result.stoppedOn.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        break;
      }
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      result.stillRunning = true;
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!result.stillRunning && result.stoppedOn.empty()) {
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  }
  result.out = ReadWhole(outPath);
  result.err = ReadWhole(errPath);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace mireto::testing
