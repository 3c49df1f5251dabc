#include <QDir>
#include <QFontDatabase>

#include "gui/fonts.h"

namespace mireto {

void LoadShippedFonts(const QString& programFolder) {
  const QStringList families = QFontDatabase::families();
  const bool systemFaces = (families.contains(kGothicFamily) || families.contains(QStringLiteral("MS Gothic"))) &&
                           (families.contains(kPGothicFamily) || families.contains(QStringLiteral("MS PGothic")));
  if (systemFaces) return;
  // IPAGothic and IPAPGothic, the faces the substitutions name next.
  const QDir fonts(QDir(programFolder).filePath(QStringLiteral("fonts")));
  for (const QString& file : {QStringLiteral("ipag.ttf"), QStringLiteral("ipagp.ttf")})
    QFontDatabase::addApplicationFont(fonts.filePath(file));
}

}  // namespace mireto
