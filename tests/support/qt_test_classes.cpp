#include "qt_test_classes.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace mireto::test {

namespace {

// Filled before main() by the registering lines, read only afterwards.
std::vector<QtTestClass>& Classes() {
  static std::vector<QtTestClass> classes;
  return classes;
}

}  // namespace

bool RegisterQtTestClass(QtTestClass testClass) {
  Classes().push_back(testClass);
  return true;
}

std::span<const QtTestClass> RegisteredQtTestClasses() { return Classes(); }

int RunQtTestClasses(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    for (const QtTestClass& testClass : Classes()) {
      if (std::string_view(argv[1]) != testClass.name) continue;
      argv[1] = argv[0];  // the class name leaves the options
      return testClass.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "no test class named %s\n", argv[1]);
    return 2;
  }
  int failures = 0;
  for (const QtTestClass& testClass : Classes()) failures += testClass.run(argc, argv) != 0 ? 1 : 0;
  return failures == 0 ? 0 : 1;
}

}  // namespace mireto::test
