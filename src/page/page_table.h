// A ruled table on a page: columns of given widths, rows of given heights,
// one text per cell, header rows shaded. Cells can be bold, framed with a
// heavy line (a mark that survives black-and-white printing) or shaded.
#pragma once

#include <string>
#include <vector>

#include "page/page.h"

namespace mireto::page {

struct TableCell {
  std::string text;  // may hold several lines separated by '\n'
  bool bold = false;
  bool framed = false;  // a heavy frame around the cell
  bool shaded = false;  // a light grey background
  HAlign align = HAlign::Centre;
  double points = 0;  // the text's size; 0 takes the table's
};

struct TableRow {
  double height = 6;  // mm
  std::vector<TableCell> cells;
};

struct RuledTable {
  Point origin;                      // top left corner of the table
  std::vector<double> columnWidths;  // mm
  std::vector<TableRow> rows;
  std::size_t headerRows = 1;  // shaded, bold
  FontRole role = FontRole::Gothic;
  double points = 9;
  double rule = 0.2;   // grid lines, mm
  double frame = 0.6;  // heavy frames of framed cells, mm
  Colour shade = Grey(0.9);
  double padding = 0.8;  // mm between a cell's edge and its text
};

// The size of the table (the sum of the widths and of the heights).
Size TableSize(const RuledTable& table);

// The box of the cell at row r, column c.
Box CellBox(const RuledTable& table, std::size_t r, std::size_t c);

// Adds the table to the page: shading, texts, the grid, then the heavy
// frames on top. Returns the table's box.
Box AddTable(Page& page, const RuledTable& table);

}  // namespace mireto::page
