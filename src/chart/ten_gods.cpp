#include "chart/ten_gods.h"

#include "chart/five_elements.h"

namespace mireto {

namespace {

// How the other stem's element stands to the day stem's, as the number of
// steps from the day element to the other along 木 火 土 金 水.
enum class ElementRelation : std::uint8_t {
  Same,         // 0 steps
  Produced,     // 1: the day stem produces it
  Controlled,   // 2: the day stem controls it
  Controlling,  // 3: it controls the day stem
  Producing,    // 4: it produces the day stem
};

struct TenGodRow {
  ElementRelation relation;
  TenGod samePolarity;
  TenGod oppositePolarity;
};

// Rows in the order of ElementRelation.
constexpr auto kTenGodRows = std::to_array<TenGodRow>({
    {ElementRelation::Same, TenGod::比肩, TenGod::劫財},
    {ElementRelation::Produced, TenGod::食神, TenGod::傷官},
    {ElementRelation::Controlled, TenGod::偏財, TenGod::正財},
    {ElementRelation::Controlling, TenGod::偏官, TenGod::正官},
    {ElementRelation::Producing, TenGod::偏印, TenGod::印綬},
});

constexpr std::size_t kElementCount = kTenGodRows.size();

// The steps from the day stem's element to the other's, 0..4.
constexpr std::size_t ElementSteps(Stem dayStem, Stem other) {
  const auto from = static_cast<std::size_t>(ElementOf(dayStem));
  const auto to = static_cast<std::size_t>(ElementOf(other));
  return (to + kElementCount - from) % kElementCount;
}

constexpr TenGod Relation(Stem dayStem, Stem other) {
  const TenGodRow& row = kTenGodRows[ElementSteps(dayStem, other)];
  return PolarityOf(dayStem) == PolarityOf(other) ? row.samePolarity : row.oppositePolarity;
}

// Every pair worked out once, at compile time: [day stem][other], 甲 first.
using TenGodGrid = std::array<std::array<TenGod, kAllStems.size()>, kAllStems.size()>;

constexpr TenGodGrid MakeGrid() {
  TenGodGrid grid{};
  for (const Stem day : kAllStems) {
    for (const Stem other : kAllStems) grid[day.row()][other.row()] = Relation(day, other);
  }
  return grid;
}

constexpr TenGodGrid kTenGodGrid = MakeGrid();

}  // namespace

TenGod TenGodOf(Stem dayStem, Stem other) { return kTenGodGrid[dayStem.row()][other.row()]; }

std::string_view TenGodName(TenGod god, const TenGodNaming& naming) {
  return naming.names[static_cast<std::size_t>(god)];
}

}  // namespace mireto
