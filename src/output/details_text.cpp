#include "output/details_text.h"

#include <array>
#include <vector>

#include "chart/text_format.h"
#include "core/names.h"
#include "output/pillar_rows.h"
#include "output/relation_text.h"
#include "page/page_text.h"

namespace mireto {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kCurrentMark = "\u3000（現在）";
constexpr std::string_view kThisYearMark = "\u3000（今年）";

// Widths in fixed-pitch columns.
constexpr std::size_t kLabelColumns = 12;  // 蔵干通変星 and one space
constexpr std::size_t kPillarColumns = 8;  // a 納音 and one space
constexpr std::size_t kAgeRangeColumns = 12;
constexpr std::size_t kCycleColumns = 6;    // 干支
constexpr std::size_t kReadingColumns = 8;  // 通変星 / 十二運
constexpr std::size_t kYearColumns = 6;
constexpr std::size_t kAgeColumns = 8;
constexpr std::size_t kBalanceLabelColumns = 20;  // 五行（蔵干を含む） and two spaces

constexpr std::string_view kNoRelation = "－";
constexpr std::string_view kRelationSeparator = "、";

// Appends text padded with spaces to the given number of columns.
void AppendPadded(std::string& line, std::string_view text, std::size_t columns) {
  line += text;
  std::size_t used = DisplayColumns(text);
  for (; used + 2 <= columns; used += 2) line += kIdeographicSpace;
  if (used < columns) line += ' ';
}

std::string RightAligned(std::string_view text, std::size_t columns) {
  const std::size_t used = DisplayColumns(text);
  std::string s(used < columns ? columns - used : 0, ' ');
  s += text;
  return s;
}

std::string_view VoidMark(std::optional<bool> isVoid) {
  if (!isVoid) return kUnknownMark;
  return *isVoid ? kVoidMark : kNotVoidMark;
}

DetailsBlock PillarTable(const ChartDetails& d) {
  DetailsBlock block;
  std::string head;
  AppendPadded(head, "命式詳細", kLabelColumns);
  head += "空亡／";
  head += d.voidBranches.names;
  block.head.push_back(head);
  std::string titles;
  AppendPadded(titles, "", kLabelColumns);
  for (std::string_view t : kPillarTableTitles) AppendPadded(titles, t, kPillarColumns);
  block.head.push_back(titles);
  for (const PillarRow& row : kPillarTableRows) {
    std::string line;
    AppendPadded(line, row.label, kLabelColumns);
    for (const Pillar p : kPillarTableOrder) AppendPadded(line, d.pillars[p].*row.item, kPillarColumns);
    block.rows.push_back(line);
  }
  std::string voids;
  AppendPadded(voids, "空亡", kLabelColumns);
  for (const Pillar p : kPillarTableOrder) AppendPadded(voids, VoidMark(d.pillars[p].isVoid), kPillarColumns);
  block.rows.push_back(voids);
  return block;
}

void AppendReadingHeader(std::string& line) {
  AppendPadded(line, "干支", kCycleColumns);
  AppendPadded(line, "通変星", kReadingColumns);
  AppendPadded(line, "十二運", kReadingColumns);
  line += "空亡";
}

// The readings of a luck column, a year, a month or a day.
void AppendReadings(std::string& line, const PeriodPillar& p) {
  std::string cycle(p.stem);
  cycle += p.branch;
  AppendPadded(line, cycle, kCycleColumns);
  AppendPadded(line, p.tenGod, kReadingColumns);
  AppendPadded(line, p.stage, kReadingColumns);
  line += VoidMark(p.isVoid);
}

DetailsBlock LuckTable(const ChartDetails& d) {
  DetailsBlock block;
  block.head.emplace_back("大運");
  std::string head;
  AppendPadded(head, "年齢", kAgeRangeColumns);
  AppendReadingHeader(head);
  block.head.push_back(head);
  for (std::size_t i = 0; i < d.luck.size(); ++i) {
    const LuckColumnDetails& c = d.luck[i];
    std::string line;
    AppendPadded(line, AgeRangeText(c), kAgeRangeColumns);
    AppendReadings(line, c);
    if (d.currentLuckColumn == static_cast<int>(i)) line += kCurrentMark;
    block.rows.push_back(line);
  }
  return block;
}

DetailsBlock AnnualTable(const ChartDetails& d) {
  DetailsBlock block;
  block.head.emplace_back("年運");
  std::string head;
  AppendPadded(head, "年", kYearColumns);
  AppendPadded(head, "満年齢", kAgeColumns);
  AppendReadingHeader(head);
  block.head.push_back(head);
  for (const AnnualPillar& a : d.annual) {
    std::string line;
    AppendPadded(line, FormatInteger(a.year), kYearColumns);
    AppendPadded(line, a.age ? RightAligned(FormatInteger(*a.age), 3) + "歳" : RightAligned("－", 5), kAgeColumns);
    AppendReadings(line, a);
    if (d.currentYear == a.year) line += kThisYearMark;
    block.rows.push_back(line);
  }
  return block;
}

DetailsBlock Balance(const FiveElementBalance& b) {
  DetailsBlock block;
  const std::pair<std::string_view, std::string> rows[] = {
      {"五行", ElementCountsText(b.visible)},
      {"五行（蔵干を含む）", ElementCountsText(b.withHidden)},
      {"陰陽", YinYangText(b)},
      {"日主の五行", std::string(ElementName(b.dayMaster))},
  };
  for (const auto& [label, value] : rows) {
    std::string line;
    AppendPadded(line, label, kBalanceLabelColumns);
    line += value;
    block.rows.push_back(line);
  }
  return block;
}

DetailsBlock NatalRelations(const ChartDetails& d) {
  DetailsBlock block{{"命式の合冲刑害"}, {}};
  if (d.relations.empty()) block.rows.emplace_back(kNoRelation);
  for (const Relation& r : d.relations) block.rows.push_back(NatalRelationText(d, r));
  return block;
}

std::string JoinedRelations(const RelationList& list) {
  std::string text;
  for (const std::string& t : OuterRelationTexts(list)) {
    if (!text.empty()) text += kRelationSeparator;
    text += t;
  }
  return text.empty() ? std::string(kNoRelation) : text;
}

DetailsBlock LuckRelations(const ChartDetails& d) {
  DetailsBlock block{{"大運と命式の合冲刑害"}, {}};
  for (const LuckColumnDetails& c : d.luck) {
    std::string line;
    AppendPadded(line, AgeRangeText(c), kAgeRangeColumns);
    AppendPadded(line, std::string(c.stem) + std::string(c.branch), kCycleColumns);
    line += JoinedRelations(c.relations);
    block.rows.push_back(line);
  }
  return block;
}

DetailsBlock AnnualRelations(const ChartDetails& d) {
  DetailsBlock block{{"年運と命式の合冲刑害"}, {}};
  for (const AnnualPillar& a : d.annual) {
    std::string line;
    AppendPadded(line, FormatInteger(a.year), kYearColumns);
    AppendPadded(line, std::string(a.stem) + std::string(a.branch), kCycleColumns);
    line += JoinedRelations(a.relations);
    block.rows.push_back(line);
  }
  return block;
}

// "2月4日21時57分" of a switch or an almanac instant (the seconds in the window and JSON).
std::string MonthDayMinuteText(const ClockTime& t) {
  return FormatInteger(t.month) + "月" + FormatInteger(t.day) + "日" + FormatInteger(t.hour) + "時" +
         FormatInteger(t.minute) + "分";
}

constexpr std::size_t kTermColumns = 6;
constexpr std::size_t kMomentColumns = 18;  // 12月22日23時59分 and a space
constexpr std::size_t kDateColumns = 8;     // 12月31日 and a space
constexpr std::size_t kWeekdayColumns = 4;

// The columns a month or a day shares: its pillar's readings and its
// relations with the chart.
void AppendPeriodHeader(std::string& head) {
  AppendReadingHeader(head);
  head += "　合冲刑害";
}

void AppendPeriod(std::string& line, const PeriodPillar& p) {
  AppendReadings(line, p);
  line += "　";
  line += JoinedRelations(p.relations);
}

DetailsBlock MonthlyTable(const ChartDetails& d) {
  DetailsBlock block;
  block.head.push_back("月運（" + FormatInteger(d.monthly.front().from.year) +
                       "年の節から。開始はこの出生地での切り替え、暦は日本標準時の節入り）");
  std::string head;
  AppendPadded(head, "節", kTermColumns);
  AppendPadded(head, "開始（出生地）", kMomentColumns);
  AppendPadded(head, "暦の節入り", kMomentColumns);
  AppendPeriodHeader(head);
  block.head.push_back(head);
  for (const MonthlyLuck& m : d.monthly) {
    std::string line;
    AppendPadded(line, m.term, kTermColumns);
    AppendPadded(line, MonthDayMinuteText(m.from), kMomentColumns);
    AppendPadded(line, MonthDayMinuteText(m.almanac), kMomentColumns);
    AppendPeriod(line, m.reading);
    block.rows.push_back(line);
  }
  return block;
}

DetailsBlock DailyTable(const ChartDetails& d) {
  DetailsBlock block;
  const CalendarDay& first = d.daily.front().day;
  block.head.push_back("日運（" + FormatInteger(first.year) + "年" + FormatInteger(first.month) + "月）");
  std::string head;
  AppendPadded(head, "日", kDateColumns);
  AppendPadded(head, "曜", kWeekdayColumns);
  AppendPeriodHeader(head);
  block.head.push_back(head);
  for (const DailyLuck& day : d.daily) {
    std::string line;
    AppendPadded(line, RightAligned(FormatInteger(day.day.day), 2) + "日", kDateColumns);
    AppendPadded(line, WeekdayNames[static_cast<std::size_t>(day.day.weekday)], kWeekdayColumns);
    AppendPeriod(line, day.reading);
    block.rows.push_back(line);
  }
  return block;
}

// The blocks' lines, one blank line between two blocks.
void AppendBlocks(std::vector<std::string>& lines, const std::vector<DetailsBlock>& blocks) {
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (i > 0) lines.emplace_back();
    lines.insert(lines.end(), blocks[i].head.begin(), blocks[i].head.end());
    lines.insert(lines.end(), blocks[i].rows.begin(), blocks[i].rows.end());
  }
}

