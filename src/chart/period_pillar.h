// A pillar of time read against a chart: a luck column, a year (年運), a
// month (月運) or a day (日運). Each is read as the others are: 通変星 and
// 十二運 from the day stem, 空亡 of the day pillar, and its relations with the
// natal pillars.
#pragma once

#include <string_view>

#include "chart/pillar_relations.h"
#include "chart/void_branches.h"
#include "core/cycles.h"

namespace mireto {

struct PeriodPillar {
  CycleNumber pillar{1};
  std::string_view stem;
  std::string_view branch;
  std::string_view tenGod;
  std::string_view stage;
  bool isVoid = false;
  RelationList relations;  // with the natal pillars
};

// Given:
//   pillar        the pillar of time
//   place         where it stands in the relations: Place::Luck for a luck
//                 column, Place::Annual for a year, a month or a day
//   dayStem       the chart's day stem
//   index         the natal pillars (from IndexNatalPillars)
//   voidBranches  the chart's 空亡
// Returned: the pillar with its readings.
PeriodPillar ReadPeriodPillar(CycleNumber pillar, Place place, Stem dayStem, const NatalRelationIndex& index,
                              const VoidBranches& voidBranches);

}  // namespace mireto
