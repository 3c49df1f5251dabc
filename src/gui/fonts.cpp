#include "gui/fonts.h"

#include <QStringList>

namespace mireto {

namespace {

const QStringList& FixedSubstitutes() {
  static const QStringList list = {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")};
  return list;
}

const QStringList& ProportionalSubstitutes() {
  static const QStringList list = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
  return list;
}

}  // namespace

const QStringList& SubstitutesFor(FontFace face) {
  return face == FontFace::PGothic ? ProportionalSubstitutes() : FixedSubstitutes();
}

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(kGothicFamily, FixedSubstitutes());
  QFont::insertSubstitutions(QStringLiteral("MS Gothic"), FixedSubstitutes());
  QFont::insertSubstitutions(kPGothicFamily, ProportionalSubstitutes());
  QFont::insertSubstitutions(QStringLiteral("MS PGothic"), ProportionalSubstitutes());
}

QFont LayoutFont(FontFace face, double points, bool bold) {
  const bool proportional = face == FontFace::PGothic;
  const QString& family = proportional ? kPGothicFamily : kGothicFamily;
  QFont font(family);
  // The families list lets Qt fall back even where substitutions are not
  // consulted (e.g. a font chosen before InstallFontSubstitutions ran).
  QStringList families = {family};
  families += proportional ? ProportionalSubstitutes() : FixedSubstitutes();
  font.setFamilies(families);
  font.setStyleHint(proportional ? QFont::SansSerif : QFont::Monospace);
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

}  // namespace mireto
