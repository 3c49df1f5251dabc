#include "chart/relation_rules.h"

namespace mireto {

namespace {

using namespace stems;
using namespace branches;

struct StemCombinationRow {
  Stem first;
  Stem second;
  Element element;
};

// 干合.
constexpr std::array<StemCombinationRow, 5> kStemCombinations = {{
    {甲, 己, Element::Earth},
    {乙, 庚, Element::Metal},
    {丙, 辛, Element::Water},
    {丁, 壬, Element::Wood},
    {戊, 癸, Element::Fire},
}};

using BranchPair = std::array<Branch, 2>;

// 害 (六害).
constexpr std::array<BranchPair, 6> kHarms = {{
    {子, 未},
    {丑, 午},
    {寅, 巳},
    {卯, 辰},
    {申, 亥},
    {酉, 戌},
}};

// 破.
constexpr std::array<BranchPair, 6> kBreaks = {{
    {子, 酉},
    {丑, 辰},
    {寅, 亥},
    {卯, 午},
    {巳, 申},
    {未, 戌},
}};

struct TripleRow {
  BranchGroup branches;  // a 三合 triple has its cardinal in the middle
  Element element;
};

// 三合 (三合会局).
constexpr std::array<TripleRow, 4> kThreeHarmonies = {{
    {{申, 子, 辰}, Element::Water},
    {{亥, 卯, 未}, Element::Wood},
    {{寅, 午, 戌}, Element::Fire},
    {{巳, 酉, 丑}, Element::Metal},
}};

// 方合 (方合会局).
constexpr std::array<TripleRow, 4> kDirections = {{
    {{寅, 卯, 辰}, Element::Wood},
    {{巳, 午, 未}, Element::Fire},
    {{申, 酉, 戌}, Element::Metal},
    {{亥, 子, 丑}, Element::Water},
}};

constexpr bool InGroup(const BranchGroup& g, Branch b) {
  return b != Branch{} && (g[0] == b || g[1] == b || g[2] == b);
}

constexpr bool IsPair(const BranchPair& row, Branch a, Branch b) {
  return (row[0] == a && row[1] == b) || (row[0] == b && row[1] == a);
}

template <std::size_t N>
constexpr bool AnyPair(const std::array<BranchPair, N>& rows, Branch a, Branch b) {
  for (const auto& row : rows) {
    if (IsPair(row, a, b)) return true;
  }
  return false;
}

constexpr void Add(PairRelations& cell, RelationKind kind, Element element = Element::Wood) {
  cell.items[cell.count++] = PairRelation{kind, element};  // past kMostPairRelations: not a constant expression
}

// Every relation of branches a and b, in the order of RelationKind.
constexpr PairRelations RelationsOfPair(Branch a, Branch b, const SixCombinationConvention& six,
                                        const PunishmentConvention& punishments, const HalfMeetingConvention& half) {
  PairRelations cell;
  for (const BranchCombination& row : six.rows) {
    if (IsPair({row.first, row.second}, a, b)) Add(cell, RelationKind::SixCombination, row.element);
  }
  for (const TripleRow& row : kThreeHarmonies) {
    const bool bothIn = a != b && InGroup(row.branches, a) && InGroup(row.branches, b);
    const Branch cardinal = row.branches[1];
    if (bothIn && (!half.cardinalRequired || a == cardinal || b == cardinal)) {
      Add(cell, RelationKind::HalfMeeting, row.element);
    }
  }
  if (a.next(static_cast<int>(kAllBranches.size()) / 2) == b) Add(cell, RelationKind::Clash);
  for (const BranchGroup& g : punishments.groups) {
    if (a != b && InGroup(g, a) && InGroup(g, b)) Add(cell, RelationKind::Punishment);
  }
  for (const Branch s : punishments.selfPunishing) {
    if (a == b && a == s) Add(cell, RelationKind::SelfPunishment);
  }
  if (AnyPair(kHarms, a, b)) Add(cell, RelationKind::Harm);
  if (AnyPair(kBreaks, a, b)) Add(cell, RelationKind::Break);
  return cell;
}

constexpr StemPairGrid MakeStemPairGrid() {
  StemPairGrid grid{};
  for (const StemCombinationRow& row : kStemCombinations) {
    grid[row.first.row()][row.second.row()] = row.element;
    grid[row.second.row()][row.first.row()] = row.element;
  }
  return grid;
}

// For two different branches of one row, the third member completes it.
constexpr void MarkCompletions(CompletionGrid& grid, const std::array<TripleRow, 4>& rows, RelationKind kind) {
  for (const TripleRow& row : rows) {
    for (const Branch third : row.branches) {
      for (const Branch a : row.branches) {
        for (const Branch b : row.branches) {
          if (a == b || a == third || b == third) continue;
          TripleCompletions& cell = grid[a.row()][b.row()];
          cell.items[cell.count++] = TripleCompletion{third, TripleRelation{kind, row.element}};
        }
      }
    }
  }
}

constexpr CompletionGrid MakeCompletionGrid() {
  CompletionGrid grid{};
  MarkCompletions(grid, kThreeHarmonies, RelationKind::ThreeHarmony);
  MarkCompletions(grid, kDirections, RelationKind::Direction);
  return grid;
}

constexpr RelationConvention MakeRelationConvention(std::string_view name, const SixCombinationConvention& six,
                                                    const PunishmentConvention& punishments,
                                                    const HalfMeetingConvention& half) {
  RelationConvention c{name, six, punishments, half, MakeStemPairGrid(), {}, MakeCompletionGrid()};
  for (const Branch a : kAllBranches) {
    for (const Branch b : kAllBranches) c.branchPairs[a.row()][b.row()] = RelationsOfPair(a, b, six, punishments, half);
  }
  return c;
}

// The triple, if any, of every three branches: [a][b][c], 子 first.
constexpr std::size_t kBranchCount = kAllBranches.size();
using TripleGrid =
    std::array<std::array<std::array<std::optional<TripleRelation>, kBranchCount>, kBranchCount>, kBranchCount>;

constexpr void MarkTriples(TripleGrid& grid, const std::array<TripleRow, 4>& rows, RelationKind kind) {
  for (const TripleRow& row : rows) {
    for (const Branch a : row.branches) {
      for (const Branch b : row.branches) {
        for (const Branch c : row.branches) {
          if (a == b || b == c || a == c) continue;
          grid[a.row()][b.row()][c.row()] = TripleRelation{kind, row.element};
        }
      }
    }
  }
}

constexpr TripleGrid MakeTripleGrid() {
  TripleGrid grid{};
  MarkTriples(grid, kThreeHarmonies, RelationKind::ThreeHarmony);
  MarkTriples(grid, kDirections, RelationKind::Direction);
  return grid;
}

constexpr TripleGrid kTripleGrid = MakeTripleGrid();

}  // namespace

constexpr SixCombinationConvention kSixCombinationsNoonEarth = {
    "午未は土",
    {{
        {子, 丑, Element::Earth},
        {寅, 亥, Element::Wood},
        {卯, 戌, Element::Fire},
        {辰, 酉, Element::Metal},
        {巳, 申, Element::Water},
        {午, 未, Element::Earth},
    }},
};

constexpr PunishmentConvention kThreePunishments = {
    "子卯・寅巳申・丑戌未と辰午酉亥の自刑",
    {{
        {子, 卯, Branch{}},  // 無礼の刑
        {寅, 巳, 申},        // 恃勢の刑
        {丑, 戌, 未},        // 無恩の刑
    }},
    {辰, 午, 酉, 亥},
};

constexpr HalfMeetingConvention kHalfMeetingWithCardinal = {
    "旺支を含む二支（三合が成れば半会とせず）",
    true,
    true,
};

constexpr RelationConvention kJapaneseRelations =
    MakeRelationConvention("日本の通説", kSixCombinationsNoonEarth, kThreePunishments, kHalfMeetingWithCardinal);

std::optional<TripleRelation> BranchTriple(Branch a, Branch b, Branch c) {
  return kTripleGrid[a.row()][b.row()][c.row()];
}

}  // namespace mireto
