// The two Japanese faces the windows are designed for, and their sizes.
//
// The layout names "ＭＳ ゴシック" (fixed pitch: a half-width character is half a
// kanji) and "ＭＳ Ｐゴシック" (proportional). Debian has neither, and fontconfig
// has no alias for them, so the program maps the names itself: the fixed face
// to IPAGothic, then Noto Sans Mono CJK JP; the proportional face to
// IPAPGothic, then Noto Sans CJK JP.
//
// Sizes are the layout's point sizes at 96 dots per inch, given to Qt as pixel
// sizes so that text keeps its proportion to the twips geometry on any screen:
// 9 pt = 12 px, 9.75 pt = 13 px, 11.25 pt = 15 px, 12 pt = 16 px.
#pragma once

#include <QFont>
#include <QString>

namespace mireto {

inline const QString kGothicFamily = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothicFamily = QStringLiteral("ＭＳ Ｐゴシック");

// Registers the substitutions for the Japanese and Latin spellings of both
// names. Call once at start-up, before any window is built.
void InstallFontSubstitutions();

// The fonts the layout uses, each with the role it plays.
enum class FontRole {
  Default,         // ＭＳ ゴシック 9.75 pt: the main window's default
  Gothic9,         // ＭＳ ゴシック 9 pt: buttons and lists of the input rows
  Gothic11,        // ＭＳ ゴシック 11.25 pt: the 月 日 時 分 captions, hidden stems
  Gothic11Bold,    // ＭＳ ゴシック 11.25 pt bold: the 大 運 captions
  Gothic12,        // ＭＳ ゴシック 12 pt: the luck-pillar ages
  PGothic11,       // ＭＳ Ｐゴシック 11.25 pt: the year dialog's label
  PGothic12,       // ＭＳ Ｐゴシック 12 pt: the luck pillars, the splash label
  PGothic12Bold,   // ＭＳ Ｐゴシック 12 pt bold: the four pillars
};

// Pixel size at 96 dpi of a size in points (9.75 -> 13).
constexpr int PointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

QFont FontFor(FontRole role);

}  // namespace mireto
