// Runs the main-window tests under one QApplication: one class named by the
// first argument, or all of them.
#include <QApplication>
#include <array>

#include "ui/fonts.h"
#include "gui/resources.h"
#include "qt_test_classes.h"

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
int RunKeyboardTests(int argc, char** argv);
int RunSheetMenuTests(int argc, char** argv);
}  // namespace mireto::test

namespace {

// One CTest entry per row (tests/ui/CMakeLists.txt reads the names from here).
constexpr std::array kTestClasses = {
    mireto::test::QtTestClass{"StartupState", mireto::test::RunStartupStateTests},
    mireto::test::QtTestClass{"InputChain", mireto::test::RunInputChainTests},
    mireto::test::QtTestClass{"YearDialog", mireto::test::RunYearDialogTests},
    mireto::test::QtTestClass{"Spinner", mireto::test::RunSpinnerTests},
    mireto::test::QtTestClass{"Commands", mireto::test::RunCommandsTests},
    mireto::test::QtTestClass{"MainWindowInput", mireto::test::RunMainWindowInputTests},
    mireto::test::QtTestClass{"ChartDisplay", mireto::test::RunChartDisplayTests},
    mireto::test::QtTestClass{"Startup", mireto::test::RunStartupTests},
    mireto::test::QtTestClass{"DetailsMenu", mireto::test::RunDetailsMenuTests},
    mireto::test::QtTestClass{"BirthTime", mireto::test::RunBirthTimeTests},
    mireto::test::QtTestClass{"Keyboard", mireto::test::RunKeyboardTests},
    mireto::test::QtTestClass{"SheetMenu", mireto::test::RunSheetMenuTests},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  return mireto::test::RunQtTestClasses(kTestClasses, argc, argv);
}
