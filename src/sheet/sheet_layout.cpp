// The layout of 命式表 on A4 or Letter: fixed sections from the top, the note
// in the room left above the footer and on further pages when it is long.
#include <algorithm>
#include <array>

#include "chart/text_format.h"
#include "output/details_text.h"
#include "output/five_element_picture.h"
#include "output/pillar_rows.h"
#include "output/relation_text.h"
#include "page/page_table.h"
#include "page/page_text.h"
#include "sheet/client_sheet.h"

namespace mireto {

namespace {

using page::Box;
using page::HAlign;
using page::VAlign;

// Millimetres.
constexpr double kContentWidth = 182;
constexpr double kTop = 11;
constexpr double kFooterRise = 12;  // from the paper's bottom edge to the footer's rule
constexpr double kSectionGap = 3.5;
constexpr double kLabelWidth = 21;
constexpr double kColumnGap = 6;

// Points.
constexpr double kTitlePoints = 18;
constexpr double kNamePoints = 15;
constexpr double kSectionPoints = 10;
constexpr double kBodyPoints = 8.5;
constexpr double kSmallPoints = 7.5;

// The chart table's rows, mm: 天干 and 地支 large, as the main window shows them.
constexpr double kCharacterRowHeight = 8.5;
constexpr double kReadingRowHeight = 6.2;
constexpr double kCharacterPoints = 15;

std::string S(std::string_view text) { return std::string(text); }

std::string DateText(const LocalDateTime& t) {
  return FormatInteger(t.year) + "年" + FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日";
}

// A clock time to the minute or the second: 1990年5月6日3時35分.
std::string ClockText(const ClockTime& t, bool seconds) {
  std::string text = FormatInteger(t.year) + "年" + FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日" +
                     FormatInteger(t.hour) + "時" + FormatInteger(t.minute) + "分";
  if (seconds) text += FormatInteger(t.second) + "秒";
  return text;
}

page::Text TextIn(std::vector<std::string> lines, Box box, double points, bool bold = false,
                  HAlign align = HAlign::Left, VAlign valign = VAlign::Top) {
  page::Text text;
  text.lines = std::move(lines);
  text.box = box;
  text.points = points;
  text.bold = bold;
  text.align = align;
  text.valign = valign;
  return text;
}

double LineHeight(double points) { return points * page::kMillimetresPerPoint * 1.4; }

// Where the next section goes, and the page's frame.
struct Frame {
  page::Page* page;
  double left;
  double width;
  double y;
  double bottom;  // the last y the content may reach
};

// A section title in bold with an optional remark beside it.
void AddSectionTitle(Frame& f, std::string_view title, const std::string& remark = {}) {
  const double h = LineHeight(kSectionPoints);
  f.page->items.push_back(TextIn({S(title)}, {f.left, f.y, f.width, h}, kSectionPoints, true));
  if (!remark.empty()) {
    const double x = f.left + page::TextWidth(title, kSectionPoints) + 4;
    f.page->items.push_back(
        TextIn({remark}, {x, f.y, f.left + f.width - x, h}, kBodyPoints, false, HAlign::Left, VAlign::Middle));
  }
  f.y += h + 0.6;
}

// Label and value rows: the label in bold, the value wrapped beside it.
struct Row {
  std::string label;
  std::string value;
};

double AddRows(page::Page& page, double x, double y, double width, const std::vector<Row>& rows) {
  const double h = LineHeight(kBodyPoints);
  for (const Row& row : rows) {
    const std::vector<std::string> lines = page::WrapText(row.value, width - kLabelWidth, kBodyPoints);
    page.items.push_back(TextIn({row.label}, {x, y, kLabelWidth, h}, kBodyPoints, true));
    page.items.push_back(
        TextIn(lines, {x + kLabelWidth, y, width - kLabelWidth, h * static_cast<double>(lines.size())}, kBodyPoints));
    y += h * static_cast<double>(std::max<std::size_t>(1, lines.size()));
  }
  return y;
}

void AddHeading(Frame& f, const SheetData& s, bool continued) {
  const std::string title = continued ? "命式表（続き）" : "命式表";
  const double h = 9;
  const double titleWidth = page::TextWidth(title, kTitlePoints);
  f.page->items.push_back(
      TextIn({title}, {f.left, f.y, titleWidth + 1, h}, kTitlePoints, true, HAlign::Left, VAlign::Bottom));
  const std::string printed = "作成日　" + DateText(s.today);
  const double printedWidth = page::TextWidth(printed, kBodyPoints);
  f.page->items.push_back(
      TextIn({printed}, {f.left, f.y, f.width, h}, kBodyPoints, false, HAlign::Right, VAlign::Bottom));
  if (!s.person.name.empty()) {
    const double x = f.left + titleWidth + 6;
    const double room = f.width - titleWidth - 6 - printedWidth - 6;
    std::string name = page::ElideText(s.person.name, room, kNamePoints);
    f.page->items.push_back(TextIn({name}, {x, f.y, room, h}, kNamePoints, true, HAlign::Left, VAlign::Bottom));
    const double nameWidth = page::TextWidth(name, kNamePoints);
    if (!s.person.reading.empty() && room - nameWidth > 20) {
      f.page->items.push_back(TextIn(
          {page::ElideText("（" + s.person.reading + "）", room - nameWidth - 2, kBodyPoints)},
          {x + nameWidth + 2, f.y, room - nameWidth - 2, h - 0.6}, kBodyPoints, false, HAlign::Left, VAlign::Bottom));
    }
  }
  f.y += h + 1.2;
  f.page->items.push_back(page::Line{{f.left, f.y}, {f.left + f.width, f.y}, {0.5}});
  f.y += 2.5;
}

void AddBirthData(Frame& f, const SheetData& s) {
  const ChartDisplay& d = s.chart.display;
  const double half = (f.width - kColumnGap) / 2;
  std::vector<Row> left = {
      {"生年月日時", s.birthday + "（入力どおり）"},
      {"性別", S(s.birth.sex == "M" ? "男" : "女")},
      {"満年齢", (d.age == "-" ? std::string("－") : d.age + "歳") + "（" + DateText(s.today) + "現在）"},
  };
  if (!s.person.birthplace.empty()) left.push_back({"出生地", s.person.birthplace});
  BirthInput input;
  input.jisaMinutesText = s.birth.jisaMinutes;
  input.jisaSecondsText = s.birth.jisaSeconds;
  std::vector<Row> right = {{"時差", TimeDifferenceText(input) + (s.mapPlace.empty() ? "" : "（地図で決定）")}};
  if (!s.mapPlace.empty()) right.push_back({"地図の地点", s.mapPlace});
  right.push_back({"真太陽時", d.trueSolarTime});
  right.push_back({"均時差", d.equationOfTime});
  if (s.decision.kind != ClockKind::Standard) right.push_back({"夏時刻", SummerTimeDecisionText(s.decision)});
  const double y = std::max(AddRows(*f.page, f.left, f.y, half, left),
                            AddRows(*f.page, f.left + half + kColumnGap, f.y, half, right));
  f.y = y;
  if (!s.notices.empty()) {
    std::vector<Row> notices;
    for (const Notice& n : s.notices) notices.push_back({notices.empty() ? "お知らせ" : "", n.message});
    f.y = AddRows(*f.page, f.left, f.y, f.width, notices);
  }
  f.y += kSectionGap - 1.5;
}

void AddTerms(Frame& f, const SheetData& s) {
  page::RuledTable t;
  t.origin = {f.left, f.y};
  t.columnWidths = {18, 14, 46, 56, f.width - 18 - 14 - 46 - 56};
  t.points = kSmallPoints;
  t.rows.push_back(
      {5, {{"節入り"}, {"節気"}, {"暦の時刻（日本標準時）"}, {"この出生地で月柱が替わる時刻"}, {"出生との間"}}});
  const std::array<std::string_view, 2> sides = {"前の節入り", "次の節入り"};
  for (std::size_t i = 0; i < s.terms.size(); ++i) {
    const SheetTerm& term = s.terms[i];
    std::string switchTime = ClockText(term.switchTime, true);
    if (term.summerClock) switchTime += "（夏時刻）";
    t.rows.push_back({5,
                      {{S(sides[i]), true},
                       {term.name, true},
                       {ClockText(term.almanac, false)},
                       {switchTime},
                       {"出生の" + DurationText(term.minutes) + (term.minutes > 0 ? "前" : "後")}}});
  }
  f.y = page::AddTable(*f.page, t).bottom() + kSectionGap;
}

std::string_view VoidMarkOf(std::optional<bool> isVoid) {
  if (!isVoid) return kUnknownMark;
  return *isVoid ? kVoidMark : std::string_view();
}

void AddChart(Frame& f, const SheetData& s) {
  const ChartDetails& d = s.details;
  AddSectionTitle(f, "命式", "空亡（天中殺）：" + S(d.voidBranches.names));
  const double top = f.y;
  page::RuledTable t;
  t.origin = {f.left, top};
  t.columnWidths = {21, 15.5, 15.5, 15.5, 15.5};
  t.points = kBodyPoints;
  t.headerRows = 1;
  page::TableRow head{6, {{""}}};
  for (std::string_view title : kPillarTableTitles) head.cells.push_back({S(title)});
  t.rows.push_back(head);
  for (const PillarRow& row : kPillarTableRows) {
    const bool large = IsCharacterRow(row);
    page::TableRow r{large ? kCharacterRowHeight : kReadingRowHeight, {{S(row.label), true, false, true}}};
    for (const Pillar p : kPillarTableOrder) {
      const PillarDetails& pillar = d.pillars[p];
      // A branch in 空亡 is shaded as well as named in the row below.
      const bool shaded = row.item == &PillarDetails::branch && pillar.isVoid.value_or(false);
      page::TableCell cell{S(pillar.*row.item), large, false, shaded};
      if (large) cell.points = kCharacterPoints;
      r.cells.push_back(cell);
    }
    t.rows.push_back(r);
  }
  page::TableRow voids{6, {{"空亡", true, false, true}}};
  for (const Pillar p : kPillarTableOrder) voids.cells.push_back({S(VoidMarkOf(d.pillars[p].isVoid)), true});
  t.rows.push_back(voids);
  const Box table = page::AddTable(*f.page, t);
  // The five-element picture and the relations beside the table.
  const double pictureX = table.right() + 3;
  const double pictureWidth = 42;
  AddFiveElementPicture(*f.page, {pictureX, top, pictureWidth, pictureWidth * kFiveElementAspect}, d.balance);
  const double textX = pictureX + pictureWidth + 3;
  const double textWidth = f.left + f.width - textX;
  double y = top;
  f.page->items.push_back(TextIn({"五行"}, {textX, y, textWidth, LineHeight(kBodyPoints)}, kBodyPoints, true));
  y += LineHeight(kBodyPoints);
  const std::vector<std::string> balance = {ElementCountsText(d.balance.visible),
                                            "蔵干を含む　" + ElementCountsText(d.balance.withHidden),
                                            YinYangText(d.balance) + "　日主　" + S(ElementName(d.balance.dayMaster))};
  for (const std::string& line : balance) {
    const auto lines = page::WrapText(line, textWidth, kSmallPoints);
    f.page->items.push_back(
        TextIn(lines, {textX, y, textWidth, LineHeight(kSmallPoints) * lines.size()}, kSmallPoints));
    y += LineHeight(kSmallPoints) * static_cast<double>(lines.size());
  }
  y += 2;
  f.page->items.push_back(
      TextIn({"命式の合冲刑害"}, {textX, y, textWidth, LineHeight(kBodyPoints)}, kBodyPoints, true));
  y += LineHeight(kBodyPoints);
  std::vector<std::string> relations;
  for (const Relation& r : d.relations) {
    for (std::string& line : page::WrapText(NatalRelationText(d, r), textWidth, kSmallPoints))
      relations.push_back(line);
  }
  if (relations.empty()) relations.push_back("なし");
  // As many as there is room for beside the table.
  const double room = table.bottom() - y;
  const auto fit = static_cast<std::size_t>(std::max(0.0, room / LineHeight(kSmallPoints)));
  if (relations.size() > fit && fit > 0) {
    relations.resize(fit);
    relations.back() = "ほか（命式詳細をご覧ください）";
  }
  f.page->items.push_back(
      TextIn(relations, {textX, y, textWidth, LineHeight(kSmallPoints) * relations.size()}, kSmallPoints));
  f.y = std::max(table.bottom(), top + pictureWidth * kFiveElementAspect) + kSectionGap;
}

void AddLuck(Frame& f, const SheetData& s) {
  const ChartDetails& d = s.details;
  const ChartDisplay& display = s.chart.display;
  AddSectionTitle(f, "大運", "立運　" + display.luckStartAge + "　交替年月　" + display.luckChange);
  f.y += 3;  // room for the mark above the present column
  page::RuledTable t;
  t.origin = {f.left, f.y};
  const std::size_t columns = d.luck.size();
  const double label = 16;
  t.columnWidths.assign(columns + 1, (f.width - label) / static_cast<double>(columns));
  t.columnWidths[0] = label;
  t.points = kSmallPoints;
  t.headerRows = 0;
  const std::array<std::string_view, 5> labels = {"年齢", "干支", "通変星", "十二運", "空亡"};
  const std::array<double, 5> heights = {5, 7, 5, 5, 5};
  for (std::size_t r = 0; r < labels.size(); ++r) {
    page::TableRow row{heights[r], {{S(labels[r]), true, false, true}}};
    row.cells.resize(columns + 1);
    for (std::size_t i = 0; i < columns; ++i) {
      const LuckColumnDetails& c = d.luck[i];
      const bool current = d.currentLuckColumn == static_cast<int>(i);
      page::TableCell cell;
      cell.bold = current;
      switch (r) {
        case 0:
          cell.text = c.firstAge >= c.lastAge ? FormatInteger(c.firstAge) + "歳"
                                              : FormatInteger(c.firstAge) + "～" + FormatInteger(c.lastAge) + "歳";
          break;
        case 1:
          cell.text = S(c.stem) + S(c.branch);
          cell.shaded = c.isVoid;
          cell.points = 11;
          break;
        case 2: cell.text = S(c.tenGod); break;
        case 3: cell.text = S(c.stage); break;
        default: cell.text = c.isVoid ? S(kVoidMark) : std::string(); break;
      }
      // Column 0 on the right, as in the main window's strip.
      row.cells[columns - i] = cell;
    }
    t.rows.push_back(row);
  }
  const Box table = page::AddTable(*f.page, t);
  if (d.currentLuckColumn) {
    // The present period: bold, framed heavily and named above, so that it
    // shows in black and white.
    const std::size_t c = columns - static_cast<std::size_t>(*d.currentLuckColumn);
    const Box first = page::CellBox(t, 0, c);
    f.page->items.push_back(page::Rectangle{{first.x, table.y, first.width, table.height}, {0.8}});
    f.page->items.push_back(
        TextIn({"現在"}, {first.x, table.y - 3.3, first.width, 3.2}, 6.5, true, HAlign::Centre, VAlign::Bottom));
  }
  f.y = table.bottom() + kSectionGap;
}

void AddAnnual(Frame& f, const SheetData& s) {
  const ChartDetails& d = s.details;
  AddSectionTitle(f, "年運", FormatInteger(s.today.year) + "年から" + FormatInteger(kSheetAnnualYears) + "年");
  page::RuledTable t;
  t.origin = {f.left, f.y};
  t.columnWidths = {14, 14, 14, 16, 14, 12};
  t.columnWidths.push_back(f.width - 84);
  t.points = kSmallPoints;
  t.rows.push_back({5, {{"年"}, {"満年齢"}, {"干支"}, {"通変星"}, {"十二運"}, {"空亡"}, {"命式との合冲刑害"}}});
  std::optional<std::size_t> presentRow;
  for (const AnnualPillar& a : d.annual) {
    const bool present = d.currentYear == a.year;
    if (present) presentRow = t.rows.size();
    std::string relations;
    for (const std::string& r : OuterRelationTexts(a.relations)) relations += (relations.empty() ? "" : "、") + r;
    if (relations.empty()) relations = "－";
    // A long list takes more lines rather than being cut.
    const auto lines = page::WrapText(relations, t.columnWidths.back() - 2 * t.padding, kSmallPoints);
    relations.clear();
    for (const std::string& line : lines) relations += (relations.empty() ? "" : "\n") + line;
    const double height = 4.6 + 3.4 * static_cast<double>(lines.size() - 1);
    t.rows.push_back({height,
                      {{FormatInteger(a.year), present},
                       {a.age ? FormatInteger(*a.age) + "歳" : "－", present},
                       {S(a.stem) + S(a.branch), present, false, a.isVoid},
                       {S(a.tenGod), present},
                       {S(a.stage), present},
                       {a.isVoid ? S(kVoidMark) : "", present},
                       {relations, present, false, false, HAlign::Left}}});
  }
  const Box table = page::AddTable(*f.page, t);
  if (presentRow) {
    const Box first = page::CellBox(t, *presentRow, 0);
    f.page->items.push_back(page::Rectangle{{table.x, first.y, table.width, first.height}, {0.8}});
  }
  f.y = table.bottom() + kSectionGap;
}

void AddFooter(page::Page& p, const SheetData& s, double left, double width, double paperHeight, std::size_t number,
               std::size_t count) {
  const double y = paperHeight - kFooterRise;
  p.items.push_back(page::Line{{left, y}, {left + width, y}, {0.2}});
  const Box box{left, y + 1, width, LineHeight(kSmallPoints)};
  p.items.push_back(TextIn({"ミレト " + s.version}, box, kSmallPoints));
  std::string who = s.person.name.empty() ? s.birthday : s.person.name + "　" + s.birthday;
  p.items.push_back(TextIn({page::ElideText(who, width - 60, kSmallPoints)}, box, kSmallPoints, false, HAlign::Centre));
  p.items.push_back(
      TextIn({FormatInteger(static_cast<long long>(number)) + "／" + FormatInteger(static_cast<long long>(count))}, box,
             kSmallPoints, false, HAlign::Right));
}

}  // namespace

std::vector<page::Page> SheetPages(const SheetData& s, page::PaperSize paper) {
  const page::Size size = page::PaperDimensions(paper);
  const double left = (size.width - kContentWidth) / 2;
  const double bottom = size.height - kFooterRise - 2;
  std::vector<page::Page> pages(1);
  Frame f{pages.data(), left, kContentWidth, kTop, bottom};
  AddHeading(f, s, false);
  AddBirthData(f, s);
  AddTerms(f, s);
  AddChart(f, s);
  AddLuck(f, s);
  AddAnnual(f, s);

  // The note: as many lines as there is room for, the rest on further pages.
  std::vector<std::string> note = page::WrapText(s.person.note, kContentWidth, kBodyPoints);
  const double h = LineHeight(kBodyPoints);
  std::size_t next = 0;
  bool first = true;
  while (next < note.size()) {
    if (!first) {
      pages.emplace_back();
      f = Frame{&pages.back(), left, kContentWidth, kTop, bottom};
      AddHeading(f, s, true);
    }
    AddSectionTitle(f, first ? "備考" : "備考（続き）");
    const auto fit = static_cast<std::size_t>(std::max(0.0, (f.bottom - f.y) / h));
    const std::size_t count = std::min(fit, note.size() - next);
    if (count > 0) {
      std::vector<std::string> lines(note.begin() + static_cast<std::ptrdiff_t>(next),
                                     note.begin() + static_cast<std::ptrdiff_t>(next + count));
      f.page->items.push_back(
          TextIn(std::move(lines), {f.left, f.y, f.width, h * static_cast<double>(count)}, kBodyPoints));
    } else if (!first) {
      break;  // not one line fits on an empty page: nothing more can be done
    }
    next += count;
    first = false;
  }
  for (std::size_t i = 0; i < pages.size(); ++i)
    AddFooter(pages[i], s, left, kContentWidth, size.height, i + 1, pages.size());
  return pages;
}

page::Document SheetDocument(const std::vector<SheetData>& sheets, page::PaperSize paper) {
  page::Document document;
  document.paper = paper;
  document.title =
      sheets.size() == 1 && !sheets.front().person.name.empty() ? sheets.front().person.name + "　命式表" : "命式表";
  for (const SheetData& s : sheets) {
    std::vector<page::Page> pages = SheetPages(s, paper);
    document.pages.insert(document.pages.end(), pages.begin(), pages.end());
  }
  return document;
}

}  // namespace mireto
