// Fixed name tables: heavenly stems, earthly branches and weekdays.
//
// Stems 1..10 = 甲 乙 丙 丁 戊 己 庚 辛 壬 癸, branches 1..12 = 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥,
// weekdays 1..7 = 日 (Sunday) .. 土 (Saturday). Index 0 of the stem and branch
// tables is "□", the placeholder shown for a pillar that cannot be determined.
#pragma once

#include <array>
#include <string_view>

namespace mireto {

inline constexpr std::array<std::string_view, 11> StemNames = {
    "□",  // 0: undetermined
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸",
};

inline constexpr std::array<std::string_view, 13> BranchNames = {
    "□",  // 0: undetermined
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥",
};

inline constexpr std::array<std::string_view, 8> WeekdayNames = {
    "",  // 0: unused, weekdays count 1..7
    "日", "月", "火", "水", "木", "金", "土",
};

inline constexpr std::string_view kPlaceholder = "□";

}  // namespace mireto