// The lines separated by lineEnd, none after the last; no line ends in blanks.
std::string Joined(std::vector<std::string>& lines, std::string_view lineEnd) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += lineEnd;
    text += TrimmedLine(std::move(lines[i]));
  }
  return text;
}

}  // namespace

std::size_t DisplayColumns(std::string_view text) { return page::TextColumns(text); }

std::string TrimmedLine(std::string line) {
  for (;;) {
    if (!line.empty() && line.back() == ' ') {
      line.pop_back();
    } else if (std::string_view(line).ends_with(kIdeographicSpace)) {
      line.resize(line.size() - kIdeographicSpace.size());
    } else {
      return line;
    }
  }
}

std::string DetailsHeadingText(std::string_view name, std::string_view birth) {
  if (name.empty()) return std::string(birth);
  return std::string(name) + std::string(kIdeographicSpace) + std::string(birth);
}

std::vector<DetailsBlock> DetailsTableBlocks(const ChartDetails& d) {
  std::vector<DetailsBlock> blocks = {PillarTable(d), LuckTable(d)};
  if (!d.annual.empty()) blocks.push_back(AnnualTable(d));
  return blocks;
}

std::vector<DetailsBlock> DetailsReadingBlocks(const ChartDetails& d) {
  std::vector<DetailsBlock> blocks = {Balance(d.balance), NatalRelations(d), LuckRelations(d)};
  if (!d.annual.empty()) blocks.push_back(AnnualRelations(d));
  if (!d.monthly.empty()) blocks.push_back(MonthlyTable(d));
  if (!d.daily.empty()) blocks.push_back(DailyTable(d));
  return blocks;
}

std::string MakeDetailsTablesText(const ChartDetails& d, std::string_view lineEnd) {
  std::vector<std::string> lines;
  AppendBlocks(lines, DetailsTableBlocks(d));
  return Joined(lines, lineEnd);
}

std::string MakeDetailsReadingsText(const ChartDetails& d, std::string_view lineEnd) {
  std::vector<std::string> lines;
  AppendBlocks(lines, DetailsReadingBlocks(d));
  return Joined(lines, lineEnd);
}

std::string MakeDetailsText(const ChartDetails& d, std::string_view lineEnd) {
  std::vector<std::string> lines;
  AppendBlocks(lines, DetailsTableBlocks(d));
  lines.emplace_back();
  AppendBlocks(lines, DetailsReadingBlocks(d));
  return Joined(lines, lineEnd);
}

std::string AgeRangeText(const LuckColumnDetails& column) {
  const std::string first = RightAligned(FormatInteger(column.firstAge), 3);
  // A period within one year (the time before a luck that starts in the
  // first year of life) is that one age, not "0～0".
  if (column.firstAge >= column.lastAge) return first + "歳";
  return first + "～" + RightAligned(FormatInteger(column.lastAge), 3) + "歳";
}

}  // namespace mireto
