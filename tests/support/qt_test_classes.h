// Qt Test classes compiled into one executable, each run on its own or all in
// turn. A class is registered by one line after its definition:
//
//   MIRETO_QT_TEST_CLASS(Startup, StartupTest)
//
// and CMake (mireto_add_qt_test_classes) reads the same lines from the
// executable's sources to give every class its own CTest entry, so that a
// failure names its class. With a class name as the first argument only that
// class runs and the arguments after it are its Qt Test options; without a
// name every class runs.
#pragma once

#include <QTest>
#include <span>

namespace mireto::test {

struct QtTestClass {
  const char* name;
  int (*run)(int argc, char** argv);
};

template <typename TestClass>
int RunQtTestClass(int argc, char** argv) {
  TestClass test;
  return QTest::qExec(&test, argc, argv);
}

// Adds a class to the executable's list (at static initialisation); true.
bool RegisterQtTestClass(QtTestClass testClass);

// The classes registered, in the order their files were linked.
std::span<const QtTestClass> RegisteredQtTestClasses();

// Runs the class named by argv[1], or every class; the exit status.
int RunQtTestClasses(int argc, char** argv);

}  // namespace mireto::test

#define MIRETO_QT_TEST_CLASS(Name, TestClass)                      \
  [[maybe_unused]] static const bool mireto_qt_test_class_##Name = \
      ::mireto::test::RegisterQtTestClass({#Name, &::mireto::test::RunQtTestClass<TestClass>});
