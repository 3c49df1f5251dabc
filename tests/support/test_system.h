// What tests need from the system, for Linux and Windows alike
// (test_system.cpp, test_system_linux.cpp, test_system_windows.cpp).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mireto::test {

// A new, empty folder under the system's temporary folder, named
// <prefix><random letters>; throws when none can be created. The caller
// removes it (TempFolder does).
std::filesystem::path MakeTempFolder(std::string_view prefix);

// A new, empty temporary folder, removed with everything in it (whatever
// rights a test left on it) when the object goes.
class TempFolder {
 public:
  explicit TempFolder(std::string_view prefix = "mireto-test-");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Sets an environment variable of this process, or removes it (nullopt).
void SetEnvironment(const char* name, const std::optional<std::string>& value);

// Paths that name no regular file and could block a careless reader: on
// Linux a FIFO without a writer (made in folder) and a device; on Windows a
// device and a pipe.
std::vector<std::string> SpecialFiles(const std::filesystem::path& folder);

}  // namespace mireto::test
