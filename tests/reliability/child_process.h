// Runs a program as a child process and collects its exit, standard output
// and standard error.
#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace mireto::testing {

struct ChildOptions {
  std::vector<std::pair<std::string, std::string>> environment;  // added or replaced
  std::vector<std::string> unsetEnvironment;                      // removed
  std::string workDirectory;  // where the output files are written; must exist
  bool asUnprivilegedUser = false;  // run as uid/gid 65534 (needs root)
  // After this long a child still running is stopped (SIGKILL) and reported as
  // still running.
  std::chrono::milliseconds limit{60'000};
  // The child is stopped (SIGKILL) as soon as its standard error holds one of
  // these texts; ChildResult::stoppedOn names it.
  std::vector<std::string> stopWhenErrorHolds;
};

struct ChildResult {
  bool stillRunning = false;  // the limit passed before the child ended
  int exitCode = -1;          // when it exited
  int signal = 0;             // when a signal ended it
  std::string stoppedOn;      // the text of stopWhenErrorHolds that stopped it
  std::string out;
  std::string err;
};

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options);

// The lines of a text (a last line without a line end counts too).
std::vector<std::string> Lines(const std::string& text);

}  // namespace mireto::testing
