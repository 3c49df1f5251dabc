// 相性 between two charts: every pair of stems and of branches across the two
// (each of the sixteen pillar pairs, or twelve with one hour unknown) in the
// order kind, A's pillar, B's pillar; the day stems' ten gods both ways; each
// person's 空亡 on the other's branches.
#include <gtest/gtest.h>

#include "chart/compatibility.h"
#include "chart/ten_gods.h"

namespace mireto {
namespace {

constexpr std::string_view kPillarLetters = "YMDH";

NatalPillars Uniform(Stem stem, Branch branch, bool hourKnown) {
  NatalPillars n;
  n.hourKnown = hourKnown;
  for (const Pillar p : kPillars) n.pillars[p] = {stem, branch, stem};
  return n;
}

// "冲 YD, 干合土 DD": kind, element, A's pillar, B's pillar.
std::string Written(const std::vector<CrossRelation>& list) {
  std::string s;
  for (const CrossRelation& r : list) {
    if (!s.empty()) s += ", ";
    s += RelationKindName(r.kind);
    if (r.element) s += ElementName(*r.element);
    s += " ";
    s += kPillarLetters[static_cast<std::size_t>(r.a)];
    s += kPillarLetters[static_cast<std::size_t>(r.b)];
  }
  return s;
}

// The relations of one pair of characters, repeated for every pillar pair in
// the order kind, A's pillar, B's pillar; the tables themselves are checked
// against the note in relations_test.cpp.
std::string Expected(Stem sa, Branch ba, bool hourA, Stem sb, Branch bb, bool hourB) {
  std::vector<std::pair<RelationKind, std::optional<Element>>> kinds;
  if (const auto e = StemCombination(sa, sb)) kinds.emplace_back(RelationKind::StemCombination, e);
  for (const PairRelation& r : BranchPairRelations(ba, bb)) kinds.emplace_back(r.kind, r.element());
  std::vector<CrossRelation> list;
  for (const auto& [kind, element] : kinds) {
    for (const Pillar a : kPillars) {
      for (const Pillar b : kPillars) {
        if ((a == Pillar::Hour && !hourA) || (b == Pillar::Hour && !hourB)) continue;
        list.push_back({kind, a, b, element});
      }
    }
  }
  return Written(list);
}

struct HourCase {
  bool a;
  bool b;
};

class EveryPair : public ::testing::TestWithParam<HourCase> {};

TEST_P(EveryPair, OfStemsAcrossTheTwoCharts) {
  const auto [hourA, hourB] = GetParam();
  for (const Stem x : kAllStems) {
    for (const Stem y : kAllStems) {
      // 子 and 寅 stand in no relation.
      const auto c = CompatibilityOf(Uniform(x, branches::子, hourA), Uniform(y, branches::寅, hourB));
      EXPECT_EQ(Written(c.relations), Expected(x, branches::子, hourA, y, branches::寅, hourB)) << x.name() << y.name();
    }
  }
}

TEST_P(EveryPair, OfBranchesAcrossTheTwoCharts) {
  const auto [hourA, hourB] = GetParam();
  for (const Branch x : kAllBranches) {
    for (const Branch y : kAllBranches) {
      // 甲 and 乙 form no 干合.
      const auto c = CompatibilityOf(Uniform(stems::甲, x, hourA), Uniform(stems::乙, y, hourB));
      EXPECT_EQ(Written(c.relations), Expected(stems::甲, x, hourA, stems::乙, y, hourB)) << x.name() << y.name();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Hours, EveryPair,
    ::testing::Values(HourCase{true, true}, HourCase{false, true}, HourCase{true, false}, HourCase{false, false}),
    [](const auto& info) {
      return std::string(info.param.a ? "HourA" : "NoHourA") + (info.param.b ? "HourB" : "NoHourB");
    });

// Natal pillars written "甲子 乙丑 丙寅 丁卯" (year month day hour); "?" for an unknown hour.
NatalPillars Pillars(std::string_view text) {
  NatalPillars n;
  const auto find = [](std::string_view name, auto names, int count) {
    for (int i = 1; i <= count; ++i) {
      if (names[static_cast<std::size_t>(i)] == name) return i;
    }
    throw std::invalid_argument(std::string(name));
  };
  std::size_t at = 0;
  for (const Pillar p : kPillars) {
    const std::string_view pillar = text.substr(at, text.find(' ', at) - at);
    at += pillar.size() + 1;
    if (pillar == "?") {
      n.hourKnown = false;
      n.pillars[p] = n.pillars[Pillar::Day];
      continue;
    }
    const Stem stem{find(pillar.substr(0, 3), StemNames, 10)};
    n.pillars[p] = {stem, Branch{find(pillar.substr(3, 3), BranchNames, 12)}, stem};
  }
  return n;
}

// Pillars of different characters: each relation once, in order.
TEST(Compatibility, MixedPillarsInOrder) {
  // A: 己卯 丙子 戊午 戊午, B: 甲申 辛未 甲子 庚午.
  const auto c = CompatibilityOf(Pillars("己卯 丙子 戊午 戊午"), Pillars("甲申 辛未 甲子 庚午"));
  EXPECT_EQ(Written(c.relations),
            "干合土 YY, 干合土 YD, 干合水 MM, 支合土 DM, 支合土 HM, 半会木 YM, 半会水 MY, 冲 MH, 冲 DD, 冲 HD, "
            "刑 YD, 自刑 DH, 自刑 HH, 害 MM, 破 YH");
}

struct TenGodCase {
  const char* a;
  const char* b;
  TenGod bFromA;
  TenGod aFromB;
};

class DayStems : public ::testing::TestWithParam<TenGodCase> {};

TEST_P(DayStems, ReadEachFromTheOther) {
  const TenGodCase& t = GetParam();
  const std::string a = std::string("甲子 甲子 ") + t.a + " 甲子";
  const std::string b = std::string("甲子 甲子 ") + t.b + " 甲子";
  const auto c = CompatibilityOf(Pillars(a), Pillars(b));
  EXPECT_EQ(TenGodName(c.bFromA), TenGodName(t.bFromA));
  EXPECT_EQ(TenGodName(c.aFromB), TenGodName(t.aFromB));
}

INSTANTIATE_TEST_SUITE_P(Compatibility, DayStems,
                         ::testing::Values(TenGodCase{"甲子", "己巳", TenGod::正財, TenGod::正官},
                                           TenGodCase{"甲子", "甲戌", TenGod::比肩, TenGod::比肩},
                                           TenGodCase{"甲子", "庚午", TenGod::偏官, TenGod::偏財},
                                           TenGodCase{"丙寅", "癸酉", TenGod::正官, TenGod::正財},
                                           TenGodCase{"乙丑", "丁卯", TenGod::食神, TenGod::偏印},
                                           TenGodCase{"壬申", "辛亥", TenGod::印綬, TenGod::傷官}));

struct VoidCase {
  const char* name;
  const char* a;
  const char* b;
  const char* hits;  // "aY" is A's 空亡 on B's year
};

class VoidHits : public ::testing::TestWithParam<VoidCase> {};

TEST_P(VoidHits, EachOnTheOthersBranchesAOnBFirst) {
  const VoidCase& v = GetParam();
  const auto c = CompatibilityOf(Pillars(v.a), Pillars(v.b));
  std::string hits;
  for (const VoidHit& h : c.voidHits) {
    if (!hits.empty()) hits += " ";
    hits += h.of == Person::A ? "a" : "b";
    hits += kPillarLetters[static_cast<std::size_t>(h.on)];
  }
  EXPECT_EQ(hits, v.hits);
}

// A's day 甲子: 空亡 戌亥. B's day 甲戌: 空亡 申酉.
INSTANTIATE_TEST_SUITE_P(
    Compatibility, VoidHits,
    ::testing::Values(VoidCase{"Both", "甲申 乙酉 甲子 癸酉", "壬戌 辛亥 甲戌 乙亥", "aY aM aD aH bY bM bH"},
                      VoidCase{"HourOfBUnknown", "甲申 乙酉 甲子 癸酉", "壬戌 辛亥 甲戌 ?", "aY aM aD bY bM bH"},
                      VoidCase{"HourOfAUnknown", "甲申 乙酉 甲子 ?", "壬戌 辛亥 甲戌 乙亥", "aY aM aD aH bY bM"},
                      VoidCase{"None", "甲子 甲子 甲子 甲子", "甲子 甲子 甲子 甲子", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto
