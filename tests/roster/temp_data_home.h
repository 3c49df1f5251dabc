// A temporary data folder for one test: XDG_DATA_HOME and HOME point into it
// for as long as the object lives, so that no test reaches the user's own
// roster, and it is removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace mireto::testing {

class TempDataHome {
 public:
  TempDataHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mireto-roster-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    Remember("XDG_DATA_HOME", xdg_);
    Remember("HOME", home_);
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    setenv("HOME", (root_ / "home").c_str(), 1);
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
    if (slot) {
      setenv(name, slot->c_str(), 1);
    } else {
      unsetenv(name);
    }
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
