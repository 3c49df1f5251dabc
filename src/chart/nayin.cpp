#include "chart/nayin.h"

#include <array>

namespace mireto {

namespace {

struct NayinRow {
  int firstCycle;  // the odd cycle number of the pair; the even one follows
  std::string_view name;
};

constexpr auto kNayin = std::to_array<NayinRow>({
    {1, "海中金"},   // 甲子 乙丑
    {3, "炉中火"},   // 丙寅 丁卯
    {5, "大林木"},   // 戊辰 己巳
    {7, "路傍土"},   // 庚午 辛未
    {9, "剣鋒金"},   // 壬申 癸酉
    {11, "山頭火"},  // 甲戌 乙亥
    {13, "澗下水"},  // 丙子 丁丑
    {15, "城頭土"},  // 戊寅 己卯
    {17, "白鑞金"},  // 庚辰 辛巳
    {19, "楊柳木"},  // 壬午 癸未
    {21, "井泉水"},  // 甲申 乙酉
    {23, "屋上土"},  // 丙戌 丁亥
    {25, "霹靂火"},  // 戊子 己丑
    {27, "松柏木"},  // 庚寅 辛卯
    {29, "長流水"},  // 壬辰 癸巳
    {31, "沙中金"},  // 甲午 乙未
    {33, "山下火"},  // 丙申 丁酉
    {35, "平地木"},  // 戊戌 己亥
    {37, "壁上土"},  // 庚子 辛丑
    {39, "金箔金"},  // 壬寅 癸卯
    {41, "覆燈火"},  // 甲辰 乙巳
    {43, "天河水"},  // 丙午 丁未
    {45, "大駅土"},  // 戊申 己酉
    {47, "釵釧金"},  // 庚戌 辛亥
    {49, "桑柘木"},  // 壬子 癸丑
    {51, "大渓水"},  // 甲寅 乙卯
    {53, "沙中土"},  // 丙辰 丁巳
    {55, "天上火"},  // 戊午 己未
    {57, "柘榴木"},  // 庚申 辛酉
    {59, "大海水"},  // 壬戌 癸亥
});

constexpr bool RowsFollowTheCycle() {
  for (std::size_t i = 0; i < kNayin.size(); ++i) {
    if (kNayin[i].firstCycle != static_cast<int>(2 * i + 1)) return false;
  }
  return 2 * kNayin.size() == 60;
}
static_assert(RowsFollowTheCycle(), "one row for each pair of cycle numbers, in order");

}  // namespace

std::string_view NayinOf(CycleNumber n) { return kNayin[static_cast<std::size_t>((n.value - 1) / 2)].name; }

}  // namespace mireto
