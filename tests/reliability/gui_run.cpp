#include "gui_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "test_support.h"

namespace mireto::test {

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;
constexpr const char* kPreloadRefused = "cannot be preloaded";
constexpr const char* kMainWindowPainted = "mireto-trace main-painted";

std::vector<MessageBox> ReadMessageLog(const std::string& path) {
  const std::string log = ReadFile(path);
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

// The first folder from path up to the root that other users cannot enter.
std::string ClosedAncestor(fs::path path) {
  for (; !path.empty(); path = path.parent_path()) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && (status.st_mode & S_IXOTH) == 0) return path.string();
    if (path == path.root_path()) break;
  }
  return {};
}

}  // namespace

GuiRun RunGuiProgram(const ProgramCopy& copy, const GuiRunOptions& options) {
  GuiRun run;
  // Beside the program copy, never in the build folder: the checkout may lie
  // in a folder the unprivileged user cannot enter.
  const fs::path recorder = copy.root() / fs::path(MIRETO_MESSAGE_BOX_RECORDER).filename();
  fs::copy_file(MIRETO_MESSAGE_BOX_RECORDER, recorder, fs::copy_options::overwrite_existing);
  fs::permissions(recorder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
  const std::string log = (copy.root() / "messages.log").string();
  std::ofstream(log).close();
  chmod(log.c_str(), 0666);  // writable by the unprivileged user too
  const std::string runtime = (copy.root() / "runtime").string();
  mkdir(runtime.c_str(), 0700);

  ChildOptions child;
  child.asUnprivilegedUser = options.asUnprivilegedUser;
  if (options.asUnprivilegedUser) {
    const std::string closed = ClosedAncestor(copy.root());
    if (!closed.empty()) {
      run.setupProblem = "the unprivileged user cannot enter " + closed + " (set TMPDIR to an open folder)";
      return run;
    }
    if (chown(runtime.c_str(), kNobody, kNobody) != 0) {
      run.setupProblem = "cannot hand the runtime folder " + runtime + " over to the unprivileged user";
      return run;
    }
  }
  child.limit = options.limit;
  child.stopWhenErrorHolds = {kPreloadRefused};
  if (options.stopWhenMainWindowShown) child.stopWhenErrorHolds.push_back(kMainWindowPainted);
  const char* asan = std::getenv("ASAN_OPTIONS");
  child.environment = {
      {"QT_QPA_PLATFORM", "offscreen"},
      {"XDG_RUNTIME_DIR", runtime},
      {"LD_PRELOAD", recorder.string()},
      {"MIRETO_MESSAGE_LOG", log},
      {"MIRETO_TRACE_STARTUP", "1"},
      // In the sanitizer build the preloaded library comes before the ASan runtime.
      {"ASAN_OPTIONS", std::string(asan ? asan : "") + ":verify_asan_link_order=0"},
  };
  // The caller's settings replace these defaults, and what it unsets stays unset.
  std::erase_if(child.environment, [&](const auto& variable) {
    const auto named = [&](const std::string& name) { return name == variable.first; };
    return std::any_of(options.unsetEnvironment.begin(), options.unsetEnvironment.end(), named) ||
           std::any_of(options.environment.begin(), options.environment.end(),
                       [&](const auto& mine) { return named(mine.first); });
  });
  for (const auto& variable : options.environment) child.environment.push_back(variable);
  child.unsetEnvironment = options.unsetEnvironment;
  run.child = RunChild({copy.program().string()}, child);
  run.mainWindowShown = run.child.stoppedOn == kMainWindowPainted;

  std::vector<MessageBox> records = ReadMessageLog(log);
  const bool loaded = !records.empty() && records.front().kind == "loaded";
  if (loaded) records.erase(records.begin());
  run.boxes = std::move(records);
  if (run.child.stoppedOn == kPreloadRefused || !loaded)
    run.setupProblem = "the message-box recorder was not preloaded into the program: " + run.child.err;
  return run;
}

}  // namespace mireto::test
