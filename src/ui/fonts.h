// The fonts of the main window, the year dialog and the splash, by the role
// each plays; made by the one layout-font helper of the GUI base.
#pragma once

#include <QFont>

#include "gui/fonts.h"

namespace mireto {

enum class FontRole {
  Default,        // ＭＳ ゴシック 9.75 pt: the main window's default
  Gothic9,        // ＭＳ ゴシック 9 pt: buttons and lists of the input rows
  Gothic11,       // ＭＳ ゴシック 11.25 pt: the 月 日 時 分 captions, hidden stems
  Gothic11Bold,   // ＭＳ ゴシック 11.25 pt bold: the 大 運 captions
  Gothic12,       // ＭＳ ゴシック 12 pt: the luck-pillar ages
  PGothic11,      // ＭＳ Ｐゴシック 11.25 pt: the year dialog's label
  PGothic12,      // ＭＳ Ｐゴシック 12 pt: the luck pillars, the splash label
  PGothic12Bold,  // ＭＳ Ｐゴシック 12 pt bold: the four pillars
};

QFont FontFor(FontRole role);

}  // namespace mireto
