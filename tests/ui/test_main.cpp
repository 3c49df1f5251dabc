// Runs the main-window tests under one QApplication.
#include <QApplication>

#include "ui/fonts.h"
#include "gui/resources.h"

namespace mireto::test {
int RunStartupStateTests(int argc, char** argv);
int RunInputChainTests(int argc, char** argv);
int RunYearDialogTests(int argc, char** argv);
int RunSpinnerTests(int argc, char** argv);
int RunCommandsTests(int argc, char** argv);
int RunMainWindowInputTests(int argc, char** argv);
int RunChartDisplayTests(int argc, char** argv);
int RunStartupTests(int argc, char** argv);
int RunDetailsMenuTests(int argc, char** argv);
int RunBirthTimeTests(int argc, char** argv);
}  // namespace mireto::test

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  using namespace mireto::test;
  int failures = 0;
  for (auto run : {RunStartupStateTests, RunInputChainTests, RunYearDialogTests, RunSpinnerTests,
                   RunCommandsTests, RunMainWindowInputTests, RunChartDisplayTests, RunStartupTests,
                   RunDetailsMenuTests, RunBirthTimeTests})
    failures += run(argc, argv) != 0 ? 1 : 0;
  return failures == 0 ? 0 : 1;
}
