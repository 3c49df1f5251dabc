// Whether the desktop program can reach a display, decided before
// QApplication exists (Qt itself would abort with an English message and
// status 134).
//
// A platform named by "-platform NAME" or QT_QPA_PLATFORM other than xcb and
// wayland (offscreen, vnc, eglfs, ...) needs nothing from the environment;
// xcb needs DISPLAY, wayland needs WAYLAND_DISPLAY, and with no platform named
// either will do. A display that is named but cannot be reached is caught by
// ExitOnPlatformFailure.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace mireto {

// Reads an environment variable: nullptr when it is not set.
using EnvironmentReader = std::function<const char*(const char* name)>;

// True when the program may try to open its windows.
bool DisplayNamed(int argc, char** argv, const EnvironmentReader& environment);

// What the program says on standard error when there is no display: the
// reason (a clause read before "ため") and how to compute the same chart with mireto-chart, found in
// programDirectory.
std::string NoDisplayMessage(std::string_view reason, std::string_view programDirectory);

// From here until the returned guard is destroyed, a fatal Qt message (the
// platform plugin could not be initialised) prints NoDisplayMessage instead
// and ends the program with status 1. Qt's other messages meanwhile are held
// back (on failure they only repeat it in English) and passed on when the
// guard ends.
class ExitOnPlatformFailure {
 public:
  explicit ExitOnPlatformFailure(std::string programDirectory);
  ~ExitOnPlatformFailure();
  ExitOnPlatformFailure(const ExitOnPlatformFailure&) = delete;
  ExitOnPlatformFailure& operator=(const ExitOnPlatformFailure&) = delete;
};

}  // namespace mireto
