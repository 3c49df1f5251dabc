// Runs the output window tests under one QApplication.
#include <QApplication>
#include "ui/fonts.h"
#include "gui/resources.h"

int RunPopupWindowTests(int argc, char** argv);
int RunExportWindowTests(int argc, char** argv);
int RunAboutBoxTests(int argc, char** argv);
int RunNotifySoundTests(int argc, char** argv);
int RunRealMainWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program's own font mapping and compiled-in assets.
  mireto::InstallFontSubstitutions();
  mireto::InitResources();
  int failures = 0;
  failures += RunPopupWindowTests(argc, argv);
  failures += RunExportWindowTests(argc, argv);
  failures += RunAboutBoxTests(argc, argv);
  failures += RunNotifySoundTests(argc, argv);
  failures += RunRealMainWindowTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
