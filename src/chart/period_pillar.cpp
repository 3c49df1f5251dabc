#include "chart/period_pillar.h"

#include "chart/ten_gods.h"
#include "chart/twelve_stages.h"

namespace mireto {

PeriodPillar ReadPeriodPillar(CycleNumber pillar, Place place, Stem dayStem, const NatalRelationIndex& index,
                              const VoidBranches& voidBranches) {
  PeriodPillar p;
  p.pillar = pillar;
  p.stem = pillar.stem().name();
  p.branch = pillar.branch().name();
  p.tenGod = TenGodName(TenGodOf(dayStem, pillar.stem()));
  p.stage = TwelveStageName(TwelveStageOf(dayStem, pillar.branch()));
  p.isVoid = voidBranches.Contains(pillar.branch());
  FindRelationsWith(p.relations, place, pillar.stem(), pillar.branch(), index);
  return p;
}

}  // namespace mireto
