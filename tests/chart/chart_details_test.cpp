// The chart readings against the tables and the worked chart of the rules note:
// ten gods, twelve stages, 空亡, 納音, the luck columns, 年運 and an unknown hour.
#include <sstream>

#include <gtest/gtest.h>
#include "chart/chart_details.h"
#include "chart/nayin.h"
#include "chart/ten_gods.h"
#include "chart/twelve_stages.h"
#include "chart/void_branches.h"

#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::BranchNamed;
using test::Compute;
using test::StemNamed;

// A pillar written as two characters, e.g. "戊午" (each character 3 bytes of UTF-8).
std::pair<Stem, Branch> PillarNamed(std::string_view name) {
  return {StemNamed(name.substr(0, 3)), BranchNamed(name.substr(3, 3))};
}

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Ten gods: each day stem against the ten stems 甲..癸, built by hand from the
// note's relation table (element relation x same or opposite yin/yang).
struct TenGodRowCase {
  const char* dayStem;
  const char* gods;
};

constexpr TenGodRowCase kTenGodRows[] = {
    {"甲", "比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印 印綬"},
    {"乙", "劫財 比肩 傷官 食神 正財 偏財 正官 偏官 印綬 偏印"},
    {"丙", "偏印 印綬 比肩 劫財 食神 傷官 偏財 正財 偏官 正官"},
    {"丁", "印綬 偏印 劫財 比肩 傷官 食神 正財 偏財 正官 偏官"},
    {"戊", "偏官 正官 偏印 印綬 比肩 劫財 食神 傷官 偏財 正財"},
    {"己", "正官 偏官 印綬 偏印 劫財 比肩 傷官 食神 正財 偏財"},
    {"庚", "偏財 正財 偏官 正官 偏印 印綬 比肩 劫財 食神 傷官"},
    {"辛", "正財 偏財 正官 偏官 印綬 偏印 劫財 比肩 傷官 食神"},
    {"壬", "食神 傷官 偏財 正財 偏官 正官 偏印 印綬 比肩 劫財"},
    {"癸", "傷官 食神 正財 偏財 正官 偏官 印綬 偏印 劫財 比肩"},
};

class TenGodTable : public ::testing::TestWithParam<TenGodRowCase> {};

TEST_P(TenGodTable, EveryStemSeenFromTheDayStem) {
  const Stem day = StemNamed(GetParam().dayStem);
  const std::vector<std::string> expected = Words(GetParam().gods);
  ASSERT_EQ(expected.size(), 10u);
  for (const Stem other : kAllStems) {
    EXPECT_EQ(TenGodName(TenGodOf(day, other)), expected[other.row()])
        << GetParam().dayStem << " sees " << other.name();
  }
}

INSTANTIATE_TEST_SUITE_P(AllDayStems, TenGodTable, ::testing::ValuesIn(kTenGodRows));

// Twelve stages: the note's table, branches 子..亥; 戊 shares 丙's row, 己 丁's.
struct StageRowCase {
  const char* dayStems;
  const char* stages;
};

constexpr StageRowCase kStageRows[] = {
    {"甲", "沐浴 冠帯 建禄 帝旺 衰 病 死 墓 絶 胎 養 長生"},
    {"乙", "病 衰 帝旺 建禄 冠帯 沐浴 長生 養 胎 絶 墓 死"},
    {"丙 戊", "胎 養 長生 沐浴 冠帯 建禄 帝旺 衰 病 死 墓 絶"},
    {"丁 己", "絶 墓 死 病 衰 帝旺 建禄 冠帯 沐浴 長生 養 胎"},
    {"庚", "死 墓 絶 胎 養 長生 沐浴 冠帯 建禄 帝旺 衰 病"},
    {"辛", "長生 養 胎 絶 墓 死 病 衰 帝旺 建禄 冠帯 沐浴"},
    {"壬", "帝旺 衰 病 死 墓 絶 胎 養 長生 沐浴 冠帯 建禄"},
    {"癸", "建禄 冠帯 沐浴 長生 養 胎 絶 墓 死 病 衰 帝旺"},
};

class TwelveStageTable : public ::testing::TestWithParam<StageRowCase> {};

