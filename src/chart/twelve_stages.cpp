#include "chart/twelve_stages.h"

namespace mireto {

namespace {

using namespace stems;
using namespace branches;

constexpr int kForward = 1;
constexpr int kBackward = -1;

constexpr std::array<StageStart, 10> kYangForwardFireEarthRows = {{
    {甲, 亥, kForward},
    {乙, 午, kBackward},
    {丙, 寅, kForward},
    {丁, 酉, kBackward},
    {戊, 寅, kForward},   // as 丙
    {己, 酉, kBackward},  // as 丁
    {庚, 巳, kForward},
    {辛, 子, kBackward},
    {壬, 申, kForward},
    {癸, 卯, kBackward},
}};

}  // namespace

constexpr TwelveStageConvention kYangForwardFireEarth =
    MakeTwelveStageConvention("陽順陰逆・火土同根", kYangForwardFireEarthRows);

TwelveStage TwelveStageOf(Stem dayStem, Branch branch, const TwelveStageConvention& convention) {
  return convention.grid[dayStem.row()][branch.row()];
}

}  // namespace mireto
