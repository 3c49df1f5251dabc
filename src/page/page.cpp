#include "page/page.h"

namespace mireto::page {

Size PaperDimensions(PaperSize paper) { return paper == PaperSize::Letter ? Size{215.9, 279.4} : Size{210, 297}; }

std::vector<std::string> TextLines(const Page& page) {
  std::vector<std::string> lines;
  for (const Item& item : page.items) {
    if (const Text* text = std::get_if<Text>(&item)) lines.insert(lines.end(), text->lines.begin(), text->lines.end());
  }
  return lines;
}

}  // namespace mireto::page
