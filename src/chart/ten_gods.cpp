#include "chart/ten_gods.h"

namespace mireto {

namespace {

// How the other stem's element stands to the day stem's, as the number of
// steps from the day element to the other along 木 火 土 金 水.
enum class ElementRelation : std::uint8_t {
  Same,          // 0 steps
  Produced,      // 1: the day stem produces it
  Controlled,    // 2: the day stem controls it
  Controlling,   // 3: it controls the day stem
  Producing,     // 4: it produces the day stem
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

constexpr int kElements = static_cast<int>(kTenGodRows.size());
constexpr int kStems = static_cast<int>(StemNames.size()) - 1;

constexpr int ElementOf(int stem) { return (stem - 1) / 2; }
constexpr bool IsYang(int stem) { return stem % 2 == 1; }

constexpr TenGod Relation(int dayStem, int other) {
  const int steps = ((ElementOf(other) - ElementOf(dayStem)) % kElements + kElements) % kElements;
  const TenGodRow& row = kTenGodRows[static_cast<std::size_t>(steps)];
  return IsYang(dayStem) == IsYang(other) ? row.samePolarity : row.oppositePolarity;
}

// Every pair worked out once, at compile time: [day stem - 1][other - 1].
using TenGodGrid = std::array<std::array<TenGod, kStems>, kStems>;

constexpr TenGodGrid MakeGrid() {
  TenGodGrid grid{};
  for (int day = 1; day <= kStems; ++day) {
    for (int other = 1; other <= kStems; ++other) {
      grid[static_cast<std::size_t>(day - 1)][static_cast<std::size_t>(other - 1)] = Relation(day, other);
    }
  }
  return grid;
}

constexpr TenGodGrid kTenGodGrid = MakeGrid();

}  // namespace

TenGod TenGodOf(Stem dayStem, Stem other) {
  return kTenGodGrid[static_cast<std::size_t>(dayStem.index - 1)][static_cast<std::size_t>(other.index - 1)];
}

std::string_view TenGodName(TenGod god, const TenGodNaming& naming) {
  return naming.names[static_cast<std::size_t>(god)];
}

}  // namespace mireto
