#include "app/desktop_platform.h"
#include "gui/fonts.h"

namespace mireto {

bool DesktopAvailable(int, char**, const std::string&) { return true; }

void PrepareJapaneseFonts(const QString& programFolder) { LoadShippedFonts(programFolder); }

}  // namespace mireto
