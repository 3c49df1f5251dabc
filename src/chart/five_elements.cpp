#include "chart/five_elements.h"

namespace mireto {

// Given:
//   natal     the natal pillars; the hour pillar counts only when known
//   polarity  the branches' 陰陽
// Returned:
//   the counts of the stems and branches by element and by 陰陽, the same
//   element counts with the hidden stems added, and the day stem's element.
// Source: the note on elements and relations, "Five-element balance".
FiveElementBalance BalanceOf(const NatalPillars& natal, const BranchPolarityConvention& polarity) {
  FiveElementBalance b;
  for (std::size_t i = 0; i < natal.knownCount(); ++i) {
    const PillarCharacters& p = natal.pillars[kPillars[i]];
    ++b.visible[ElementOf(p.stem)];
    ++b.visible[ElementOf(p.branch)];
    ++b.withHidden[ElementOf(p.hiddenStem)];
    const int yang = (PolarityOf(p.stem) == Polarity::Yang) + (PolarityOf(p.branch, polarity) == Polarity::Yang);
    b.yang += yang;
    b.yin += 2 - yang;
  }
  for (const Element e : kElements) b.withHidden[e] += b.visible[e];
  b.dayMaster = ElementOf(natal.pillars[Pillar::Day].stem);
  return b;
}

}  // namespace mireto
