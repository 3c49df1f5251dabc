#include "ui/fonts.h"

#include <array>

namespace mireto {

namespace {

struct FontRow {
  FontRole role;
  FontFace face;
  double points;
  bool bold;
};

constexpr auto kFontRows = std::to_array<FontRow>({
    {FontRole::Default, FontFace::Gothic, 9.75, false},
    {FontRole::Gothic9, FontFace::Gothic, 9.0, false},
    {FontRole::Gothic11, FontFace::Gothic, 11.25, false},
    {FontRole::Gothic11Bold, FontFace::Gothic, 11.25, true},
    {FontRole::Gothic12, FontFace::Gothic, 12.0, false},
    {FontRole::PGothic11, FontFace::PGothic, 11.25, false},
    {FontRole::PGothic12, FontFace::PGothic, 12.0, false},
    {FontRole::PGothic12Bold, FontFace::PGothic, 12.0, true},
});

}  // namespace

QFont FontFor(FontRole role) {
  for (const FontRow& row : kFontRows) {
    if (row.role == role) return LayoutFont(row.face, row.points, row.bold);
  }
  return LayoutFont(FontFace::Gothic, 9.75);
}

}  // namespace mireto
