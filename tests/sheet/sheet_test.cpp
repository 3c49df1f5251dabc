// 命式表 as a page description, without Qt: every field on the page, one page
// for an ordinary chart, a long note continuing on a second page with the
// heading and the name, the current luck column bold and framed, an unknown
// hour, summer time, and no text wider than its box on either paper.
#include <gtest/gtest.h>

#include <algorithm>

#include "page/page_text.h"
#include "sheet/client_sheet.h"
#include "test_support.h"

namespace mireto {
namespace {

constexpr LocalDateTime kToday{2026, 12, 9, 10, 0};

SheetData Gather(const roster::BirthTexts& birth, roster::ClockDecision decision = roster::ClockDecision::NotAsked,
                 SheetPerson person = {}, std::string mapPlace = {}) {
  std::string error;
  auto sheet =
      GatherSheet(test::Tables(), birth, decision, std::move(person), std::move(mapPlace), kToday, "1.3.15", error);
  if (!sheet) throw std::runtime_error(error);
  return *sheet;
}

const roster::BirthTexts kOrdinary{"1990-05-03", "14", "27", "M", "-5", "30"};
const SheetPerson kPerson{"山田太郎", "やまだたろう", "高知県高知市", "初回の相談。"};
const std::string kMapPlace = "東経133度37分30秒 北緯33度33分33秒";

std::string AllText(const page::Page& p) {
  std::string all;
  for (const std::string& line : page::TextLines(p)) all += line + "\n";
  return all;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// No text reaches past its box's width (the fixed face measures exactly) and
// everything lies on the paper, above the footer's rule but for the footer.
void ExpectNothingCut(const std::vector<page::Page>& pages, page::PaperSize paper) {
  const page::Size size = page::PaperDimensions(paper);
  for (const page::Page& p : pages) {
    for (const page::Item& item : p.items) {
      const auto* text = std::get_if<page::Text>(&item);
      if (!text) continue;
      EXPECT_GE(text->box.x, 0);
      EXPECT_LE(text->box.right(), size.width);
      EXPECT_LE(text->box.y + text->lineHeight() * static_cast<double>(text->lines.size()), size.height - 5);
      for (const std::string& line : text->lines)
        EXPECT_LE(page::TextWidth(line, text->points), text->box.width + 1e-6) << line;
    }
  }
}

TEST(ClientSheet, OrdinaryChartFitsOnePageWithEveryField) {
  const SheetData s = Gather(kOrdinary, roster::ClockDecision::NotAsked, kPerson, kMapPlace);
  const auto pages = SheetPages(s, page::PaperSize::A4);
  ASSERT_EQ(pages.size(), 1u);
  const std::string text = AllText(pages[0]);
  const ChartDisplay& d = s.chart.display;
  std::vector<std::string> expected = {"命式表",
                                       "山田太郎",
                                       "（やまだたろう）",
                                       "作成日　2026年12月9日",
                                       "1990年5月3日14時27分（入力どおり）",
                                       "男",
                                       d.age + "歳（2026年12月9日現在）",
                                       "高知県高知市",
                                       "-5分30秒（地図で決定）",
                                       kMapPlace,
                                       d.trueSolarTime,
                                       d.equationOfTime,
                                       "前の節入り",
                                       "次の節入り",
                                       "清明",
                                       "立夏",
                                       "暦の時刻（日本標準時）",
                                       "空亡（天中殺）：" + std::string(s.details.voidBranches.names),
                                       "立運　" + d.luckStartAge + "　交替年月　" + d.luckChange,
                                       "現在",
                                       "命式の合冲刑害",
                                       "天干・地支／蔵干を含む",
                                       "初回の相談。",
                                       "ミレト 1.3.15",
                                       "1／1"};
  for (const Pillar p : {Pillar::Year, Pillar::Month, Pillar::Day, Pillar::Hour}) {
    const PillarDetails& pd = s.details.pillars[p];
    for (std::string_view item : {pd.tenGod, pd.stem, pd.branch, pd.hiddenStem, pd.hiddenTenGod, pd.stage, pd.nayin})
      expected.emplace_back(item);
  }
  for (const LuckColumnDetails& c : s.details.luck) expected.push_back(std::string(c.stem) + std::string(c.branch));
  ASSERT_EQ(s.details.annual.size(), 10u);
  EXPECT_EQ(s.details.annual.front().year, 2026);
  for (const AnnualPillar& a : s.details.annual) expected.push_back(std::to_string(a.year));
  for (const std::string& e : expected) EXPECT_TRUE(Has(text, e)) << e;
  EXPECT_FALSE(Has(text, "夏時刻"));  // no decision was needed
  // The almanac's 立夏 1990 (JST) and the later switch at 5.5 minutes west.
  EXPECT_EQ(s.terms[1].name, "立夏");
  EXPECT_EQ(s.terms[1].almanac.day, 6);
  EXPECT_GT(s.terms[1].minutes, -4 * 24 * 60);
  EXPECT_LT(s.terms[1].minutes, 0);
  ExpectNothingCut(pages, page::PaperSize::A4);
  ExpectNothingCut(SheetPages(s, page::PaperSize::Letter), page::PaperSize::Letter);
  EXPECT_EQ(SheetPages(s, page::PaperSize::Letter).size(), 1u);
}

TEST(ClientSheet, CurrentLuckColumnIsBoldAndFramed) {
  const SheetData s = Gather(kOrdinary);
  ASSERT_TRUE(s.details.currentLuckColumn.has_value());
  const LuckColumnDetails& current = s.details.luck[static_cast<std::size_t>(*s.details.currentLuckColumn)];
  const std::string cycle = std::string(current.stem) + std::string(current.branch);
  const auto pages = SheetPages(s, page::PaperSize::A4);
  const page::Text* cell = nullptr;
  for (const page::Item& item : pages[0].items) {
    const auto* t = std::get_if<page::Text>(&item);
    if (t && t->lines == std::vector<std::string>{cycle} && t->points == 11) cell = t;
  }
  ASSERT_NE(cell, nullptr);
  EXPECT_TRUE(cell->bold);
  const auto framed = std::count_if(pages[0].items.begin(), pages[0].items.end(), [&](const page::Item& item) {
    const auto* r = std::get_if<page::Rectangle>(&item);
    return r && !r->filled && r->stroke.width >= 0.8 && r->box.x <= cell->box.x &&
           r->box.right() >= cell->box.right() && r->box.y <= cell->box.y && r->box.bottom() >= cell->box.bottom();
  });
  EXPECT_EQ(framed, 1);
}

TEST(ClientSheet, UnknownHourAndNoName) {
  const SheetData s = Gather({"2000-01-01", "?", "?", "F", "0", "0"});
  const auto pages = SheetPages(s, page::PaperSize::A4);
  ASSERT_EQ(pages.size(), 1u);
  const std::string text = AllText(pages[0]);
  EXPECT_TRUE(Has(text, "2000年1月1日出生時間不明"));
  EXPECT_EQ(s.details.pillars[Pillar::Hour].stem, "□");
  EXPECT_FALSE(Has(text, "備考"));
  EXPECT_EQ(SheetFileName(s), "命式表_2000-01-01.pdf");
  EXPECT_EQ(SheetFileName(Gather(kOrdinary, roster::ClockDecision::NotAsked, kPerson)), "山田太郎_命式表.pdf");
  ExpectNothingCut(pages, page::PaperSize::A4);
}

TEST(ClientSheet, SummerTimeDecisionAndNotices) {
  const SheetData s = Gather({"1949-06-15", "10", "0", "F", "0", "0"}, roster::ClockDecision::SummerTime);
  const std::string text = AllText(SheetPages(s, page::PaperSize::A4)[0]);
  EXPECT_TRUE(Has(text, "1時間戻した日本標準時で計算"));
  ASSERT_FALSE(s.notices.empty());
  for (const Notice& n : s.notices) EXPECT_TRUE(Has(text, page::WrapText(n.message, 1000, 8.5).front())) << n.message;
  // 芒種 1949 fell in summer time: its switch is read on that clock.
  EXPECT_EQ(s.terms[0].name, "芒種");
  EXPECT_TRUE(s.terms[0].summerClock);
  EXPECT_TRUE(Has(text, "（夏時刻）"));
}

TEST(ClientSheet, LongNoteContinuesWithHeadingAndName) {
  SheetPerson person = kPerson;
  person.note.clear();
  for (int i = 1; i <= 40; ++i) person.note += "相談" + std::to_string(i) + "回目：仕事と家族のことを詳しく伺った。\n";
  const SheetData s = Gather(kOrdinary, roster::ClockDecision::NotAsked, person);
  const auto pages = SheetPages(s, page::PaperSize::A4);
  ASSERT_EQ(pages.size(), 2u);
  const std::string second = AllText(pages[1]);
  for (const char* e : {"命式表（続き）", "山田太郎", "備考（続き）", "相談40回目", "2／2"})
    EXPECT_TRUE(Has(second, e)) << e;
  EXPECT_TRUE(Has(AllText(pages[0]), "相談1回目"));
  // Every line once, in order, across the two pages.
  std::string notes;
  for (const page::Page& p : pages) {
    for (const std::string& line : page::TextLines(p))
      if (line.starts_with("相談")) notes += line + "\n";
  }
  EXPECT_EQ(notes, person.note);
  ExpectNothingCut(pages, page::PaperSize::A4);
  EXPECT_EQ(SheetDocument({s, Gather(kOrdinary)}, page::PaperSize::A4).pages.size(), 3u);
}

}  // namespace
}  // namespace mireto
