// 十二運 (twelve stages): the stage of the day stem (日干) in a branch.
//
// Each day stem is born (長生) in one branch and passes the twelve stages one
// branch at a time, forward through the branches or backward. Schools differ
// in the birth branches and the directions; a convention holds one complete
// choice, so that another school can be offered beside the default.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/cycles.h"

namespace mireto {

enum class TwelveStage : std::uint8_t { 長生, 沐浴, 冠帯, 建禄, 帝旺, 衰, 病, 死, 墓, 絶, 胎, 養 };

inline constexpr std::array<std::string_view, 12> kTwelveStageNames = {
    "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養",
};

// Where and which way the stages of one day stem run.
struct StageStart {
  Stem stem;
  Branch birth;  // the branch of 長生
  int step;      // +1: forward through the branches, -1: backward
};

// [stem][branch], 甲 and 子 first
using TwelveStageGrid = std::array<std::array<TwelveStage, kAllBranches.size()>, kAllStems.size()>;

struct TwelveStageConvention {
  std::string_view name;
  std::array<StageStart, 10> rows;  // by stem, 甲 first
  TwelveStageGrid grid;             // the rows worked out for every branch
};

// A convention from its rows, the grid filled at compile time.
constexpr TwelveStageConvention MakeTwelveStageConvention(std::string_view name,
                                                          const std::array<StageStart, 10>& rows) {
  TwelveStageConvention c{name, rows, {}};
  constexpr int kStages = static_cast<int>(kTwelveStageNames.size());
  for (const StageStart& row : rows) {
    for (const Branch b : kAllBranches) {
      const int steps = ((b.index - row.birth.index) * row.step % kStages + kStages) % kStages;
      c.grid[row.stem.row()][b.row()] = static_cast<TwelveStage>(steps);
    }
  }
  return c;
}

// The Japanese mainstream: yang stems count forward, yin stems backward
// (陽順陰逆), and 戊 and 己 take the birth branches of 丙 and 丁 (火土同根).
extern const TwelveStageConvention kYangForwardFireEarth;

TwelveStage TwelveStageOf(Stem dayStem, Branch branch, const TwelveStageConvention& convention = kYangForwardFireEarth);

constexpr std::string_view TwelveStageName(TwelveStage stage) {
  return kTwelveStageNames[static_cast<std::size_t>(stage)];
}

}  // namespace mireto
