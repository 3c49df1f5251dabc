// Heavenly stems, earthly branches and sexagenary cycle numbers as small value
// types with a wrapping index.
//
// A stem is 1..10, a branch 1..12, a cycle number 1..60 (1 = 甲子, 60 = 癸亥).
// The stem of cycle number n is n mod 10 and its branch n mod 12, a remainder of
// 0 meaning 10 and 12. Stepping wraps: 癸 + 1 = 甲, 子 - 1 = 亥.
#pragma once

#include <string_view>

#include "core/names.h"

namespace mireto {

// Wraps any integer into 1..n.
constexpr int WrapCycle(int value, int n) {
  const int r = ((value % n) + n) % n;
  return r == 0 ? n : r;
}

struct Stem {
  int index = 0;  // 1..10; 0 = undetermined
  constexpr Stem next(int steps = 1) const { return Stem{WrapCycle(index + steps, 10)}; }
  constexpr std::string_view name() const { return StemNames.at(index); }
  friend constexpr bool operator==(Stem, Stem) = default;
};

struct Branch {
  int index = 0;  // 1..12; 0 = undetermined
  constexpr Branch next(int steps = 1) const { return Branch{WrapCycle(index + steps, 12)}; }
  constexpr std::string_view name() const { return BranchNames.at(index); }
  friend constexpr bool operator==(Branch, Branch) = default;
};

struct CycleNumber {
  int value = 1;  // 1..60
  constexpr Stem stem() const { return Stem{WrapCycle(value, 10)}; }
  constexpr Branch branch() const { return Branch{WrapCycle(value, 12)}; }
};

// The cycle number of a stem and a branch of the same yin/yang (both odd or
// both even indices): the n with n mod 10 = stem and n mod 12 = branch, which
// by the Chinese remainder theorem is 6 stem - 5 branch modulo 60.
// 甲子 gives 1, 甲戌 11, 癸亥 60.
constexpr CycleNumber CycleOf(Stem stem, Branch branch) {
  return CycleNumber{WrapCycle(6 * stem.index - 5 * branch.index, 60)};
}

}  // namespace mireto
