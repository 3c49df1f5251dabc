#include "ui/fonts.h"

#include <QStringList>

namespace mireto {

namespace {

struct FontRow {
  FontRole role;
  bool proportional;
  double points;
  bool bold;
};

constexpr FontRow kFontRows[] = {
    {FontRole::Default, false, 9.75, false},
    {FontRole::Gothic9, false, 9.0, false},
    {FontRole::Gothic11, false, 11.25, false},
    {FontRole::Gothic11Bold, false, 11.25, true},
    {FontRole::Gothic12, false, 12.0, false},
    {FontRole::PGothic11, true, 11.25, false},
    {FontRole::PGothic12, true, 12.0, false},
    {FontRole::PGothic12Bold, true, 12.0, true},
};

const QStringList& FixedSubstitutes() {
  static const QStringList list = {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")};
  return list;
}

const QStringList& ProportionalSubstitutes() {
  static const QStringList list = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
  return list;
}

}  // namespace

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(kGothicFamily, FixedSubstitutes());
  QFont::insertSubstitutions(QStringLiteral("MS Gothic"), FixedSubstitutes());
  QFont::insertSubstitutions(kPGothicFamily, ProportionalSubstitutes());
  QFont::insertSubstitutions(QStringLiteral("MS PGothic"), ProportionalSubstitutes());
}

QFont FontFor(FontRole role) {
  for (const FontRow& row : kFontRows) {
    if (row.role != role) continue;
    QFont font(row.proportional ? kPGothicFamily : kGothicFamily);
    // The families list lets Qt fall back even where substitutions are not
    // consulted (e.g. a font chosen before InstallFontSubstitutions ran).
    QStringList families = {row.proportional ? kPGothicFamily : kGothicFamily};
    families += row.proportional ? ProportionalSubstitutes() : FixedSubstitutes();
    font.setFamilies(families);
    font.setStyleHint(row.proportional ? QFont::SansSerif : QFont::Monospace);
    font.setPixelSize(PointsToPixels(row.points));
    font.setBold(row.bold);
    return font;
  }
  return QFont(kGothicFamily);
}

}  // namespace mireto
