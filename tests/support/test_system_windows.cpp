#include <cstdlib>

#include "test_system.h"

namespace mireto::test {

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
  // An empty value removes the variable.
  _putenv_s(name, value ? value->c_str() : "");
}

std::vector<std::string> SpecialFiles(const std::filesystem::path&) {
  return {"NUL", "\\\\.\\pipe\\mireto-test-no-such-pipe"};
}

}  // namespace mireto::test
