// The five-element balance and the relations against the tables and the
// worked chart of the elements-and-relations note: every pair of stems and
// of branches, the triples, 三合 against 半会, 方合, 自刑, the unknown hour and
// a luck pillar that completes a triple.
#include <algorithm>
#include <map>
#include <sstream>

#include <gtest/gtest.h>
#include "chart/chart_details.h"
#include "chart/five_elements.h"
#include "chart/pillar_relations.h"

#include "test_support.h"

namespace mireto {
namespace {

using test::Birth;
using test::BranchNamed;
using test::Compute;
using test::StemNamed;

// A relation of a pair of branches as the note writes it: 冲, or 支合土.
std::string Named(RelationKind kind, std::optional<Element> element) {
  std::string s(RelationKindName(kind));
  if (element) s += ElementName(*element);
  return s;
}

// A list as "冲 MD, 刑 YM": kind, element, then one letter per pillar
// (L luck, A annual, Y M D H).
std::string Written(const RelationList& list) {
  static constexpr std::string_view kLetters = "LAYMDH";
  std::string s;
  for (const Relation& r : list) {
    if (!s.empty()) s += ", ";
    s += Named(r.kind, r.element()) + " ";
    for (const Place p : kPlaces) {
      if (r.places.contains(p)) s += kLetters[static_cast<std::size_t>(p)];
    }
  }
  return s;
}

// Every pair of branches that stands in a relation, from the note's lists,
// with all its relations in the order of the kinds; every other pair (the
// same branch twice included) stands in none.
// clang-format off
const std::map<std::string, std::string> kBranchPairs = {
    {"子丑", "支合土"},      {"寅亥", "支合木 破"},   {"卯戌", "支合火"},      {"辰酉", "支合金"},
    {"巳申", "支合水 刑 破"}, {"午未", "支合土"},      {"申子", "半会水"},      {"子辰", "半会水"},
    {"亥卯", "半会木"},      {"卯未", "半会木"},      {"寅午", "半会火"},      {"午戌", "半会火"},
    {"巳酉", "半会金"},      {"酉丑", "半会金"},      {"子午", "冲"},          {"丑未", "冲 刑"},
    {"寅申", "冲 刑"},       {"卯酉", "冲"},          {"辰戌", "冲"},          {"巳亥", "冲"},
    {"子卯", "刑"},          {"寅巳", "刑 害"},       {"丑戌", "刑"},          {"戌未", "刑 破"},
    {"辰辰", "自刑"},        {"午午", "自刑"},        {"酉酉", "自刑"},        {"亥亥", "自刑"},
    {"子未", "害"},          {"丑午", "害"},          {"卯辰", "害"},          {"申亥", "害"},
    {"酉戌", "害"},          {"子酉", "破"},          {"丑辰", "破"},          {"卯午", "破"},
};
// clang-format on

std::string Expected(Branch a, Branch b) {
  for (const auto& key :
       {std::string(a.name()) + std::string(b.name()), std::string(b.name()) + std::string(a.name())}) {
    if (const auto it = kBranchPairs.find(key); it != kBranchPairs.end()) return it->second;
  }
  return "";
}

TEST(BranchPairs, EveryOrderedPairAgainstTheNote) {
  for (const Branch a : kAllBranches) {
    for (const Branch b : kAllBranches) {
      std::string found;
      for (const PairRelation& r : BranchPairRelations(a, b)) {
        if (!found.empty()) found += " ";
        found += Named(r.kind, r.element());
      }
      EXPECT_EQ(found, Expected(a, b)) << a.name() << b.name();
    }
  }
}

TEST(StemPairs, TheFiveCombinationsAndNoOthers) {
  const std::map<std::string, std::string> combinations = {
      {"甲己", "土"}, {"乙庚", "金"}, {"丙辛", "水"}, {"丁壬", "木"}, {"戊癸", "火"}};
  for (const Stem a : kAllStems) {
    for (const Stem b : kAllStems) {
      const auto element = StemCombination(a, b);
      std::string expected;
      for (const auto& key :
           {std::string(a.name()) + std::string(b.name()), std::string(b.name()) + std::string(a.name())}) {
        if (const auto it = combinations.find(key); it != combinations.end()) expected = it->second;
      }
      EXPECT_EQ(element ? std::string(ElementName(*element)) : "", expected) << a.name() << b.name();
    }
  }
}

// The eight triples in every order; three branches that are not one, or a
// branch twice, form none.
TEST(BranchTriples, ThreeHarmoniesAndDirectionsInAnyOrder) {
  // clang-format off
  const std::map<std::string, std::string> triples = {
      {"申子辰", "三合水"}, {"亥卯未", "三合木"}, {"寅午戌", "三合火"}, {"巳酉丑", "三合金"},
      {"寅卯辰", "方合木"}, {"巳午未", "方合火"}, {"申酉戌", "方合金"}, {"亥子丑", "方合水"}};
  // clang-format on
  int found = 0;
  for (const Branch a : kAllBranches) {
    for (const Branch b : kAllBranches) {
      for (const Branch c : kAllBranches) {
        const auto t = BranchTriple(a, b, c);
        if (!t) continue;
        ++found;
        std::array<int, 3> sorted = {a.index, b.index, c.index};
        std::string key;
        // The note writes each triple in one order; find it among the six.
        std::sort(sorted.begin(), sorted.end());
        do {
          const std::string k = std::string(Branch{sorted[0]}.name()) + std::string(Branch{sorted[1]}.name()) +
                                std::string(Branch{sorted[2]}.name());
          if (triples.contains(k)) key = k;
        } while (std::next_permutation(sorted.begin(), sorted.end()));
        ASSERT_FALSE(key.empty()) << a.name() << b.name() << c.name();
        EXPECT_EQ(Named(t->kind, t->element), triples.at(key)) << key;
      }
    }
  }
  EXPECT_EQ(found, 8 * 6);
}

// Natal pillars written as "甲申 丙子 庚午 丁卯" (year month day hour), the
// hidden stems those of the stems (they play no part in the relations).
NatalPillars Natal(std::string_view text, bool hourKnown = true) {
  std::istringstream in{std::string(text)};
  NatalPillars natal;
  natal.hourKnown = hourKnown;
  for (const Pillar p : kPillars) {
    std::string pillar;
    in >> pillar;
    const Stem stem = StemNamed(pillar.substr(0, 3));
    natal.pillars[p] = PillarCharacters{stem, BranchNamed(pillar.substr(3, 3)), stem};
  }
  return natal;
}

struct NatalCase {
  const char* name;
  const char* pillars;
  const char* relations;
};

const NatalCase kNatalCases[] = {
    // 申子辰 complete twice (子 in the month and the hour): no 半会 of its pairs.
    {"CompleteThreeHarmony", "甲申 丙子 戊辰 丙子", "三合水 YMD, 三合水 YDH"},
    // Only two of the triple: 半会.
    {"HalfMeeting", "甲申 丙子 庚午 丁卯", "半会水 YM, 冲 MD, 刑 MH, 破 DH"},
    {"Direction", "壬寅 癸卯 甲辰 庚午", "半会火 YH, 方合木 YMD, 害 MD, 破 MH"},
    // 巳申: 支合, 刑 and 破 at once; 寅巳 刑 and 害; 寅申 冲 and 刑; 丙辛 干合.
    {"PairsInSeveralRelations", "丙寅 辛巳 庚申 己卯",
     "干合水 YM, 支合水 MD, 冲 YD, 刑 YM, 刑 YD, 刑 MD, 害 YM, 破 MD"},
    {"SelfPunishment", "壬辰 甲辰 壬辰 甲辰", "自刑 YM, 自刑 YD, 自刑 YH, 自刑 MD, 自刑 MH, 自刑 DH"},
};

class NatalRelationCases : public ::testing::TestWithParam<NatalCase> {};

TEST_P(NatalRelationCases, ListedSortedByKindThenPillars) {
  EXPECT_EQ(Written(NatalRelations(Natal(GetParam().pillars))), GetParam().relations);
}

INSTANTIATE_TEST_SUITE_P(Charts, NatalRelationCases, ::testing::ValuesIn(kNatalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The worked chart of the note: 己卯 丙子 戊午 戊午, hidden stems 乙 癸 丁 丁.
TEST(ChartReadings, WorkedChartBalanceAndRelations) {
  const BirthInput in = Birth(2000, 1, 1, 12, 0);
  DetailsRequest request;
  request.birthYear = 2000;
  const ChartDetails d = ComputeChartDetails(Compute(in), request);
  EXPECT_EQ(d.balance.visible, (ElementCounts{{1, 3, 3, 0, 1}}));
  EXPECT_EQ(d.balance.withHidden, (ElementCounts{{2, 5, 3, 0, 2}}));
  EXPECT_EQ(d.balance.yang, 6);
  EXPECT_EQ(d.balance.yin, 2);
  EXPECT_EQ(d.balance.dayMaster, Element::Earth);
  EXPECT_EQ(Written(d.relations), "冲 MD, 冲 MH, 刑 YM, 自刑 DH, 破 YD, 破 YH");
}

// Without the hour: six characters, nine with the hidden stems, and nothing
// that involves the hour.
TEST(ChartReadings, UnknownHourLeavesTheHourOut) {
  const BirthInput in = Birth(2000, 1, 1, std::nullopt, std::nullopt);
  DetailsRequest request;
  request.hourKnown = false;
  request.birthYear = 2000;
  request.annual = YearSpan{2026, 2026};
  const ChartDetails d = ComputeChartDetails(Compute(in), request);
  EXPECT_EQ(d.balance.visible, (ElementCounts{{1, 2, 2, 0, 1}}));  // 己卯 丙子 戊午
  int withHidden = 0;
  for (const Element e : kElements) withHidden += d.balance.withHidden[e];
  EXPECT_EQ(withHidden, 9);
  EXPECT_EQ(d.balance.yang + d.balance.yin, 6);
  EXPECT_EQ(Written(d.relations), "冲 MD, 刑 YM, 破 YD");
  EXPECT_EQ(Written(d.luck[0].relations), "冲 LD, 刑 LY");             // 丙子
  EXPECT_EQ(Written(d.annual[0].relations), "冲 AM, 自刑 AD, 破 AY");  // 丙午
}

// A luck pillar 戊辰 completes the natal 申子 into 三合: the triple is listed,
// its pair 辰子 not as 半会; the natal list keeps its own 半会.
TEST(OuterRelations, LuckPillarCompletingATriple) {
  const NatalPillars natal = Natal("甲申 丙子 庚午 丁卯");
  EXPECT_EQ(Written(RelationsWith(Place::Luck, StemNamed("戊"), BranchNamed("辰"), natal)), "三合水 LYM, 害 LH");
  // 辛未: 丙辛 干合, 卯未 半会 and 午未 支合; the same pillar as a year.
  EXPECT_EQ(Written(RelationsWith(Place::Annual, StemNamed("辛"), BranchNamed("未"), natal)),
            "干合水 AM, 支合土 AD, 半会木 AH, 害 AM");
  // 寅 completes nothing here: 半会 with 午, 冲 and 刑 with 申.
  EXPECT_EQ(Written(RelationsWith(Place::Luck, StemNamed("丙"), BranchNamed("寅"), natal)), "半会火 LD, 冲 LY, 刑 LY");
}

// A luck pillar completing a 方合 with two natal branches, beside a pair
// relation with a third pillar.
TEST(OuterRelations, LuckPillarCompletingADirection) {
  const NatalPillars natal = Natal("壬寅 癸卯 戊戌 甲子");
  EXPECT_EQ(Written(RelationsWith(Place::Luck, StemNamed("甲"), BranchNamed("辰"), natal)),
            "半会水 LH, 方合木 LYM, 冲 LD, 害 LM");
}

}  // namespace
}  // namespace mireto
