// The details text: alignment in fixed-pitch columns, the items of the worked
// chart in their columns, marks, sections and line ends.
#include <gtest/gtest.h>
#include "chart/chart_details.h"

#include "output/details_print.h"
#include "output/details_text.h"
#include "page/page.h"
#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::Compute;

std::vector<std::string> Lines(const std::string& text, std::string_view lineEnd = kCrLf) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(lineEnd, start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = end + lineEnd.size();
  }
}

// The word that starts at fixed-pitch column `column` of line: the text up to
// the next blank (ASCII or ideographic), or "" when a blank or the end is there.
std::string WordAt(std::string_view line, std::size_t column) {
  std::size_t i = 0;
  std::size_t at = 0;
  while (i < line.size() && at < column) {
    std::size_t length = 1;
    const auto c = static_cast<unsigned char>(line[i]);
    if (c >= 0xE0) length = 3;
    else if (c >= 0xC0) length = 2;
    at += DisplayColumns(line.substr(i, length));
    i += length;
  }
  if (at != column) return "<misaligned>";
  std::string word;
  while (i < line.size() && line[i] != ' ' && !line.substr(i).starts_with("\u3000")) word += line[i++];
  return word;
}

ChartDetails Details(const BirthInput& in, std::optional<YearSpan> annual = std::nullopt,
                     std::optional<int> currentYear = std::nullopt) {
  DetailsRequest request;
  request.hourKnown = in.hour.has_value();
  request.birthYear = in.year;
  request.annual = annual;
  request.currentYear = currentYear;
  return ComputeChartDetails(Compute(in), request);
}

const std::string* LineStartingWith(const std::vector<std::string>& lines, std::string_view start) {
  for (const std::string& l : lines) {
    if (l.starts_with(start)) return &l;
  }
  return nullptr;
}

// Rows of the pillar table: label, then hour, day, month, year from column 12, 8 apart.
struct PillarRowCase {
  const char* label;
  std::array<const char*, 4> hourDayMonthYear;
};

constexpr PillarRowCase kWorkedRows[] = {
    {"通変星", {"比肩", "日主", "偏印", "劫財"}},
    {"天干", {"戊", "戊", "丙", "己"}},
    {"地支", {"午", "午", "子", "卯"}},
    {"蔵干", {"丁", "丁", "癸", "乙"}},
    {"蔵干通変星", {"印綬", "印綬", "正財", "正官"}},
    {"十二運", {"帝旺", "帝旺", "胎", "沐浴"}},
    {"納音", {"天上火", "天上火", "澗下水", "城頭土"}},
    {"空亡", {"－", "－", "空亡", "－"}},
};

TEST(DetailsText, WorkedChartPillarTableInColumns) {
  const std::vector<std::string> lines = Lines(MakeDetailsText(Details(Birth(2000, 1, 1, 12, 0))));
  EXPECT_EQ(lines[0], "命式詳細　　空亡／子丑");
  const std::string* titles = &lines[1];
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(WordAt(*titles, 12 + 8 * k), (std::array<const char*, 4>{"時柱", "日柱", "月柱", "年柱"}[k]));
  }
  for (const PillarRowCase& row : kWorkedRows) {
    const std::string* line = LineStartingWith(lines, std::string(row.label) + "\u3000");
    ASSERT_NE(line, nullptr) << row.label;
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(WordAt(*line, 12 + 8 * k), row.hourDayMonthYear[k]) << row.label << " column " << k;
    }
  }
}

TEST(DetailsText, LuckRowsAlignedWithTheCurrentOneMarked) {
  const BirthInput in = Birth(2000, 1, 1, 12, 0);
  const ChartDetails d = Details(in);
  ASSERT_TRUE(d.currentLuckColumn.has_value());
  const std::vector<std::string> lines = Lines(MakeDetailsText(d));
  const auto head = std::find(lines.begin(), lines.end(), "大運");
  ASSERT_NE(head, lines.end());
  ASSERT_GE(lines.end() - head, 13);
  EXPECT_EQ(WordAt(head[1], 12), "干支");
  int marked = 0;
  for (std::size_t i = 0; i < kLuckColumnCount; ++i) {
    const std::string& line = head[2 + static_cast<std::ptrdiff_t>(i)];
    const LuckColumnDetails& c = d.luck[i];
    EXPECT_EQ(WordAt(line, 12), std::string(c.stem) + std::string(c.branch)) << line;
    EXPECT_EQ(WordAt(line, 18), c.tenGod) << line;
    EXPECT_EQ(WordAt(line, 26), c.stage) << line;
    EXPECT_EQ(WordAt(line, 34), c.isVoid ? "空亡" : "－") << line;
    EXPECT_NE(line.find(std::to_string(c.lastAge) + "歳"), std::string::npos) << line;
    const bool isMarked = line.ends_with("（現在）");
    marked += isMarked;
    EXPECT_EQ(isMarked, d.currentLuckColumn == static_cast<int>(i)) << line;
  }
  EXPECT_EQ(marked, 1);
}

