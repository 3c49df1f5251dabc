// The pillar table as 命式詳細 lays it out, shared by its text, the 相性 text
// and the windows: the columns 時柱 日柱 月柱 年柱 from left to right (the
// year on the right, as the main window shows the pillars), and one row per
// reading of a pillar. The 空亡 row below them is each table's own.
#pragma once

#include <array>
#include <string_view>

#include "chart/chart_details.h"

namespace mireto {

inline constexpr std::array<Pillar, 4> kPillarTableOrder = {Pillar::Hour, Pillar::Day, Pillar::Month, Pillar::Year};
inline constexpr std::array<std::string_view, 4> kPillarTableTitles = {"時柱", "日柱", "月柱", "年柱"};

struct PillarRow {
  std::string_view label;
  std::string_view PillarDetails::*item;
};

inline constexpr std::array<PillarRow, 7> kPillarTableRows = {{
    {"通変星", &PillarDetails::tenGod},
    {"天干", &PillarDetails::stem},
    {"地支", &PillarDetails::branch},
    {"蔵干", &PillarDetails::hiddenStem},
    {"蔵干通変星", &PillarDetails::hiddenTenGod},
    {"十二運", &PillarDetails::stage},
    {"納音", &PillarDetails::nayin},
}};

// The rows written large and bold: the stem and the branch.
constexpr bool IsCharacterRow(const PillarRow& row) {
  return row.item == &PillarDetails::stem || row.item == &PillarDetails::branch;
}

}  // namespace mireto
