// The text of the About box.
#pragma once

#include <string>

namespace mireto {

// The title line with the version, the notice line, and the contact and web
// lines, separated by CR CR LF, CR CR LF and CR LF (no line end at the end).
// Each version number is written in decimal without leading zeros.
std::string AboutText(int major, int minor, int revision);

}  // namespace mireto
