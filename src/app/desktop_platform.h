// The desktop program's start-up steps that differ between Linux and Windows
// (desktop_platform_linux.cpp, desktop_platform_windows.cpp).
#pragma once

#include <QString>
#include <string>

namespace mireto {

// Before QApplication: whether the program may try to open its windows. On
// Linux a display must be named (DISPLAY, WAYLAND_DISPLAY or a platform that
// needs none); when it is not, the reason is printed to standard error.
// Windows always has its desktop.
bool DesktopAvailable(int argc, char** argv, const std::string& programFolderText);

// After the font substitutions are installed: makes the layouts' Japanese
// faces available. On Windows the system's ＭＳ ゴシック and ＭＳ Ｐゴシック are
// used where they exist; otherwise the IPA fonts installed with the program
// (fonts\ beside it) are loaded. On Linux the installed fonts are checked
// and a missing face is reported in a warning box.
void PrepareJapaneseFonts(const QString& programFolder);

}  // namespace mireto
