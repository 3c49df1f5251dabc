// Qt Test classes compiled into one executable, each run on its own or all in
// turn. With a class name as the first argument only that class runs, so that
// CTest can register one entry per class and a failure names its class; the
// arguments after the name are the class's Qt Test options. Without a name
// every class runs.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace mireto::test {

struct QtTestClass {
  const char* name;
  int (*run)(int argc, char** argv);
};

inline int RunQtTestClasses(std::span<const QtTestClass> classes, int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    for (const QtTestClass& testClass : classes) {
      if (std::string_view(argv[1]) != testClass.name) continue;
      argv[1] = argv[0];  // the class name leaves the options
      return testClass.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "no test class named %s\n", argv[1]);
    return 2;
  }
  int failures = 0;
  for (const QtTestClass& testClass : classes) failures += testClass.run(argc, argv) != 0 ? 1 : 0;
  return failures == 0 ? 0 : 1;
}

}  // namespace mireto::test
