// The four natal pillars and a table holding one value per pillar.
#pragma once

#include <array>
#include <cstddef>

namespace mireto {

enum class Pillar { Year, Month, Day, Hour };

// The pillars in the order the chart lists them.
inline constexpr std::array kPillars = {Pillar::Year, Pillar::Month, Pillar::Day, Pillar::Hour};

// One value for each pillar, indexed by Pillar.
template <typename T>
struct PerPillar {
  using value_type = T;
  using iterator = typename std::array<T, kPillars.size()>::iterator;
  using const_iterator = typename std::array<T, kPillars.size()>::const_iterator;

  std::array<T, kPillars.size()> items{};

  T& operator[](Pillar p) { return items[static_cast<std::size_t>(p)]; }
  const T& operator[](Pillar p) const { return items[static_cast<std::size_t>(p)]; }
  iterator begin() { return items.begin(); }
  iterator end() { return items.end(); }
  const_iterator begin() const { return items.begin(); }
  const_iterator end() const { return items.end(); }
  static constexpr std::size_t size() { return kPillars.size(); }
  bool operator==(const PerPillar&) const = default;
};

}  // namespace mireto
