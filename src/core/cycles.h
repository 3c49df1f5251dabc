// Heavenly stems, earthly branches and sexagenary cycle numbers as small value
// types with a wrapping index.
//
// A stem is 1..10, a branch 1..12, a cycle number 1..60 (1 = 甲子, 60 = 癸亥).
// The stem of cycle number n is n mod 10 and its branch n mod 12, a remainder of
// 0 meaning 10 and 12. Stepping wraps: 癸 + 1 = 甲, 子 - 1 = 亥.
#pragma once

#include <array>
#include <cstddef>
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
  // The row of a table that lists the stems 甲 first.
  constexpr std::size_t row() const { return static_cast<std::size_t>(index - 1); }
  friend constexpr bool operator==(Stem, Stem) = default;
};

struct Branch {
  int index = 0;  // 1..12; 0 = undetermined
  constexpr Branch next(int steps = 1) const { return Branch{WrapCycle(index + steps, 12)}; }
  constexpr std::string_view name() const { return BranchNames.at(index); }
  // The row of a table that lists the branches 子 first.
  constexpr std::size_t row() const { return static_cast<std::size_t>(index - 1); }
  friend constexpr bool operator==(Branch, Branch) = default;
};

// The stems and the branches by name, so that a table reads as the books
// print it: `using namespace mireto::stems;` and then 甲, 乙, ….
namespace stems {
inline constexpr Stem 甲{1}, 乙{2}, 丙{3}, 丁{4}, 戊{5}, 己{6}, 庚{7}, 辛{8}, 壬{9}, 癸{10};
}  // namespace stems

namespace branches {
inline constexpr Branch 子{1}, 丑{2}, 寅{3}, 卯{4}, 辰{5}, 巳{6}, 午{7}, 未{8}, 申{9}, 酉{10}, 戌{11}, 亥{12};
}  // namespace branches

// Every stem and every branch in order, for loops over all of them.
inline constexpr std::array<Stem, 10> kAllStems = {
    stems::甲, stems::乙, stems::丙, stems::丁, stems::戊, stems::己, stems::庚, stems::辛, stems::壬, stems::癸,
};
inline constexpr std::array<Branch, 12> kAllBranches = {
    branches::子, branches::丑, branches::寅, branches::卯, branches::辰, branches::巳,
    branches::午, branches::未, branches::申, branches::酉, branches::戌, branches::亥,
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
