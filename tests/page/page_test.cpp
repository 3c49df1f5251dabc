// The page description's text layout and tables: widths in the fixed face,
// line breaks of Japanese and Latin text, and the cells of a table.
#include <gtest/gtest.h>

#include "page/page.h"
#include "page/page_table.h"
#include "page/page_text.h"

namespace mireto::page {
namespace {

// At 10 pt a full-width character is 10 pt = 3.528 mm wide.
constexpr double kEm = 10 * kMillimetresPerPoint;

TEST(PageText, WidthsInTheFixedFace) {
  EXPECT_EQ(TextColumns("命式表"), 6u);
  EXPECT_EQ(TextColumns("A4 ｱｲｳ"), 6u);  // half-width katakana is one column
  EXPECT_DOUBLE_EQ(TextWidth("命式", 10), 2 * kEm);
}

struct WrapCase {
  const char* name;
  const char* text;
  double ems;  // width of the box
  std::vector<std::string> lines;
};

TEST(PageText, Wrap) {
  const WrapCase cases[] = {
      {"fits", "四柱推命", 4, {"四柱推命"}},
      {"breaks anywhere", "一二三四五六七", 3, {"一二三", "四五六", "七"}},
      {"closing marks stay on the line before", "一二、三四", 2, {"一", "二、", "三四"}},
      {"small kana stay too", "あいっう", 2, {"あ", "いっ", "う"}},
      {"line breaks of every kind", "一\r\n二\r三\n\n四\u2028五", 5, {"一", "二", "三", "", "四", "五"}},
      {"a break at the end adds no line", "一二\n", 5, {"一二"}},
      {"nothing gives no line", "", 5, {}},
      {"Latin words break at spaces", "ab cd efgh", 2, {"ab", "cd", "efgh"}},
      {"a word wider than the box is cut", "abcdefgh", 2, {"abcd", "efgh"}},
      {"a character wider than the box gets its own line", "一二", 0.4, {"一", "二"}},
  };
  for (const WrapCase& c : cases) EXPECT_EQ(WrapText(c.text, c.ems * kEm, 10), c.lines) << c.name;
}

TEST(PageText, Elide) {
  EXPECT_EQ(ElideText("山田太郎", 4 * kEm, 10), "山田太郎");
  EXPECT_EQ(ElideText("山田太郎様", 4 * kEm, 10), "山田太…");
}

TEST(PageTable, CellsGridAndFrames) {
  RuledTable table;
  table.origin = {10, 20};
  table.columnWidths = {15, 20, 25};
  table.rows = {{5, {{"時柱"}, {"日柱"}, {"月柱"}}}, {7, {{"甲"}, {"乙\n丙", true, true}, {""}}}};
  table.rows[1].cells[0].points = 15;
  Page page;
  const Box box = AddTable(page, table);
  EXPECT_DOUBLE_EQ(box.width, 60);
  EXPECT_DOUBLE_EQ(box.height, 12);
  const Box cell = CellBox(table, 1, 1);
  EXPECT_DOUBLE_EQ(cell.x, 25);
  EXPECT_DOUBLE_EQ(cell.y, 25);
  EXPECT_EQ(TextLines(page), (std::vector<std::string>{"時柱", "日柱", "月柱", "甲", "乙", "丙"}));
  int lines = 0;
  int heavyFrames = 0;
  int bold = 0;
  for (const Item& item : page.items) {
    lines += std::holds_alternative<Line>(item);
    if (const auto* r = std::get_if<Rectangle>(&item); r && !r->filled) {
      ++heavyFrames;
      EXPECT_DOUBLE_EQ(r->box.x, cell.x);
      EXPECT_DOUBLE_EQ(r->stroke.width, table.frame);
    }
    if (const auto* t = std::get_if<Text>(&item)) {
      bold += t->bold;
      EXPECT_DOUBLE_EQ(t->points, t->lines.front() == "甲" ? 15 : table.points) << t->lines.front();
    }
  }
  EXPECT_EQ(lines, 3 + 4);  // three row rules, four column rules
  EXPECT_EQ(heavyFrames, 1);
  EXPECT_EQ(bold, 3 + 1);  // the header and the bold cell
}

}  // namespace
}  // namespace mireto::page