TEST_P(TwelveStageTable, EveryBranchForTheDayStem) {
  const std::vector<std::string> expected = Words(GetParam().stages);
  ASSERT_EQ(expected.size(), 12u);
  for (const std::string& stemName : Words(GetParam().dayStems)) {
    const Stem day = StemNamed(stemName);
    for (const Branch b : kAllBranches) {
      EXPECT_EQ(TwelveStageName(TwelveStageOf(day, b)), expected[b.row()]) << stemName << " in " << b.name();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllDayStems, TwelveStageTable, ::testing::ValuesIn(kStageRows));

// 空亡: every one of the ten pillars of each 旬 has the 旬's pair.
struct DecadeCase {
  const char* start;
  const char* voidPair;
};

// clang-format off
constexpr DecadeCase kDecadeCases[] = {
    {"甲子", "戌亥"}, {"甲戌", "申酉"}, {"甲申", "午未"},
    {"甲午", "辰巳"}, {"甲辰", "寅卯"}, {"甲寅", "子丑"},
};
// clang-format on

class VoidBranchDecades : public ::testing::TestWithParam<DecadeCase> {};

TEST_P(VoidBranchDecades, EveryPillarOfTheDecade) {
  const auto [stem, branch] = PillarNamed(GetParam().start);
  const std::string pair = GetParam().voidPair;
  const Branch first = BranchNamed(std::string_view(pair).substr(0, 3));
  const Branch second = BranchNamed(std::string_view(pair).substr(3, 3));
  for (int k = 0; k < 10; ++k) {
    const VoidBranches v = VoidBranchesOf(stem.next(k), branch.next(k));
    EXPECT_EQ(v.names, pair) << stem.next(k).name() << branch.next(k).name();
    EXPECT_EQ(v.first, first);
    EXPECT_EQ(v.second, second);
    for (int b = 1; b <= 12; ++b) {
      EXPECT_EQ(v.Contains(Branch{b}), Branch{b} == first || Branch{b} == second);
    }
    // The two branches of the 旬 itself are never its 空亡.
    EXPECT_FALSE(v.Contains(branch.next(k)));
  }
}

INSTANTIATE_TEST_SUITE_P(SixDecades, VoidBranchDecades, ::testing::ValuesIn(kDecadeCases));

// 納音: the note's table of pairs, by name.
struct NayinCase {
  const char* pillars;
  const char* nayin;
};

// clang-format off
constexpr NayinCase kNayinCases[] = {
    {"甲子 乙丑", "海中金"}, {"甲午 乙未", "沙中金"}, {"丙寅 丁卯", "炉中火"},
    {"丙申 丁酉", "山下火"}, {"戊辰 己巳", "大林木"}, {"戊戌 己亥", "平地木"},
    {"庚午 辛未", "路傍土"}, {"庚子 辛丑", "壁上土"}, {"壬申 癸酉", "剣鋒金"},
    {"壬寅 癸卯", "金箔金"}, {"甲戌 乙亥", "山頭火"}, {"甲辰 乙巳", "覆燈火"},
    {"丙子 丁丑", "澗下水"}, {"丙午 丁未", "天河水"}, {"戊寅 己卯", "城頭土"},
    {"戊申 己酉", "大駅土"}, {"庚辰 辛巳", "白鑞金"}, {"庚戌 辛亥", "釵釧金"},
    {"壬午 癸未", "楊柳木"}, {"壬子 癸丑", "桑柘木"}, {"甲申 乙酉", "井泉水"},
    {"甲寅 乙卯", "大渓水"}, {"丙戌 丁亥", "屋上土"}, {"丙辰 丁巳", "沙中土"},
    {"戊子 己丑", "霹靂火"}, {"戊午 己未", "天上火"}, {"庚寅 辛卯", "松柏木"},
    {"庚申 辛酉", "柘榴木"}, {"壬辰 癸巳", "長流水"}, {"壬戌 癸亥", "大海水"},
};
// clang-format on

TEST(Nayin, AllSixtyPillarsByName) {
  std::array<int, 61> seen{};
  for (const NayinCase& c : kNayinCases) {
    for (const std::string& pillar : Words(c.pillars)) {
      const auto [stem, branch] = PillarNamed(pillar);
      EXPECT_EQ(NayinOf(stem, branch), c.nayin) << pillar;
      ++seen[static_cast<std::size_t>(CycleOf(stem, branch).value)];
    }
  }
  // The table names every cycle number exactly once.
  for (int n = 1; n <= 60; ++n) EXPECT_EQ(seen[static_cast<std::size_t>(n)], 1) << n;
}

TEST(CycleOf, InvertsStemAndBranchOfEveryCycleNumber) {
  for (int n = 1; n <= 60; ++n) {
    const CycleNumber c{n};
    EXPECT_EQ(CycleOf(c.stem(), c.branch()).value, n);
  }
}

// The worked chart of 1 January 2000, 12:00, time difference 0: 己卯 丙子 戊午 戊午.
struct WorkedPillar {
  Pillar pillar;
  const char* tenGod;
  const char* hiddenTenGod;
  const char* stage;
  const char* nayin;
  bool isVoid;
};

constexpr WorkedPillar kWorkedPillars[] = {
    {Pillar::Year, "劫財", "正官", "沐浴", "城頭土", false},
    {Pillar::Month, "偏印", "正財", "胎", "澗下水", true},
    {Pillar::Day, "日主", "印綬", "帝旺", "天上火", false},
    {Pillar::Hour, "比肩", "印綬", "帝旺", "天上火", false},
};

DetailsRequest RequestFor(const BirthInput& in) {
  DetailsRequest request;
  request.hourKnown = in.hour.has_value();
  request.birthYear = in.year;
  return request;
}

TEST(ChartDetails, WorkedChartEveryItem) {
  const BirthInput in = Birth(2000, 1, 1, 12, 0);
  const ChartDetails d = ComputeChartDetails(Compute(in), RequestFor(in));
  EXPECT_EQ(d.voidBranches.names, "子丑");
  EXPECT_EQ(d.dayStem.name(), "戊");
  for (const WorkedPillar& w : kWorkedPillars) {
    const PillarDetails& p = d.pillars[w.pillar];
    SCOPED_TRACE(static_cast<int>(w.pillar));
    EXPECT_EQ(p.tenGod, w.tenGod);
    EXPECT_EQ(p.hiddenTenGod, w.hiddenTenGod);
    EXPECT_EQ(p.stage, w.stage);
    EXPECT_EQ(p.nayin, w.nayin);
    EXPECT_EQ(p.isVoid, std::optional<bool>(w.isVoid));
  }
  EXPECT_EQ(std::string(d.pillars[Pillar::Year].stem) + std::string(d.pillars[Pillar::Year].branch), "己卯");
  EXPECT_EQ(d.pillars[Pillar::Month].hiddenStem, "癸");
  EXPECT_TRUE(d.annual.empty());
}

// Luck columns: the female chart runs forward (its pillar year 1999 is odd),
// the male one backward; readings built by hand from the tables above.
struct LuckCase {
  Sex sex;
  const char* pillars;
  const char* tenGods;
  const char* stages;
  const char* voidColumns;  // one 0/1 per column
};

// clang-format off
const LuckCase kLuckCases[] = {
    {Sex::Female,
     "丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌",
     "偏印 印綬 比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印",
     "胎 養 長生 沐浴 冠帯 建禄 帝旺 衰 病 死 墓",
     "1 1 0 0 0 0 0 0 0 0 0"},
    {Sex::Male,
     "丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯 丙寅",
     "偏印 正官 偏官 正財 偏財 傷官 食神 劫財 比肩 印綬 偏印",
     "胎 絶 墓 死 病 衰 帝旺 建禄 冠帯 沐浴 長生",
     "1 0 0 0 0 0 0 0 0 0 0"},
};
// clang-format on

class LuckColumns : public ::testing::TestWithParam<LuckCase> {};

TEST_P(LuckColumns, WorkedChartForwardAndBackward) {
  const LuckCase& c = GetParam();
  const BirthInput in = Birth(2000, 1, 1, 12, 0, "0", "0", c.sex);
  const Chart chart = Compute(in);
  const ChartDetails d = ComputeChartDetails(chart, RequestFor(in));
  const auto pillars = Words(c.pillars), gods = Words(c.tenGods), stages = Words(c.stages),
             voids = Words(c.voidColumns);
  for (std::size_t i = 0; i < kLuckColumnCount; ++i) {
    const LuckColumnDetails& col = d.luck[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(std::string(col.stem) + std::string(col.branch), pillars[i]);
    // The same pillars as the main window's strip.
    EXPECT_EQ(col.stem, chart.display.luckStems[i]);
    EXPECT_EQ(col.branch, chart.display.luckBranches[i]);
    EXPECT_EQ(col.tenGod, gods[i]);
    EXPECT_EQ(col.stage, stages[i]);
    EXPECT_EQ(col.isVoid, voids[i] == "1");
    EXPECT_EQ(std::to_string(col.lastAge), chart.display.luckLastAges[i]);
    EXPECT_EQ(std::to_string(col.firstAge), i == 0 ? "0" : chart.display.luckFirstAges[i - 1]);
  }
  EXPECT_EQ(d.currentLuckColumn, chart.display.boldLuckColumn);
}

INSTANTIATE_TEST_SUITE_P(BothDirections, LuckColumns, ::testing::ValuesIn(kLuckCases));

// 年運: a Gregorian year's pillar starts at 立春 (about 4 February), so a birth
// in January has the previous year's pillar and one after 立春 its own.
TEST(AnnualPillars, YearPillarOfTheChartAcrossRisshun) {
  struct Case {
    int month, day;
    int pillarYear;  // the Gregorian year whose pillar the chart's year pillar is
  };
  for (const Case c : {Case{1, 1, 1999}, Case{2, 3, 1999}, Case{2, 5, 2000}, Case{12, 31, 2000}}) {
    const BirthInput in = Birth(2000, c.month, c.day, 12, 0);
    DetailsRequest request = RequestFor(in);
    request.annual = YearSpan{1999, 2000};
    const ChartDetails d = ComputeChartDetails(Compute(in), request);
    ASSERT_EQ(d.annual.size(), 2u);
    const AnnualPillar& a = d.annual[static_cast<std::size_t>(c.pillarYear - 1999)];
    EXPECT_EQ(a.year, c.pillarYear);
    EXPECT_EQ(a.stem, d.pillars[Pillar::Year].stem) << c.month << "/" << c.day;
    EXPECT_EQ(a.branch, d.pillars[Pillar::Year].branch) << c.month << "/" << c.day;
  }
}

TEST(AnnualPillars, ReadingsAndAgesOfTheWorkedChart) {
  const BirthInput in = Birth(2000, 1, 1, 12, 0);
  DetailsRequest request = RequestFor(in);
  request.annual = YearSpan{1998, 2026};
  const ChartDetails d = ComputeChartDetails(Compute(in), request);
  ASSERT_EQ(d.annual.size(), 29u);
  EXPECT_EQ(d.annual.front().year, 1998);
  EXPECT_FALSE(d.annual.front().age.has_value());  // before the birth year
  EXPECT_EQ(d.annual[2].age, 0);
  const AnnualPillar& y2026 = d.annual.back();
  EXPECT_EQ(std::string(y2026.stem) + std::string(y2026.branch), "丙午");
  EXPECT_EQ(y2026.age, 26);
  EXPECT_EQ(y2026.tenGod, "偏印");
  EXPECT_EQ(y2026.stage, "帝旺");
  EXPECT_FALSE(y2026.isVoid);
  // 2008 戊子 and 2009 己丑 fall in the chart's 空亡 子丑.
  EXPECT_TRUE(d.annual[10].isVoid);
  EXPECT_TRUE(d.annual[11].isVoid);
  EXPECT_FALSE(d.annual[12].isVoid);
  EXPECT_EQ(d.annual[10].tenGod, "比肩");
  EXPECT_EQ(d.annual[11].stage, "養");
}

TEST(AnnualPillars, EmptyOrClippedSpans) {
  const NatalPillars natal = NatalPillarsOf(Compute(Birth(2000, 1, 1, 12, 0)).record, true);
  const VoidBranches v = VoidBranchesOf(stems::戊, branches::午);
  EXPECT_TRUE(AnnualPillars(natal, v, 2000, YearSpan{2010, 2009}).empty());
  const auto clipped = AnnualPillars(natal, v, 2000, YearSpan{-5, 2});
  ASSERT_EQ(clipped.size(), 2u);
  EXPECT_EQ(clipped.front().year, 1);
  // Year 4 is 甲子, so year 1 is 辛酉.
  EXPECT_EQ(std::string(clipped.front().stem) + std::string(clipped.front().branch), "辛酉");
}

TEST(ChartDetails, UnknownHourShowsPlaceholdersAndNoVoidFlag) {
  const BirthInput known = Birth(2000, 1, 1, 12, 0);
  const BirthInput unknown = Birth(2000, 1, 1, std::nullopt, std::nullopt);
  const ChartDetails k = ComputeChartDetails(Compute(known), RequestFor(known));
  const ChartDetails u = ComputeChartDetails(Compute(unknown), RequestFor(unknown));
  const PillarDetails& hour = u.pillars[Pillar::Hour];
  for (std::string_view item :
       {hour.stem, hour.branch, hour.hiddenStem, hour.tenGod, hour.hiddenTenGod, hour.stage, hour.nayin}) {
    EXPECT_EQ(item, "□");
  }
  EXPECT_FALSE(hour.isVoid.has_value());
  // The other pillars and the luck columns are those of the noon chart.
  for (const Pillar p : {Pillar::Year, Pillar::Month, Pillar::Day}) {
    EXPECT_EQ(u.pillars[p].tenGod, k.pillars[p].tenGod);
    EXPECT_EQ(u.pillars[p].stage, k.pillars[p].stage);
    EXPECT_EQ(u.pillars[p].isVoid, k.pillars[p].isVoid);
  }
  EXPECT_EQ(u.luck[3].tenGod, k.luck[3].tenGod);
  EXPECT_EQ(u.voidBranches.names, k.voidBranches.names);
}

}  // namespace
}  // namespace mireto
