// How the roster window compares texts as Japanese users search and sort.
#pragma once

#include <QString>

namespace mireto {

// A text as the search compares it: NFKC (full-width letters and digits as
// ASCII, half-width katakana as full-width), case folded, katakana as
// hiragana, the common variant kanji as their usual form (髙→高, 﨑→崎,
// 邊・邉→辺, 齋・斉→斎 and a few more) and without any kind of space.
// The search finds an entry when the folded query is part of a folded field:
// かとう finds カトウ and ｶﾄｳ, 高橋 finds 髙橋.
QString FoldForSearch(const QString& text);

// The text an entry is sorted by in name order: its reading (ふりがな) as
// hiragana where one is given, else its name; compared with the Japanese
// collation, which puts kana in 五十音 order.
QString NameSortText(const QString& name, const QString& reading);

}  // namespace mireto
