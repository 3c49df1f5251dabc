// A temporary data folder for one test: XDG_DATA_HOME and HOME point into it
// for as long as the object lives, so that no test reaches the user's own
// roster, and it is removed afterwards. (Windows takes its data folder from
// the shell, not from these variables.)
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "test_support.h"
#include "test_system.h"

namespace mireto::test {

class TempDataHome {
 public:
  TempDataHome() {
    Remember("XDG_DATA_HOME", xdg_);
    Remember("HOME", home_);
    SetEnvironment("XDG_DATA_HOME", (root_ / "data").string());
    SetEnvironment("HOME", (root_ / "home").string());
  }
  ~TempDataHome() {
    Restore("XDG_DATA_HOME", xdg_);
    Restore("HOME", home_);
  }
  TempDataHome(const TempDataHome&) = delete;
  TempDataHome& operator=(const TempDataHome&) = delete;

  const std::filesystem::path& root() const { return folder_.path(); }
  // The roster file the programs use under this data folder.
  std::filesystem::path rosterFile() const { return root() / "data" / "mireto" / "roster.sqlite3"; }

 private:
  static void Remember(const char* name, std::optional<std::string>& slot) {
    if (const char* value = std::getenv(name)) slot = value;
  }
  static void Restore(const char* name, const std::optional<std::string>& slot) { SetEnvironment(name, slot); }

  TempFolder folder_{"mireto-roster-"};
  std::filesystem::path root_ = folder_.path();
  std::optional<std::string> xdg_;
  std::optional<std::string> home_;
};

}  // namespace mireto::test
