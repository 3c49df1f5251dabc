#include "output/calendar_pages.h"

#include "chart/text_format.h"
#include "core/names.h"
#include "page/page_table.h"
#include "page/page_text.h"

namespace mireto {

namespace {

constexpr double kMargin = 15;  // mm on every side
constexpr double kTitlePoints = 16;
constexpr double kBodyPoints = 9;
constexpr int kDays = 7;

page::Text TextAt(std::vector<std::string> lines, page::Box box, double points, bool bold = false) {
  page::Text text;
  text.lines = std::move(lines);
  text.box = box;
  text.points = points;
  text.bold = bold;
  return text;
}

}  // namespace

page::Page CalendarMonthPage(const CalendarMonthView& view, const std::optional<CalendarDay>& today,
                             page::PaperSize paper) {
  const page::Size size = page::PaperDimensions(paper);
  const double width = size.width - 2 * kMargin;
  page::Page p;
  double y = kMargin;
  const std::string title = "万年暦　" + FormatInteger(view.year) + "年" + FormatInteger(view.month) + "月";
  p.items.push_back(TextAt({title}, {kMargin, y, width, 10}, kTitlePoints, true));
  p.items.push_back(TextAt({"年柱 " + PillarText(view.yearPillar) + "（" + FormatInteger(view.year) + "年の立春から）"},
                           {kMargin, y + 10, width, 6}, kBodyPoints + 1));
  y += 20;

  // The grid: a header of weekdays, then up to six weeks.
  page::RuledTable grid;
  grid.origin = {kMargin, y};
  grid.columnWidths.assign(kDays, width / kDays);
  grid.points = 11;
  page::TableRow head{7, {}};
  for (int w = 1; w <= kDays; ++w) head.cells.push_back({std::string(WeekdayNames[static_cast<std::size_t>(w)])});
  grid.rows.push_back(head);
  int offset = view.days.empty() ? 0 : view.days.front().weekday - 1;
  const int cells = offset + static_cast<int>(view.days.size());
  for (int week = 0; week * kDays < cells; ++week) {
    page::TableRow row{20, std::vector<page::TableCell>(kDays)};
    grid.rows.push_back(row);
  }
  for (const CalendarDay& day : view.days) {
    const int at = offset++;
    page::TableCell& cell =
        grid.rows[static_cast<std::size_t>(at / kDays) + 1].cells[static_cast<std::size_t>(at % kDays)];
    cell.text = FormatInteger(day.day) + "\n" + PillarText(day.pillar);
    cell.framed = today && today->year == day.year && today->month == day.month && today->day == day.day;
    cell.bold = cell.framed;
  }
  y = page::AddTable(p, grid).bottom() + 8;

  // The month's terms.
  page::RuledTable terms;
  terms.origin = {kMargin, y};
  terms.columnWidths = {width * 0.14, width * 0.3, width * 0.36, width * 0.2};
  terms.points = kBodyPoints;
  terms.rows.push_back({7,
                        {{"節気"},
                         {"暦（日本標準時）"},
                         {view.jisaDays ? "命式の切り替え（" + JisaText(*view.jisaDays) + "）" : "命式の切り替え"},
                         {"月柱"}}});
  for (const CalendarTerm& term : view.terms) {
    terms.rows.push_back({7,
                          {{std::string(term.almanac.name), term.almanac.sectional},
                           {TermMomentText(term.almanac.jst)},
                           {view.jisaDays ? TermMomentText(term.chartSwitch) : "－"},
                           {term.monthPillar ? PillarText(*term.monthPillar) : "（中気）"}}});
  }
  y = page::AddTable(p, terms).bottom() + 8;

  // The year's month pillars with the day each starts.
  p.items.push_back(TextAt({"月柱（節入りの日から）"}, {kMargin, y, width, 6}, kBodyPoints, true));
  y += 6;
  page::RuledTable months;
  months.origin = {kMargin, y};
  months.columnWidths.assign(6, width / 6);
  months.headerRows = 0;
  months.points = kBodyPoints;
  for (std::size_t first = 0; first < view.sectional.size(); first += 6) {
    page::TableRow row{11, {}};
    for (std::size_t i = first; i < first + 6 && i < view.sectional.size(); ++i) {
      const CalendarTerm& term = view.sectional[i];
      const ClockTime& start = view.jisaDays ? term.chartSwitch : term.almanac.jst;
      row.cells.push_back({PillarText(*term.monthPillar) + "\n" + std::string(term.almanac.name) + " " +
                           FormatInteger(start.month) + "月" + FormatInteger(start.day) + "日"});
    }
    row.cells.resize(6);
    months.rows.push_back(row);
  }
  y = page::AddTable(p, months).bottom() + 8;

  const std::string note(kTwoClocksExplanation);
  std::vector<std::string> lines = page::WrapText(note, width, kBodyPoints);
  const double height = static_cast<double>(lines.size() + 1) * kBodyPoints * page::kMillimetresPerPoint * 1.4;
  p.items.push_back(TextAt(std::move(lines), {kMargin, y, width, height}, kBodyPoints));
  return p;
}

page::Document CalendarYearDocument(const std::vector<CalendarMonthView>& months,
                                    const std::optional<CalendarDay>& today, page::PaperSize paper) {
  page::Document document;
  document.paper = paper;
  if (!months.empty()) document.title = "万年暦 " + FormatInteger(months.front().year) + "年";
  for (const CalendarMonthView& view : months) document.pages.push_back(CalendarMonthPage(view, today, paper));
  return document;
}

}  // namespace mireto
