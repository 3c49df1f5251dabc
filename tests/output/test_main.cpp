// Runs the output window tests under one QApplication: one class named by
// the first argument, or all of them.
#include <QApplication>
#include <array>
#include "ui/fonts.h"
#include "gui/resources.h"
#include "qt_test_classes.h"

int RunPopupWindowTests(int argc, char** argv);
int RunExportWindowTests(int argc, char** argv);
int RunAboutBoxTests(int argc, char** argv);
int RunNotifySoundTests(int argc, char** argv);
int RunRealMainWindowTests(int argc, char** argv);
int RunDetailsWindowTests(int argc, char** argv);
int RunCompatWindowTests(int argc, char** argv);
int RunCalendarWindowTests(int argc, char** argv);

namespace {

// One CTest entry per row (tests/output/CMakeLists.txt reads the names from here).
constexpr std::array kTestClasses = {
    mireto::test::QtTestClass{"PopupWindow", RunPopupWindowTests},
    mireto::test::QtTestClass{"ExportWindow", RunExportWindowTests},
    mireto::test::QtTestClass{"AboutBox", RunAboutBoxTests},
    mireto::test::QtTestClass{"NotifySound", RunNotifySoundTests},
    mireto::test::QtTestClass{"RealMainWindow", RunRealMainWindowTests},
    mireto::test::QtTestClass{"DetailsWindow", RunDetailsWindowTests},
    mireto::test::QtTestClass{"CompatWindow", RunCompatWindowTests},
    mireto::test::QtTestClass{"CalendarWindow", RunCalendarWindowTests},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program's own font mapping and compiled-in assets.
  mireto::InstallFontSubstitutions();
  mireto::InitResources();
  return mireto::test::RunQtTestClasses(kTestClasses, argc, argv);
}
