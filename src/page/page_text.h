// Widths and line breaks of text in the fixed-pitch face (FontRole::Gothic),
// where they are exact: a full-width character is one em (the font size)
// wide, an ASCII or half-width katakana character half an em. For the
// proportional face the same figures are an upper bound.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mireto::page {

// Width in half-em columns: ASCII and half-width katakana one, every other
// character two (UTF-8).
std::size_t TextColumns(std::string_view text);

// Width in millimetres of text at a size in points.
double TextWidth(std::string_view text, double points);

// The text broken into lines no wider than width (mm) at points. Line breaks
// in the text (CR LF, CR, LF, U+0085, U+2028, U+2029) end a line; an empty
// paragraph is an empty line, a break at the very end adds none. Japanese breaks between any two characters,
// except before closing brackets, 、。 and small kana, which stay on the line
// before; a run of Latin letters and digits breaks at a space where it can.
// A line never ends in spaces. A character wider than width takes a line of
// its own.
std::vector<std::string> WrapText(std::string_view text, double width, double points);

// The text on one line no wider than width: as it is when it fits, else cut
// and ended with "…".
std::string ElideText(std::string_view text, double width, double points);

}  // namespace mireto::page
