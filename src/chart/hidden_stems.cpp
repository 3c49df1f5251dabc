// Season element (旺) and the hidden stems (蔵干) of the four branches.
#include <array>
#include <string_view>

#include "chart/chart_steps.h"

namespace mireto::steps {

namespace {

using namespace stems;
using namespace branches;

bool InRange(double x, double from, double to) { return x >= from && x < to; }

// Season element and month hidden stem. Each season of 90 deg of longitude:
// its yang stem the first 36 deg, its yin stem the next 36, 土 the last 18
// before the next season's first term.
struct SeasonRow {
  int solarMonthA, solarMonthB;  // the two full months of the season
  int edgeMonth;                 // the third month, split at the 土 boundary
  double earthFrom;              // start of 土 in the third month, degrees
  std::string_view element;
  double yangFrom, yangTo;  // the yang stem's share, degrees
  Stem yang, yin, earthStem;
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

// Which part of a branch's time holds its early stem.
enum class EarlyShare {
  None,      // one stem throughout (寅 巳 申 亥)
  First,     // the first share (子 卯 午 酉)
  FirstTwo,  // the first two shares (丑 辰 未 戌)
};

// The hidden stems of a branch, in the order of the branches.
struct BranchStemsRow {
  Branch branch;
  EarlyShare share;
  Stem early;  // within the early share
  Stem late;   // after it
};

constexpr auto kBranchStems = std::to_array<BranchStemsRow>({
    {子, EarlyShare::First, 壬, 癸},
    {丑, EarlyShare::FirstTwo, 癸, 己},
    {寅, EarlyShare::None, 甲, 甲},
    {卯, EarlyShare::First, 甲, 乙},
    {辰, EarlyShare::FirstTwo, 乙, 戊},
    {巳, EarlyShare::None, 丙, 丙},
    {午, EarlyShare::First, 丙, 丁},
    {未, EarlyShare::FirstTwo, 丁, 己},
    {申, EarlyShare::None, 庚, 庚},
    {酉, EarlyShare::First, 庚, 辛},
    {戌, EarlyShare::FirstTwo, 辛, 戊},
    {亥, EarlyShare::None, 壬, 壬},
});

constexpr bool InBranchOrder() {
  for (const Branch b : kAllBranches) {
    if (kBranchStems[b.row()].branch != b) return false;
  }
  return true;
}
static_assert(InBranchOrder());

// Hidden stem of a branch given whether the moment lies in the branch's first
// share or its first two shares.
Stem BranchHiddenStem(Branch branch, bool firstShare, bool firstTwoShares) {
  const BranchStemsRow& row = kBranchStems[branch.row()];
  const bool early =
      (row.share == EarlyShare::First && firstShare) || (row.share == EarlyShare::FirstTwo && firstTwoShares);
  return early ? row.early : row.late;
}

// The early share of an hour branch in true solar clock time: the first fifth
// (24 min) or two fifths (48 min) of the two-hour branch.
struct HourShareRow {
  Branch branch;
  double earlyFrom, earlyTo;  // hours
};

constexpr auto kHourShares = std::to_array<HourShareRow>({
    {子, 23, 23.4},
    {丑, 1, 1.8},
    {卯, 5, 5.4},
    {辰, 7, 7.8},
    {午, 11, 11.4},
    {未, 13, 13.8},
    {酉, 17, 17.4},
    {戌, 19, 19.8},
});

// Hidden stem of the hour branch by true solar clock time T (hours).
Stem HourHiddenStem(Branch branch, double T) {
  const BranchStemsRow& row = kBranchStems[branch.row()];
  for (const HourShareRow& share : kHourShares) {
    if (share.branch == branch) return InRange(T, share.earlyFrom, share.earlyTo) ? row.early : row.late;
  }
  return row.late;  // 寅 巳 申 亥
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
