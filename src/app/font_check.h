// The start-up check that Japanese fonts are installed.
//
// The layout's two faces (ＭＳ ゴシック, ＭＳ Ｐゴシック) are mapped to installed
// fonts by InstallFontSubstitutions. When neither they nor a fallback have
// Japanese glyphs every Japanese text shows as empty boxes, so the program
// tells the user how to install them; the command in the message is plain
// ASCII and stays readable even then.
//
// The check asks which font Qt actually draws each face with and whether that
// font has the glyphs, not whether a family name is listed: fontconfig lists
// the IPA fonts under their Japanese names ("IPAゴシック") on a Japanese
// desktop and under their English names elsewhere.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "gui/fonts.h"

class QWidget;

namespace mireto {

// A layout face as Qt resolves it on this machine.
struct ResolvedFace {
  FontFace face;
  QString family;            // the family Qt draws the face with
  bool hasJapanese = false;  // whether that font has the glyphs of the windows' texts
};

// Both layout faces as Qt resolves them now. Call after InstallFontSubstitutions.
std::vector<ResolvedFace> ResolveLayoutFaces();

// The faces drawn without Japanese glyphs, each named with the fonts it
// maps to ("ＭＳ Ｐゴシック（IPAPGothic / Noto Sans CJK JP）").
QStringList MissingJapaneseFaces(const std::vector<ResolvedFace>& faces);

// The message for the faces MissingJapaneseFaces reported.
QString MissingFontsMessage(const QStringList& missingFaces);

// Resolves the faces; when one has no Japanese glyphs, shows the message in a
// warning box titled ミレト. Returns true when both have them.
bool CheckJapaneseFonts(QWidget* parent = nullptr);

}  // namespace mireto
