// 五行 (the five elements) and 陰陽 of the stems and branches, and the
// five-element balance of a chart.
//
// The elements in generating order (相生): 木 → 火 → 土 → 金 → 水 → 木; each
// controls (相剋) the element two steps on: 木 → 土 → 水 → 火 → 金 → 木. A stem's
// element is (index - 1) / 2 and odd stems (甲 丙 …) are 陽. A branch has its
// own element (子 水, 丑 土, 寅 木 …); its 陰陽 is a school's choice, held by a
// named convention.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "chart/natal_pillars.h"
#include "core/cycles.h"

namespace mireto {

// 木 火 土 金 水.
enum class Element : std::uint8_t { Wood, Fire, Earth, Metal, Water };

// The elements in generating order, the order of the enumeration.
inline constexpr std::array kElements = {Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water};

inline constexpr std::array<std::string_view, 5> kElementNames = {"木", "火", "土", "金", "水"};

constexpr std::string_view ElementName(Element e) { return kElementNames[static_cast<std::size_t>(e)]; }

// The element e produces (生) and the one it controls (剋).
constexpr Element ProducedBy(Element e) { return kElements[(static_cast<std::size_t>(e) + 1) % 5]; }
constexpr Element ControlledBy(Element e) { return kElements[(static_cast<std::size_t>(e) + 2) % 5]; }

// 陽 and 陰.
enum class Polarity : std::uint8_t { Yang, Yin };

// Element of each branch, 子 first.
inline constexpr std::array<Element, 12> kBranchElements = {
    Element::Water,  // 子
    Element::Earth,  // 丑
    Element::Wood,   // 寅
    Element::Wood,   // 卯
    Element::Earth,  // 辰
    Element::Fire,   // 巳
    Element::Fire,   // 午
    Element::Earth,  // 未
    Element::Metal,  // 申
    Element::Metal,  // 酉
    Element::Earth,  // 戌
    Element::Water,  // 亥
};

constexpr Element ElementOf(Stem s) { return kElements[static_cast<std::size_t>((s.index - 1) / 2)]; }
constexpr Element ElementOf(Branch b) { return kBranchElements[b.row()]; }
constexpr Polarity PolarityOf(Stem s) { return s.index % 2 == 1 ? Polarity::Yang : Polarity::Yin; }

// 陰陽 of the branches, a school's choice: one value per branch, 子 first.
struct BranchPolarityConvention {
  std::string_view name;
  std::array<Polarity, 12> polarities;
};

// The order of the branches: 子 寅 辰 午 申 戌 (odd indices) 陽, the others 陰.
// (Reading 子/巳 and 午/亥 by their use swaps those two pairs; that would be
// another convention.)
// clang-format off
inline constexpr BranchPolarityConvention kBranchPolarityByOrder = {
    "地支の順（奇数が陽）",
    {Polarity::Yang, Polarity::Yin, Polarity::Yang, Polarity::Yin, Polarity::Yang, Polarity::Yin,
     Polarity::Yang, Polarity::Yin, Polarity::Yang, Polarity::Yin, Polarity::Yang, Polarity::Yin},
};
// clang-format on

constexpr Polarity PolarityOf(Branch b, const BranchPolarityConvention& convention = kBranchPolarityByOrder) {
  return convention.polarities[b.row()];
}

// How many characters belong to each element, indexed by Element.
struct ElementCounts {
  std::array<int, 5> counts{};

  int operator[](Element e) const { return counts[static_cast<std::size_t>(e)]; }
  int& operator[](Element e) { return counts[static_cast<std::size_t>(e)]; }
  bool operator==(const ElementCounts&) const = default;
};

struct FiveElementBalance {
  ElementCounts visible;              // the stems and branches: 8 characters, 6 with the hour unknown
  ElementCounts withHidden;           // the same and each pillar's hidden stem: 12, or 9
  int yang = 0;                       // 陽 among the stems and branches
  int yin = 0;                        // 陰 among them
  Element dayMaster = Element::Wood;  // element of the day stem (日主)
};

// The balance of the known pillars of a chart.
FiveElementBalance BalanceOf(const NatalPillars& natal,
                             const BranchPolarityConvention& polarity = kBranchPolarityByOrder);

}  // namespace mireto