TEST(DetailsText, NoCurrentMarkWithoutCurrentColumn) {
  // A birth after the present moment has no current luck column.
  const BirthInput in = Birth(2030, 5, 1, 12, 0);
  const ChartDetails d = Details(in);
  ASSERT_FALSE(d.currentLuckColumn.has_value());
  EXPECT_EQ(MakeDetailsText(d).find("（現在）"), std::string::npos);
}

TEST(DetailsText, AnnualSectionOnlyWhenAskedWithThisYearMarked) {
  const BirthInput in = Birth(2000, 1, 1, 12, 0);
  EXPECT_EQ(MakeDetailsText(Details(in)).find("年運"), std::string::npos);
  const ChartDetails d = Details(in, YearSpan{1999, 2100}, 2026);
  const std::vector<std::string> lines = Lines(MakeDetailsText(d));
  const auto head = std::find(lines.begin(), lines.end(), "年運");
  ASSERT_NE(head, lines.end());
  ASSERT_EQ(std::find(head, lines.end(), "") - head, 2 + 102);  // up to the blank line before the readings
  for (std::size_t i = 0; i < d.annual.size(); ++i) {
    const std::string& line = head[2 + static_cast<std::ptrdiff_t>(i)];
    const AnnualPillar& a = d.annual[i];
    EXPECT_EQ(WordAt(line, 0), std::to_string(a.year));
    EXPECT_EQ(WordAt(line, 14), std::string(a.stem) + std::string(a.branch)) << line;
    EXPECT_EQ(WordAt(line, 20), a.tenGod) << line;
    EXPECT_EQ(WordAt(line, 28), a.stage) << line;
    EXPECT_EQ(line.ends_with("（今年）"), a.year == 2026) << line;
  }
  EXPECT_NE(head[2].find("－"), std::string::npos);  // 1999: before the birth year
  EXPECT_NE(head[4].find("  1歳"), std::string::npos);
  EXPECT_NE(head[2 + 102 - 1].find("100歳"), std::string::npos);
}

// After the tables: the balance, the natal relations in words, then each
// luck column's and each year's relations with the chart.
TEST(DetailsText, BalanceAndRelationsAfterTheTables) {
  const ChartDetails d = Details(Birth(2000, 1, 1, 12, 0), YearSpan{2026, 2026}, 2026);
  const std::string text = MakeDetailsText(d, "\n");
  EXPECT_TRUE(text.starts_with(MakeDetailsTablesText(d, "\n") + "\n\n" + MakeDetailsReadingsText(d, "\n")));
  const std::vector<std::string> lines = Lines(MakeDetailsReadingsText(d, "\n"), "\n");
  const std::vector<std::string> expected = {
      "五行　　　　　　　　木1　火3　土3　金0　水1",
      "五行（蔵干を含む）　木2　火5　土3　金0　水2",
      "陰陽　　　　　　　　陽6　陰2",
      "日主の五行　　　　　土",
      "",
      "命式の合冲刑害",
      "月柱と日柱：子午の冲",
      "月柱と時柱：子午の冲",
      "年柱と月柱：卯子の刑",
      "日柱と時柱：午午の自刑",
      "年柱と日柱：卯午の破",
      "年柱と時柱：卯午の破",
      "",
      "大運と命式の合冲刑害",
  };
  ASSERT_GT(lines.size(), expected.size() + kLuckColumnCount);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]);
  EXPECT_EQ(lines[expected.size()], "  0～  1歳　丙子　日支と冲、時支と冲、年支と刑");
  EXPECT_EQ(lines[expected.size() + 5], " 42～ 51歳　辛巳　月干と干合（水）");
  EXPECT_EQ(lines.back(), "2026　丙午　月支と冲、日支と自刑、時支と自刑、年支と破");
}

TEST(DetailsText, UnknownHourColumnIsPlaceholders) {
  const std::vector<std::string> lines = Lines(MakeDetailsText(Details(Birth(2000, 1, 1, std::nullopt, std::nullopt))));
  for (const PillarRowCase& row : kWorkedRows) {
    const std::string* line = LineStartingWith(lines, std::string(row.label) + "\u3000");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(WordAt(*line, 12), "□") << row.label;
    EXPECT_EQ(WordAt(*line, 20), row.hourDayMonthYear[1]) << row.label;
  }
}

