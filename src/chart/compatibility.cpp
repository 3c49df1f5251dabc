#include "chart/compatibility.h"
#include "chart/ten_gods.h"

#include <algorithm>

namespace mireto {

namespace {

std::size_t KnownCount(const NatalPillars& n) { return n.knownCount(); }

void AddVoidHits(std::vector<VoidHit>& hits, Person of, const VoidBranches& voids, const NatalPillars& other) {
  for (std::size_t i = 0; i < KnownCount(other); ++i) {
    const Pillar p = kPillars[i];
    if (voids.Contains(other.pillars[p].branch)) hits.push_back({of, p});
  }
}

}  // namespace

// Given:
//   a, b        the two people's natal pillars (an hour only when known)
//   convention  the school's relation rules
// Returned:
//   the relations of every pillar of a with every pillar of b, the day
//   stems' ten gods each way, and each day pillar's 空亡 on the other's branches.
// Source: the note on elements and relations, "Relations"; ten_gods.h; void_branches.h.
Compatibility CompatibilityOf(const NatalPillars& a, const NatalPillars& b, const RelationConvention& convention) {
  Compatibility c;
  for (std::size_t i = 0; i < KnownCount(a); ++i) {
    for (std::size_t j = 0; j < KnownCount(b); ++j) {
      const Pillar pa = kPillars[i];
      const Pillar pb = kPillars[j];
      const PillarCharacters& x = a.pillars[pa];
      const PillarCharacters& y = b.pillars[pb];
      if (const auto element = StemCombination(x.stem, y.stem, convention)) {
        c.relations.push_back({RelationKind::StemCombination, pa, pb, element});
      }
      for (const PairRelation& r : BranchPairRelations(x.branch, y.branch, convention)) {
        c.relations.push_back({r.kind, pa, pb, r.element()});
      }
    }
  }
  // Written in the order of the pillars: a stable sort by kind gives the order.
  std::stable_sort(c.relations.begin(), c.relations.end(),
                   [](const CrossRelation& l, const CrossRelation& r) { return l.kind < r.kind; });

  const PillarCharacters& dayA = a.pillars[Pillar::Day];
  const PillarCharacters& dayB = b.pillars[Pillar::Day];
  c.bFromA = TenGodOf(dayA.stem, dayB.stem);
  c.aFromB = TenGodOf(dayB.stem, dayA.stem);
  c.voidOfA = VoidBranchesOf(dayA.stem, dayA.branch);
  c.voidOfB = VoidBranchesOf(dayB.stem, dayB.branch);
  AddVoidHits(c.voidHits, Person::A, c.voidOfA, b);
  AddVoidHits(c.voidHits, Person::B, c.voidOfB, a);
  return c;
}

}  // namespace mireto
