#include <sys/stat.h>

#include <cstdlib>
#include <stdexcept>

#include "test_system.h"

namespace mireto::test {

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
  if (value) {
    setenv(name, value->c_str(), 1);
  } else {
    unsetenv(name);
  }
}

std::vector<std::string> SpecialFiles(const std::filesystem::path& folder) {
  const std::string fifo = (folder / "fifo.wav").string();
  if (mkfifo(fifo.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
  return {fifo, "/dev/zero"};
}

}  // namespace mireto::test
