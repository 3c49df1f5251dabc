#include "chart/void_branches.h"

#include <array>

namespace mireto {

namespace {

using namespace branches;

struct DecadeRow {
  Branch start;      // branch of the 甲 that opens the 旬
  Branch firstVoid;  // the two branches left over
  Branch secondVoid;
  std::string_view names;
};

// The six 旬, in the order of their starting branch.
constexpr auto kDecades = std::to_array<DecadeRow>({
    {子, 戌, 亥, "戌亥"},  // 甲子旬
    {寅, 子, 丑, "子丑"},  // 甲寅旬
    {辰, 寅, 卯, "寅卯"},  // 甲辰旬
    {午, 辰, 巳, "辰巳"},  // 甲午旬
    {申, 午, 未, "午未"},  // 甲申旬
    {戌, 申, 酉, "申酉"},  // 甲戌旬
});

constexpr int kBranches = 12;

}  // namespace

VoidBranches VoidBranchesOf(Stem stem, Branch branch) {
  // Counting the stem back to 甲 counts the branch back as far: the 旬 starts
  // at branch (branch - stem) mod 12, always an odd index (子 寅 辰 …).
  const int start0 = ((branch.index - stem.index) % kBranches + kBranches) % kBranches;
  const DecadeRow& row = kDecades[static_cast<std::size_t>(start0 / 2)];
  return VoidBranches{row.firstVoid, row.secondVoid, row.names};
}

}  // namespace mireto
