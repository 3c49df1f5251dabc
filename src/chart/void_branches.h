// 空亡 (天中殺): the two branches a pillar's 旬 leaves without a stem.
//
// A 旬 is the run of ten cycle numbers that starts at a 甲 stem. Its ten stems
// meet ten of the twelve branches; the two left over are its 空亡. The chart's
// 空亡 is that of the day pillar, and any pillar whose branch is one of the
// two is "in 空亡".
#pragma once

#include <string_view>

#include "core/cycles.h"

namespace mireto {

struct VoidBranches {
  Branch first;
  Branch second;
  std::string_view names;  // both branches, e.g. "子丑"

  constexpr bool Contains(Branch b) const { return b == first || b == second; }
};

// The 空亡 of the 旬 that holds the pillar stem + branch (same yin/yang).
VoidBranches VoidBranchesOf(Stem stem, Branch branch);

}  // namespace mireto
