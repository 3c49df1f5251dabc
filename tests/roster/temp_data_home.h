// A temporary data folder for one test: XDG_DATA_HOME and HOME point into it
// for as long as the object lives, so that no test reaches the user's own
// roster, and it is removed afterwards. (Windows takes its data folder from
// the shell, not from these variables.)
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

#include "test_system.h"

namespace mireto::testing {

class TempDataHome {
 public:
  TempDataHome() {
    root_ = MakeTempFolder("mireto-roster-");
    Remember("XDG_DATA_HOME", xdg_);
    Remember("HOME", home_);
    SetEnvironment("XDG_DATA_HOME", (root_ / "data").string());
    SetEnvironment("HOME", (root_ / "home").string());
  }
  ~TempDataHome() {
    Restore("XDG_DATA_HOME", xdg_);
    Restore("HOME", home_);
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(root_, ec);
  }
  TempDataHome(const TempDataHome&) = delete;
  TempDataHome& operator=(const TempDataHome&) = delete;

  const std::filesystem::path& root() const { return root_; }
  // The roster file the programs use under this data folder.
  std::filesystem::path rosterFile() const { return root_ / "data" / "mireto" / "roster.sqlite3"; }

 private:
  static void Remember(const char* name, std::optional<std::string>& slot) {
    if (const char* value = std::getenv(name)) slot = value;
  }
  static void Restore(const char* name, const std::optional<std::string>& slot) {
    SetEnvironment(name, slot);
  }

  std::filesystem::path root_;
  std::optional<std::string> xdg_;
  std::optional<std::string> home_;
};

// The file's bytes; empty for a folder or a missing file.
inline std::string ReadBytes(const std::filesystem::path& file) {
  if (!std::filesystem::is_regular_file(file)) return {};
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace mireto::testing
