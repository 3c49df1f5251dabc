#include "page/page_table.h"

#include <numeric>

namespace mireto::page {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

Size TableSize(const RuledTable& table) {
  double height = 0;
  for (const TableRow& row : table.rows) height += row.height;
  return {std::accumulate(table.columnWidths.begin(), table.columnWidths.end(), 0.0), height};
}

Box CellBox(const RuledTable& table, std::size_t r, std::size_t c) {
  double x = table.origin.x;
  for (std::size_t i = 0; i < c; ++i) x += table.columnWidths[i];
  double y = table.origin.y;
  for (std::size_t i = 0; i < r; ++i) y += table.rows[i].height;
  return {x, y, table.columnWidths[c], table.rows[r].height};
}

Box AddTable(Page& page, const RuledTable& table) {
  const Size size = TableSize(table);
  const Box whole{table.origin.x, table.origin.y, size.width, size.height};
  const std::size_t columns = table.columnWidths.size();
  std::vector<Box> frames;
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const bool header = r < table.headerRows;
    const TableRow& row = table.rows[r];
    for (std::size_t c = 0; c < columns && c < row.cells.size(); ++c) {
      const TableCell& cell = row.cells[c];
      const Box box = CellBox(table, r, c);
      if (header || cell.shaded) page.items.push_back(Rectangle{box, Stroke{0}, true, table.shade});
      if (!cell.text.empty()) {
        Text text;
        text.lines = SplitLines(cell.text);
        text.box = {box.x + table.padding, box.y, box.width - 2 * table.padding, box.height};
        text.role = table.role;
        text.points = cell.points > 0 ? cell.points : table.points;
        text.bold = header || cell.bold;
        text.align = cell.align;
        text.valign = VAlign::Middle;
        text.lineSpacing = 1.25;
        page.items.push_back(std::move(text));
      }
      if (cell.framed) frames.push_back(box);
    }
  }
  const Stroke grid{table.rule};
  double y = table.origin.y;
  for (const TableRow& row : table.rows) {
    page.items.push_back(Line{{whole.x, y}, {whole.right(), y}, grid});
    y += row.height;
  }
  page.items.push_back(Line{{whole.x, whole.bottom()}, {whole.right(), whole.bottom()}, grid});
  double x = table.origin.x;
  for (const double w : table.columnWidths) {
    page.items.push_back(Line{{x, whole.y}, {x, whole.bottom()}, grid});
    x += w;
  }
  page.items.push_back(Line{{whole.right(), whole.y}, {whole.right(), whole.bottom()}, grid});
  for (const Box& b : frames) page.items.push_back(Rectangle{b, Stroke{table.frame}});
  return whole;
}

}  // namespace mireto::page
