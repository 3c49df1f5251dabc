// 相性: what stands between two people's charts. Every pillar of one person
// is set against every pillar of the other for the relations of two pillars
// (干合 of the stems; 支合, 半会, 冲, 刑, 自刑, 害 and 破 of the branches); each
// day stem is read as a 通変星 from the other; and each person's 空亡 is looked
// for among the other's branches. An unknown hour takes no part.
//
// The tables are those of relation_rules.h (the same convention as within one
// chart); no triple is formed across two charts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "chart/natal_pillars.h"
#include "chart/relation_rules.h"
#include "chart/void_branches.h"

namespace mireto {

// ten_gods.h (whose Japanese enumerators the Qt meta-object compiler cannot read).
enum class TenGod : std::uint8_t;

enum class Person : std::uint8_t { A, B };

// A relation between a pillar of A and a pillar of B.
struct CrossRelation {
  RelationKind kind;
  Pillar a;
  Pillar b;
  std::optional<Element> element;  // the element formed (干合 支合 半会)

  bool operator==(const CrossRelation&) const = default;
};

// One person's 空亡 falling on a branch of the other.
struct VoidHit {
  Person of;  // whose 空亡
  Pillar on;  // the other person's pillar
  bool operator==(const VoidHit&) const = default;
};

struct Compatibility {
  // Sorted by kind (in the order of RelationKind), then by A's pillar, then
  // by B's, each in the order year, month, day, hour.
  std::vector<CrossRelation> relations;
  TenGod bFromA;  // B's day stem read from A's day stem
  TenGod aFromB;
  VoidBranches voidOfA;  // each day pillar's 空亡
  VoidBranches voidOfB;
  // A's 空亡 on B's branches first, then B's on A's, each in pillar order.
  std::vector<VoidHit> voidHits;
};

Compatibility CompatibilityOf(const NatalPillars& a, const NatalPillars& b,
                              const RelationConvention& convention = kJapaneseRelations);

}  // namespace mireto
