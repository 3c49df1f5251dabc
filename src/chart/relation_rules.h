// The relations (合・冲・刑・害・破) that stems and branches stand in, as
// tables: 干合 of two stems; 支合, 半会, 冲, 刑, 自刑, 害 and 破 of two
// branches; 三合 and 方合 of three.
//
// Where schools differ (the element of 午未's 支合, which branches punish
// which, what counts as 半会) the choice is a named convention; a relation
// convention holds one complete choice with every pair of branches worked
// out from it at compile time, so that another school can be offered beside
// the default.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "chart/five_elements.h"
#include "core/cycles.h"

namespace mireto {

// In the order the relations are listed, named as kRelationKindNames.
enum class RelationKind : std::uint8_t {
  StemCombination,  // 干合
  SixCombination,   // 支合 (六合)
  ThreeHarmony,     // 三合
  HalfMeeting,      // 半会
  Direction,        // 方合
  Clash,            // 冲
  Punishment,       // 刑
  SelfPunishment,   // 自刑
  Harm,             // 害
  Break,            // 破
};

inline constexpr std::array<std::string_view, 10> kRelationKindNames = {
    "干合", "支合", "三合", "半会", "方合", "冲", "刑", "自刑", "害", "破",
};

constexpr std::string_view RelationKindName(RelationKind k) { return kRelationKindNames[static_cast<std::size_t>(k)]; }

// The combinations form an element; the other relations do not.
constexpr bool FormsElement(RelationKind k) { return k <= RelationKind::Direction; }

// One pair of branches that combine, and the element they form.
struct BranchCombination {
  Branch first;
  Branch second;
  Element element;
};

// 支合 (六合): the six pairs and their elements.
struct SixCombinationConvention {
  std::string_view name;
  std::array<BranchCombination, 6> rows;
};

// Up to three branches, an undetermined Branch{} marking an unused place.
using BranchGroup = std::array<Branch, 3>;

// 刑: any two different branches of one group punish each other; a branch of
// selfPunishing met twice is 自刑.
struct PunishmentConvention {
  std::string_view name;
  std::array<BranchGroup, 3> groups;
  std::array<Branch, 4> selfPunishing;
};

// 半会: two branches of one 三合 triple.
struct HalfMeetingConvention {
  std::string_view name;
  bool cardinalRequired;        // one of the two must be the triple's cardinal (子 卯 午 酉)
  bool yieldsToCompleteTriple;  // not listed when both pillars are in a listed 三合 of the same element
};

// 午未 forms 土 (the other reading: 火).
extern const SixCombinationConvention kSixCombinationsNoonEarth;
// 子卯, any two of 寅巳申, any two of 丑戌未; 自刑 for 辰 午 酉 亥.
extern const PunishmentConvention kThreePunishments;
// Two of a triple, one of them its cardinal; not when the triple is complete.
extern const HalfMeetingConvention kHalfMeetingWithCardinal;

// One relation of a pair of branches.
struct PairRelation {
  RelationKind kind = RelationKind::Clash;
  Element formed = Element::Wood;  // meaningful for 支合 and 半会 only: see element()

  constexpr std::optional<Element> element() const {
    return FormsElement(kind) ? std::optional<Element>(formed) : std::nullopt;
  }
};

// The most relations one pair of branches can stand in: 支合 or 半会, 冲,
// 刑 or 自刑, 害 or 破 (a convention that needs more fails to compile).
inline constexpr std::size_t kMostPairRelations = 4;

// Every relation of one pair of branches, in the order of RelationKind.
struct PairRelations {
  std::array<PairRelation, kMostPairRelations> items{};
  std::size_t count = 0;

  const PairRelation* begin() const { return items.data(); }
  const PairRelation* end() const { return items.data() + count; }
};

// A complete triple: the kind (三合 or 方合) and its element.
struct TripleRelation {
  RelationKind kind = RelationKind::ThreeHarmony;
  Element element = Element::Wood;
};

// The branch that completes a triple with two given ones.
struct TripleCompletion {
  Branch third;
  TripleRelation triple;
};

// Every completion of two branches: a 三合 and a 方合 at most.
struct TripleCompletions {
  std::array<TripleCompletion, 2> items{};
  std::size_t count = 0;

  const TripleCompletion* begin() const { return items.data(); }
  const TripleCompletion* end() const { return items.data() + count; }
};

// [first][second] of two stems (甲 first) or two branches (子 first), symmetric.
using StemPairGrid = std::array<std::array<std::optional<Element>, kAllStems.size()>, kAllStems.size()>;
using BranchPairGrid = std::array<std::array<PairRelations, kAllBranches.size()>, kAllBranches.size()>;
using CompletionGrid = std::array<std::array<TripleCompletions, kAllBranches.size()>, kAllBranches.size()>;

// A school's complete choice, and every pair of stems and of branches worked
// out from it and from the fixed tables (干合, 冲, 害, 破, 三合, 方合).
struct RelationConvention {
  std::string_view name;
  SixCombinationConvention sixCombinations;
  PunishmentConvention punishments;
  HalfMeetingConvention halfMeetings;
  StemPairGrid stemPairs;
  BranchPairGrid branchPairs;
  CompletionGrid completions;
};

// The Japanese mainstream: the three conventions above.
extern const RelationConvention kJapaneseRelations;

// 干合: the element two stems form, if they combine.
inline std::optional<Element> StemCombination(Stem a, Stem b,
                                              const RelationConvention& convention = kJapaneseRelations) {
  return convention.stemPairs[a.row()][b.row()];
}

// The relations of two branches (of two different pillars).
inline const PairRelations& BranchPairRelations(Branch a, Branch b,
                                                const RelationConvention& convention = kJapaneseRelations) {
  return convention.branchPairs[a.row()][b.row()];
}

// The branches that would complete a triple with a and b.
inline const TripleCompletions& TripleCompletionsOf(Branch a, Branch b,
                                                    const RelationConvention& convention = kJapaneseRelations) {
  return convention.completions[a.row()][b.row()];
}

// 三合 or 方合 of three branches, if they form one.
std::optional<TripleRelation> BranchTriple(Branch a, Branch b, Branch c);

}  // namespace mireto
