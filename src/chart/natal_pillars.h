// The characters of the natal pillars that the readings count and compare:
// each pillar's stem, branch and the one hidden stem (蔵干) the chart shows,
// and whether the hour pillar is known.
#pragma once

#include <array>
#include <cstddef>

#include "chart/pillar.h"
#include "core/cycles.h"

namespace mireto {

struct PillarCharacters {
  Stem stem;
  Branch branch;
  Stem hiddenStem;
};

struct NatalPillars {
  PerPillar<PillarCharacters> pillars;
  bool hourKnown = true;

  // The pillars that count: year, month, day and, when known, hour.
  std::size_t knownCount() const { return hourKnown ? kPillars.size() : kPillars.size() - 1; }
};

}  // namespace mireto
