#include <random>
#include <stdexcept>
#include <system_error>

#include "test_system.h"

namespace mireto::testing {

std::filesystem::path MakeTempFolder(std::string_view prefix) {
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937_64 random(seed());
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(prefix);
    for (int i = 0; i < 8; ++i) name += kLetters[random() % kLetters.size()];
    std::error_code ec;
    // create_directory is false when the name exists already: try another.
    if (std::filesystem::create_directory(base / name, ec)) return base / name;
  }
  throw std::runtime_error("no temporary folder could be created");
}

}  // namespace mireto::testing
