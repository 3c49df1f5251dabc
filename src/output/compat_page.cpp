#include "output/compat_page.h"

#include <algorithm>
#include <array>

#include "output/details_text.h"
#include "output/pillar_rows.h"
#include "page/page_table.h"
#include "page/page_text.h"

namespace mireto {

namespace {

using page::Box;
using page::Text;

constexpr double kMargin = 15;  // mm on every side
constexpr double kTitlePoints = 16;
constexpr double kTablePoints = 9;
constexpr double kLabelWidth = 20;   // 蔵干通変星 at 9 pt and the padding
constexpr double kPillarWidth = 16;  // a 納音 at 9 pt and the padding
constexpr double kTableGap = 12;
constexpr double kRowHeight = 6;
constexpr double kSectionGap = 4;
constexpr double kLargestListPoints = 10;
constexpr double kSmallestListPoints = 6;
constexpr double kColumnGap = 6;

constexpr std::array<const char*, 2> kLetters = {"A", "B"};

// Adds lines of text at the top left of box, wrapped to its width; returns their height.
double AddLines(page::Page& page, const std::vector<std::string>& lines, Box box, double points, bool bold = false) {
  Text text;
  for (const std::string& line : lines) {
    for (std::string& l : page::WrapText(line, box.width, points)) text.lines.push_back(std::move(l));
  }
  text.points = points;
  text.bold = bold;
  const double height = static_cast<double>(text.lines.size()) * text.lineHeight();
  text.box = {box.x, box.y, box.width, height};
  page.items.push_back(std::move(text));
  return height;
}

double LinesHeight(const std::vector<std::string>& lines, double width, double points) {
  std::size_t count = 0;
  for (const std::string& line : lines) count += page::WrapText(line, width, points).size();
  return static_cast<double>(count) * points * page::kMillimetresPerPoint * 1.4;
}

page::RuledTable PillarTable(const ChartDetails& details, page::Point origin) {
  page::RuledTable table;
  table.origin = origin;
  table.columnWidths = {kLabelWidth, kPillarWidth, kPillarWidth, kPillarWidth, kPillarWidth};
  table.points = kTablePoints;
  page::TableRow header{kRowHeight, {{""}}};
  for (const std::string_view t : kPillarTableTitles) header.cells.push_back({std::string(t)});
  table.rows.push_back(header);
  for (const PillarRow& r : kPillarTableRows) {
    page::TableRow row{kRowHeight, {{std::string(r.label), false, false, false, page::HAlign::Left}}};
    for (const Pillar p : kPillarTableOrder) {
      const PillarDetails& pillar = details.pillars[p];
      // A branch in 空亡 shaded and framed, so that it shows in black and white.
      const bool marked = r.item == &PillarDetails::branch && pillar.isVoid.value_or(false);
      row.cells.push_back({std::string(pillar.*r.item), IsCharacterRow(r), marked, marked});
    }
    table.rows.push_back(row);
  }
  page::TableRow voids{kRowHeight, {{"空亡", false, false, false, page::HAlign::Left}}};
  for (const Pillar p : kPillarTableOrder) {
    const auto& v = details.pillars[p].isVoid;
    voids.cells.push_back({std::string(!v ? kUnknownMark : *v ? kVoidMark : kNotVoidMark)});
  }
  table.rows.push_back(voids);
  return table;
}

}  // namespace

page::Document CompatDocument(const CompatSheet& sheet, page::PaperSize paper) {
  const page::Size size = page::PaperDimensions(paper);
  const double width = size.width - 2 * kMargin;
  const double bottom = size.height - kMargin;
  page::Document document;
  document.paper = paper;
  document.title = "相性";
  page::Page& p = document.pages.emplace_back();
  double y = kMargin;
  y += AddLines(p, {"相性"}, {kMargin, y, width, 0}, kTitlePoints, true) + 2;

  std::vector<std::string> births;
  for (std::size_t i = 0; i < 2; ++i) {
    const CompatPerson& person = sheet.people[i];
    births.push_back(std::string(kLetters[i]) + "：" + (person.name.empty() ? "" : person.name + "　") + person.birth);
  }
  y += AddLines(p, births, {kMargin, y, width, 0}, kLargestListPoints) + kSectionGap;

  // The tables side by side, each under its person's label and 空亡.
  const auto labels = PersonLabels(sheet);
  const double tableWidth = kLabelWidth + 4 * kPillarWidth;
  double tablesBottom = y;
  for (std::size_t i = 0; i < 2; ++i) {
    const double x = kMargin + static_cast<double>(i) * (tableWidth + kTableGap);
    const std::string head = page::ElideText(std::string(kLetters[i]) + "　" + labels[i] + "　空亡 " +
                                                 std::string(sheet.people[i].details.voidBranches.names),
                                             tableWidth, kLargestListPoints);
    const double headHeight = AddLines(p, {head}, {x, y, tableWidth, 0}, kLargestListPoints, true);
    const Box table = page::AddTable(p, PillarTable(sheet.people[i].details, {x, y + headHeight + 1}));
    tablesBottom = std::max(tablesBottom, table.bottom());
  }
  y = tablesBottom + kSectionGap;

  // The lists at the largest size that fits the rest of the page, the
  // relations in two columns when one does not fit.
  const std::vector<std::string> relations = CompatRelationLines(sheet);
  const auto gods = TenGodLines(sheet);
  const auto voids = VoidHitLines(sheet);
  const std::vector<std::string> rest = {gods[0], gods[1], "", voids[0], voids[1]};
  const double columnWidth = (width - kColumnGap) / 2;
  // Over-estimated a little (a blank line and a gap to spare).
  const auto heightAt = [&](double points, int columns) {
    const double line = points * page::kMillimetresPerPoint * 1.4;
    double list = LinesHeight(relations, columns == 1 ? width : columnWidth, points);
    if (columns == 2) list = list / 2 + line;  // an uneven split costs a line at most
    return 3 * (line + kSectionGap) + list + LinesHeight(rest, width, points);
  };
  double points = kLargestListPoints;
  int columns = 1;
  // Beyond the smallest size (no real pair of charts comes near) the page
  // holds as much as it can.
  while (y + heightAt(points, columns) > bottom && !(columns == 2 && points <= kSmallestListPoints)) {
    if (columns == 1) {
      columns = 2;
    } else {
      points -= 0.5;
      columns = 1;
    }
  }
  y += AddLines(p, {"2人の柱の合冲刑害"}, {kMargin, y, width, 0}, points, true) + 1;
  if (columns == 1) {
    y += AddLines(p, relations, {kMargin, y, width, 0}, points);
  } else {
    const std::size_t half = (relations.size() + 1) / 2;
    const std::vector<std::string> left(relations.begin(), relations.begin() + static_cast<std::ptrdiff_t>(half));
    const std::vector<std::string> right(relations.begin() + static_cast<std::ptrdiff_t>(half), relations.end());
    const double h1 = AddLines(p, left, {kMargin, y, columnWidth, 0}, points);
    const double h2 = AddLines(p, right, {kMargin + columnWidth + kColumnGap, y, columnWidth, 0}, points);
    y += std::max(h1, h2);
  }
  y += kSectionGap;
  y += AddLines(p, {"日干の通変星"}, {kMargin, y, width, 0}, points, true) + 1;
  y += AddLines(p, {gods[0], gods[1]}, {kMargin, y, width, 0}, points) + kSectionGap;
  y += AddLines(p, {"空亡"}, {kMargin, y, width, 0}, points, true) + 1;
  AddLines(p, {voids[0], voids[1]}, {kMargin, y, width, 0}, points);
  return document;
}

}  // namespace mireto
