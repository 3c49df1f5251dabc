// The 相性 sheet as one printed page (page/page.h): both people's names and
// births, their pillar tables side by side, then the relations, the ten
// gods and 空亡 in words. The lists shrink, and the relations go into two
// columns, until everything fits the one page.
#pragma once

#include "output/compat_text.h"
#include "page/page.h"

namespace mireto {

page::Document CompatDocument(const CompatSheet& sheet, page::PaperSize paper = page::PaperSize::A4);

}  // namespace mireto
