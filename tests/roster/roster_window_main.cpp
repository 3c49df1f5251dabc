// Runs the roster window tests under one QApplication named as the program.
#include <QApplication>

#include "gui/fonts.h"
#include "gui/resources.h"
#include "roster/roster_location.h"

namespace mireto::test {
int RunRosterWindowTests(int argc, char** argv);
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  QCoreApplication::setApplicationName(
      QString::fromUtf8(mireto::roster::kApplicationName.data(), mireto::roster::kApplicationName.size()));
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  return mireto::test::RunRosterWindowTests(argc, argv);
}
