// Window tests on Windows: Qt's offscreen platform there sees no system font,
// so the fonts the installer ships (copied to bin/fonts) are loaded as the
// program loads them, when the application object is created.
#include <QCoreApplication>

#include "gui/fonts.h"

namespace {

void LoadFontsBesideTheTest() { mireto::LoadShippedFonts(QCoreApplication::applicationDirPath()); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(LoadFontsBesideTheTest)
