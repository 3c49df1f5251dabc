#include <random>
#include <stdexcept>
#include <system_error>

#include "test_system.h"

namespace mireto::test {

namespace fs = std::filesystem;

fs::path MakeTempFolder(std::string_view prefix) {
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937_64 random(seed());
  const fs::path base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(prefix);
    for (int i = 0; i < 8; ++i) name += kLetters[random() % kLetters.size()];
    std::error_code ec;
    // create_directory is false when the name exists already: try another.
    if (fs::create_directory(base / name, ec)) return base / name;
  }
  throw std::runtime_error("no temporary folder could be created");
}

TempFolder::TempFolder(std::string_view prefix) : path_(MakeTempFolder(prefix)) {}

TempFolder::~TempFolder() {
  // A folder a test made read-only or closed would keep what is inside it.
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto it = fs::recursive_directory_iterator(path_, fs::directory_options::skip_permission_denied, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code ignored;
    if (it->is_directory(ignored) && !it->is_symlink(ignored))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ec);
}

}  // namespace mireto::test
