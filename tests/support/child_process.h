// Runs a program as a child process (Linux: fork and exec) with a chosen
// standard input, standard output and environment, and collects its exit,
// output and messages. Every file it needs lies in a temporary folder of its
// own, removed when the run is over.
#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace mireto::test {

// Where the child's standard output goes.
enum class OutputTo {
  File,        // a file, read back into ChildResult::out
  DevFull,     // /dev/full: every write fails with ENOSPC
  Closed,      // descriptor 1 closed
  ClosedPipe,  // a pipe whose reading end is closed, SIGPIPE ignored: EPIPE
};

struct ChildOptions {
  std::string input;      // standard input (ignored when inputPath is set)
  std::string inputPath;  // a file or directory opened as standard input
  OutputTo output = OutputTo::File;
  std::vector<std::pair<std::string, std::string>> environment;  // added or replaced
  std::vector<std::string> unsetEnvironment;                     // removed
  bool asUnprivilegedUser = false;                               // run as uid/gid 65534 (needs root)
  // After this long a child still running is stopped (SIGKILL) and reported as
  // still running.
  std::chrono::milliseconds limit{60'000};
  // The child is stopped (SIGKILL) as soon as its standard error holds one of
  // these texts; ChildResult::stoppedOn names it.
  std::vector<std::string> stopWhenErrorHolds;
};

struct ChildResult {
  bool stillRunning = false;  // the limit passed before the child ended
  int exitCode = -1;          // when it exited (-1 when a signal ended it)
  int signal = 0;             // when a signal ended it
  std::string stoppedOn;      // the text of stopWhenErrorHolds that stopped it
  std::string out;
  std::string err;
};

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options = {});

// mireto-chart of this build (beside its data files) with these arguments.
struct ToolRun {
  std::vector<std::string> args;  // after the program name
  std::string input;              // standard input (ignored when inputPath is set)
  std::string inputPath;          // a file or directory opened as standard input
  OutputTo output = OutputTo::File;
};
using ToolResult = ChildResult;
ToolResult RunTool(const ToolRun& run);

}  // namespace mireto::test
