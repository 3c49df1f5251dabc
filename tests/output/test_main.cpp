// Runs the output window tests under one QApplication: one class named by
// the first argument, or all of them (support/qt_test_classes.h).
#include <QApplication>

#include "gui/resources.h"
#include "qt_test_classes.h"
#include "ui/fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program's own font mapping and compiled-in assets.
  mireto::InstallFontSubstitutions();
  mireto::InitResources();
  return mireto::test::RunQtTestClasses(argc, argv);
}
