// The program's version, defined once in the project's build description and
// shown by the splash and the About box.
#pragma once

#include <QString>

namespace mireto {

struct ProgramVersion {
  int major;
  int minor;
  int patch;
};

ProgramVersion Version();

// "1.3.15": each number in decimal without leading zeros.
QString VersionText();

}  // namespace mireto
