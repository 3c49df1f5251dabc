#include "gui/version.h"

namespace mireto {

ProgramVersion Version() { return {MIRETO_VERSION_MAJOR, MIRETO_VERSION_MINOR, MIRETO_VERSION_PATCH}; }

QString VersionText() {
  const ProgramVersion v = Version();
  return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.patch);
}

}  // namespace mireto
