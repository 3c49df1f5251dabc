// Season element (旺) and the hidden stems (蔵干) of the four branches.
#include <array>
#include <string_view>

#include "chart/chart_steps.h"

namespace mireto::steps {

namespace {

enum StemIndex { 甲 = 1, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 };
enum BranchIndex { 子 = 1, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 };

bool InRange(double x, double from, double to) { return x >= from && x < to; }

// Season element and month hidden stem. Each season of 90 deg of longitude:
// its yang stem the first 36 deg, its yin stem the next 36, 土 the last 18
// before the next season's first term.
struct SeasonRow {
  int solarMonthA, solarMonthB;  // the two full months of the season
  int edgeMonth;                 // the third month, split at the 土 boundary
  double earthFrom;              // start of 土 in the third month, degrees
  std::string_view element;
  double yangFrom, yangTo;       // the yang stem's share, degrees
  int yang, yin, earthStem;
};

constexpr auto kSeasons = std::to_array<SeasonRow>({
    {2, 3, 4, 27, "木", 315, 351, 甲, 乙, 戊},
    {5, 6, 7, 117, "火", 45, 81, 丙, 丁, 己},
    {8, 9, 10, 207, "金", 135, 171, 庚, 辛, 戊},
    {11, 12, 1, 297, "水", 225, 261, 壬, 癸, 己},
});

void SeasonAndMonthStem(ChartRecord& r, ChartDisplay& d) {
  const double L = r.sunLongitude;
  for (const SeasonRow& s : kSeasons) {
    const bool full = r.solarMonth == s.solarMonthA || r.solarMonth == s.solarMonthB;
    const bool edge = r.solarMonth == s.edgeMonth;
    if (edge && L >= s.earthFrom) {
      d.seasonElement = "土";
      r.hiddenStems[Pillar::Month] = s.earthStem;
    } else if (full || edge) {
      d.seasonElement = std::string(s.element);
      r.hiddenStems[Pillar::Month] = InRange(L, s.yangFrom, s.yangTo) ? s.yang : s.yin;
    }
  }
}

// Hidden stem of a branch given whether the moment lies in the branch's first
// share (for 子 卯 午 酉) or its first two shares (for 丑 辰 未 戌).
int BranchHiddenStem(int branch, bool firstShare, bool firstTwoShares) {
  switch (branch) {
    case 寅: return 甲;
    case 巳: return 丙;
    case 申: return 庚;
    case 亥: return 壬;
    case 子: return firstShare ? 壬 : 癸;
    case 卯: return firstShare ? 甲 : 乙;
    case 午: return firstShare ? 丙 : 丁;
    case 酉: return firstShare ? 庚 : 辛;
    case 丑: return firstTwoShares ? 癸 : 己;
    case 辰: return firstTwoShares ? 乙 : 戊;
    case 未: return firstTwoShares ? 丁 : 己;
    case 戌: return firstTwoShares ? 辛 : 戊;
  }
  return 0;
}

// Hidden stem of the hour branch by true solar clock time T (hours): the first
// fifth (24 min) or two fifths (48 min) of the two-hour branch.
int HourHiddenStem(int branch, double T) {
  switch (branch) {
    case 子: return InRange(T, 23, 23.4) ? 壬 : 癸;
    case 丑: return T < 1.8 ? 癸 : 己;
    case 卯: return T < 5.4 ? 甲 : 乙;
    case 辰: return T < 7.8 ? 乙 : 戊;
    case 午: return T < 11.4 ? 丙 : 丁;
    case 未: return T < 13.8 ? 丁 : 己;
    case 酉: return T < 17.4 ? 庚 : 辛;
    case 戌: return T < 19.8 ? 辛 : 戊;
  }
  return BranchHiddenStem(branch, false, false);  // 寅 巳 申 亥
}

}  // namespace

void HiddenStems(ChartRecord& r, ChartDisplay& d) {
  SeasonAndMonthStem(r, d);
  const double L = r.sunLongitude;
  // Year: 72 deg (or 144 deg) after 立春 at 315 deg.
  const bool first72 = InRange(L, 315, 360) || InRange(L, 0, 27);
  const bool first144 = InRange(L, 315, 360) || InRange(L, 0, 99);
  r.hiddenStems[Pillar::Year] = BranchHiddenStem(r.branches[Pillar::Year], first72, first144);
  // Day: the same shares of the day counted from 0:00 true solar time.
  const double T = r.trueSolarTime.hour + r.trueSolarTime.minute / 60;
  r.hiddenStems[Pillar::Day] = BranchHiddenStem(r.branches[Pillar::Day], T < 4.8, T < 9.6);
  r.hiddenStems[Pillar::Hour] = HourHiddenStem(r.branches[Pillar::Hour], T);
}

}  // namespace mireto::steps
