#include "chart/term_cache.h"

namespace mireto {

const SolarTermInstant& TermCache::Almanac(const CalendarTables& tables, int year, int index) {
  const auto [it, added] = almanac_.try_emplace(Key(year, index));
  if (added) it->second = AlmanacTerm(tables, year, index);
  return it->second;
}

std::optional<TermCache::Switch> TermCache::FoundSwitch(int year, int index) const {
  const auto it = switches_.find(Key(year, index));
  if (it == switches_.end()) return std::nullopt;
  return it->second;
}

void TermCache::KeepSwitch(int year, int index, Switch found) { switches_[Key(year, index)] = found; }

}  // namespace mireto