TEST(DetailsText, LineEndsAndNoTrailingBlanks) {
  const ChartDetails d = Details(Birth(2000, 1, 1, 12, 0), YearSpan{2000, 2003}, 2001);
  const std::string crlf = MakeDetailsText(d);
  const std::string lf = MakeDetailsText(d, "\n");
  EXPECT_FALSE(crlf.ends_with("\r\n"));
  EXPECT_EQ(Lines(crlf), Lines(lf, "\n"));
  for (const std::string& line : Lines(crlf)) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_FALSE(line.ends_with(" ") || line.ends_with("\u3000")) << line;
  }
}

// A luck that starts within the first year: its first column is one age, so
// no two ranges read as overlapping ages.
TEST(DetailsText, AgeRangesOfLuckColumns) {
  LuckColumnDetails column;
  column.firstAge = 0;
  column.lastAge = 0;
  EXPECT_EQ(AgeRangeText(column), "  0歳");
  column.lastAge = 9;
  EXPECT_EQ(AgeRangeText(column), "  0～  9歳");
}

TEST(DisplayColumns, FullAndHalfWidth) {
  EXPECT_EQ(DisplayColumns(""), 0u);
  EXPECT_EQ(DisplayColumns("2026"), 4u);
  EXPECT_EQ(DisplayColumns("空亡"), 4u);
  EXPECT_EQ(DisplayColumns(" 12～ 21歳"), 10u);
  EXPECT_EQ(DisplayColumns("\u3000"), 2u);
  EXPECT_EQ(DisplayColumns("ｱｲ"), 2u);  // half-width katakana
}

}  // namespace
}  // namespace mireto

namespace mireto {
namespace {

// The printed details: the heading on every page, a table's title and
// column header again on each page its rows continue on, and the whole text
// once, in order (long lines wrapped).
TEST(DetailsPrint, HeadingOnEveryPageAndTableHeadersRepeated) {
  const ChartDetails d = Details(Birth(2000, 1, 1, 12, 0), YearSpan{2000, 2100}, 2026);
  const std::string heading = DetailsHeadingText("山田　花子", "2000年1月1日 12時0分 女 時差 0分0秒");
  EXPECT_EQ(heading, "山田　花子　2000年1月1日 12時0分 女 時差 0分0秒");
  const page::Document doc =
      DetailsPrintDocument(d, heading, {"前の節入り：大雪", "次の節入り：小寒"}, page::PaperSize::A4);
  ASSERT_GE(doc.pages.size(), 3u);
  const std::vector<DetailsBlock> tables = DetailsTableBlocks(d);
  const DetailsBlock& annual = tables.back();
  ASSERT_EQ(annual.head.front(), "年運");
  std::string body;
  int repeated = 0;
  for (std::size_t i = 0; i < doc.pages.size(); ++i) {
    const std::vector<std::string> lines = page::TextLines(doc.pages[i]);
    EXPECT_EQ(lines[0], i == 0 ? "命式詳細" : "命式詳細（続き）");
    EXPECT_EQ(lines[1], heading);
    EXPECT_EQ(lines.back(), std::to_string(i + 1) + "／" + std::to_string(doc.pages.size()));
    std::vector<std::string> text;  // the page's lines of the details text (9 pt)
    for (const page::Item& item : doc.pages[i].items) {
      const auto* t = std::get_if<page::Text>(&item);
      if (t && t->points == 9) text.insert(text.end(), t->lines.begin(), t->lines.end());
    }
    ASSERT_FALSE(text.empty());
    // A page that continues a block begins with its title and its header.
    if (text[0].ends_with("（続き）")) {
      ++repeated;
      if (text[0] == "年運（続き）") {
        EXPECT_EQ(text[1], TrimmedLine(annual.head[1]));
      }
      text.erase(text.begin(), text.begin() + (text[0] == "年運（続き）" ? 2 : 1));
    } else if (i > 0) {
      EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(text[0][0]))) << "page " << i + 1 << ": " << text[0];
    }
    for (const std::string& line : text) body += line;
  }
  EXPECT_GE(repeated, 2);  // the years and their relations run over pages
  std::string expected = "前の節入り：大雪次の節入り：小寒";
  for (const std::string& line : Lines(MakeDetailsText(d))) expected += line;
  EXPECT_EQ(body, expected);
}

}  // namespace
}  // namespace mireto
