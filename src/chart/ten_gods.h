// 通変星 (ten gods): what another stem is to the day stem (日干).
//
// The relation combines the two stems' elements and their yin/yang. A stem's
// element is (index - 1) / 2 in the order 木 火 土 金 水; odd indices (甲 丙 …)
// are yang, even ones yin. Along that order each element produces the next
// (木→火→土→金→水→木) and controls the one after it (木→土→水→火→金→木). Names
// are those of Japanese 四柱推命 (印綬 rather than 正印, 偏官 rather than 七殺).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/cycles.h"

namespace mireto {

enum class TenGod : std::uint8_t { 比肩, 劫財, 食神, 傷官, 偏財, 正財, 偏官, 正官, 偏印, 印綬 };

// Names of the ten gods in the order of the enumeration.
struct TenGodNaming {
  std::string_view convention;
  std::array<std::string_view, 10> names;
};

inline constexpr TenGodNaming kJapaneseTenGodNames = {
    "日本の通用名",
    {"比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬"},
};

// Shown for the day stem itself, which has no ten god.
inline constexpr std::string_view kDayMaster = "日主";

// The ten god of stem other seen from dayStem (both 1..10).
TenGod TenGodOf(Stem dayStem, Stem other);

std::string_view TenGodName(TenGod god, const TenGodNaming& naming = kJapaneseTenGodNames);

}  // namespace mireto
