// The two Japanese faces the windows are designed for, and their sizes.
//
// The layouts name "ＭＳ ゴシック" (fixed pitch: a half-width character is half a
// kanji) and "ＭＳ Ｐゴシック" (proportional). Debian has neither, and fontconfig
// has no alias for them, so the program maps the names itself: the fixed face
// to IPAGothic, then Noto Sans Mono CJK JP; the proportional face to
// IPAPGothic, then Noto Sans CJK JP.
//
// Sizes are the layouts' point sizes at 96 dots per inch, given to Qt as pixel
// sizes so that text keeps its proportion to the twips geometry on any screen:
// 9 pt = 12 px, 9.75 pt = 13 px, 11.25 pt = 15 px, 12 pt = 16 px.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace mireto {

inline const QString kGothicFamily = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothicFamily = QStringLiteral("ＭＳ Ｐゴシック");

enum class FontFace {
  Gothic,   // ＭＳ ゴシック, fixed pitch
  PGothic,  // ＭＳ Ｐゴシック, proportional
};

// The installed families each face maps to, in order of preference, spelled
// as their fonts name them in English.
const QStringList& SubstitutesFor(FontFace face);

// Registers the substitutions for the Japanese and Latin spellings of both
// names. Call once at start-up, before any window is built.
void InstallFontSubstitutions();

// Makes the layouts' faces available where the system lacks them: on
// Windows without ＭＳ ゴシック and ＭＳ Ｐゴシック, loads the IPA fonts installed
// with the program (fonts\ in programFolder), which the substitutions name
// next; on Linux fontconfig provides them and nothing is done
// (fonts_linux.cpp, fonts_windows.cpp).
void LoadShippedFonts(const QString& programFolder);

// Pixel size at 96 dpi of a size in points (9.75 -> 13).
constexpr int PointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

// The font of a layout: face, size in points, weight. Every window makes its
// fonts here.
QFont LayoutFont(FontFace face, double points, bool bold = false);

}  // namespace mireto
