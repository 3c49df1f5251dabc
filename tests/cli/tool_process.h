// Runs mireto-chart as a child process with a chosen standard input and
// standard output, and collects its exit, output and messages.
#pragma once

#include <string>
#include <vector>

namespace mireto::testing {

// Where the child's standard output goes.
enum class OutputTo {
  File,        // a file, read back into ToolResult::out
  DevFull,     // /dev/full: every write fails with ENOSPC
  Closed,      // descriptor 1 closed
  ClosedPipe,  // a pipe whose reading end is closed, SIGPIPE ignored: EPIPE
};

struct ToolRun {
  std::vector<std::string> args;  // after the program name
  std::string input;              // standard input (ignored when inputPath is set)
  std::string inputPath;          // a file or directory opened as standard input
  OutputTo output = OutputTo::File;
};

struct ToolResult {
  int exitCode = -1;  // -1 when a signal ended the child
  int signal = 0;
  std::string out;
  std::string err;
};

// Runs build/bin/mireto-chart (beside its data files).
ToolResult RunTool(const ToolRun& run);

// The lines of a text without their line ends.
std::vector<std::string> Lines(const std::string& text);

// The contents of a file.
std::string ReadFile(const std::string& path);

}  // namespace mireto::testing
