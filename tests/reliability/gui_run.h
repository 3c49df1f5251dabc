// Runs a copy of the desktop program offscreen with the message-box recorder
// preloaded, and reads back the boxes it showed.
#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "broken_data.h"
#include "child_process.h"

namespace mireto::test {

struct MessageBox {
  std::string kind, title, text;
};

struct GuiRunOptions {
  bool asUnprivilegedUser = false;
  // Stop the program once its main window has been painted (the files
  // loaded and the program waits for the user).
  bool stopWhenMainWindowShown = false;
  std::chrono::milliseconds limit{90'000};
  std::vector<std::pair<std::string, std::string>> environment;  // added or replaced
  std::vector<std::string> unsetEnvironment;
};

struct GuiRun {
  ChildResult child;
  std::vector<MessageBox> boxes;
  bool mainWindowShown = false;
  // Why the run tells nothing about the program (the recorder was not
  // loaded, the copy is not readable by the unprivileged user); empty when
  // the run is sound.
  std::string setupProblem;
};

// The recorder and every file the child reads lie inside copy.root(), which
// every user can read; the run fails at once with setupProblem when the
// dynamic loader refuses the preload.
GuiRun RunGuiProgram(const ProgramCopy& copy, const GuiRunOptions& options);

}  // namespace mireto::test
