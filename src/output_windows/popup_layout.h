// Layout of the pop-up chart window frmpop01, in twips of its client area.
#pragma once

#include <array>

#include "chart/chart.h"
#include "gui/twips.h"

namespace mireto::popup {

inline constexpr int kClientWidth = 4650;
inline constexpr int kClientHeight = 3495;

enum class FontRole {
  Window,      // ＭＳ ゴシック 9 pt, the window's default
  Pillar,      // ＭＳ Ｐゴシック 12 pt bold: natal stems and branches
  HiddenStem,  // ＭＳ ゴシック 11.25 pt
  Heading,     // ＭＳ ゴシック 11.25 pt bold: 大 and 運
  Age,         // ＭＳ ゴシック 12 pt
  Luck,        // ＭＳ Ｐゴシック 12 pt, bold only as copied
};

// Fixed captions that nothing writes to. The captions at the left are as wide
// as their text and may reach into the transparent text box beside them; the
// box's text then starts after the caption's end.
struct StaticCaption {
  const char* text;
  TwipsRect rect;
  FontRole font;
};

inline constexpr std::array kStaticCaptions{
    StaticCaption{"誕生日：", {105, 120, 720, 240}, FontRole::Window},
    StaticCaption{"大運交替：", {105, 480, 900, 240}, FontRole::Window},
    StaticCaption{"交替年月：", {105, 840, 900, 240}, FontRole::Window},
    StaticCaption{"視黄経：", {105, 1200, 720, 240}, FontRole::Window},
    StaticCaption{"満年齢：", {105, 1560, 720, 240}, FontRole::Window},
    StaticCaption{"歳", {1170, 1560, 300, 240}, FontRole::Window},
    StaticCaption{"旺", {3885, 1695, 210, 240}, FontRole::Window},
    StaticCaption{"大", {4335, 1695, 255, 255}, FontRole::Heading},
    StaticCaption{"運", {4335, 1965, 255, 300}, FontRole::Heading},
};

// Single-line text boxes, skipped by the tab key, drawn on the window's background.
// What a text box shows of the chart snapshot.
enum class BoxText { Birthday, Sex, LuckStart, LuckChange, SunLongitude, Age };

struct TextBox {
  const char* name;
  TwipsRect rect;
  bool readOnly;
  bool centred;
  BoxText shows;
};

// txtMW is a little wider than 210 twips so that one kanji fits inside the
// text box's own margins; it still ends left of Command1.
inline constexpr std::array kTextBoxes{
    TextBox{"txtBirthday", {795, 120, 2730, 240}, true, false, BoxText::Birthday},
    TextBox{"txtMW", {3540, 120, 270, 240}, false, true, BoxText::Sex},
    TextBox{"txtKoutai", {930, 480, 1785, 240}, true, false, BoxText::LuckStart},
    TextBox{"txtKoutaiYM", {930, 840, 900, 240}, true, false, BoxText::LuckChange},
    TextBox{"txtKoukei", {795, 1200, 1680, 240}, true, false, BoxText::SunLongitude},
    TextBox{"txtAge", {795, 1560, 330, 240}, true, true, BoxText::Age},
};

inline constexpr TwipsRect kCloseButton{3825, 75, 750, 300};

// Labels named as the main-window labels whose captions they copy, with the
// chart text each shows: a pillar's stem, branch or hidden stem, or (group
// nullptr) the season element.
struct CopiedLabel {
  const char* name;
  TwipsRect rect;
  FontRole font;
  PerPillar<std::string> ChartDisplay::*group;
  Pillar pillar;
};

// The natal pillars read right to left: year 4290, month 3840, day 3390, hour 2940.
inline constexpr std::array kPillarLabels{
    CopiedLabel{"yKan", {4290, 465, 255, 255}, FontRole::Pillar, &ChartDisplay::stems, Pillar::Year},
    CopiedLabel{"yShi", {4290, 870, 255, 255}, FontRole::Pillar, &ChartDisplay::branches, Pillar::Year},
    CopiedLabel{"mKan", {3840, 465, 255, 255}, FontRole::Pillar, &ChartDisplay::stems, Pillar::Month},
    CopiedLabel{"mShi", {3840, 870, 255, 255}, FontRole::Pillar, &ChartDisplay::branches, Pillar::Month},
    CopiedLabel{"dKan", {3390, 465, 255, 255}, FontRole::Pillar, &ChartDisplay::stems, Pillar::Day},
    CopiedLabel{"dShi", {3390, 870, 255, 255}, FontRole::Pillar, &ChartDisplay::branches, Pillar::Day},
    CopiedLabel{"hKan", {2940, 465, 255, 255}, FontRole::Pillar, &ChartDisplay::stems, Pillar::Hour},
    CopiedLabel{"hShi", {2940, 870, 255, 255}, FontRole::Pillar, &ChartDisplay::branches, Pillar::Hour},
    CopiedLabel{"lblOu", {3870, 1470, 255, 240}, FontRole::Window, nullptr, Pillar::Year},
    CopiedLabel{"lbl_yZokan", {4290, 1185, 240, 225}, FontRole::HiddenStem, &ChartDisplay::hiddenStems, Pillar::Year},
    CopiedLabel{"lbl_mZokan", {3840, 1185, 240, 225}, FontRole::HiddenStem, &ChartDisplay::hiddenStems, Pillar::Month},
    CopiedLabel{"lbl_dZokan", {3390, 1185, 240, 225}, FontRole::HiddenStem, &ChartDisplay::hiddenStems, Pillar::Day},
    CopiedLabel{"lbl_hZokan", {2940, 1185, 240, 225}, FontRole::HiddenStem, &ChartDisplay::hiddenStems, Pillar::Hour},
};

// The luck-pillar strip: eleven columns from right (0) to left (10).
inline constexpr int kLuckColumns = 11;
inline constexpr std::array<int, kLuckColumns> kColumnLeft{4065, 3660, 3270, 2865, 2475, 2070,
                                                           1680, 1275, 885,  480,  90};
inline constexpr int kLeftEdge = 45;  // the wider age labels and the image of column 10

inline constexpr int kSai1Top = 1890;       // sai1(k - 1) in column k = 1 .. 10
inline constexpr int kSeparatorTop = 2145;  // the curved-stroke image, 17 x 17 pixels
inline constexpr int kSai2Top = 2430;
inline constexpr int kDunKanTop = 2805;
inline constexpr int kDunShiTop = 3075;

inline constexpr int kLabelWidth = 270;
inline constexpr int kLabelHeight = 255;
inline constexpr int kSai1Width = 255;
inline constexpr int kSai1LastWidth = 315;  // sai1(9)
inline constexpr int kSai2LastWidth = 345;  // sai2(10)
inline constexpr int kDunShiHeight = 285;   // dun_shi(0) keeps kLabelHeight
inline constexpr int kSeparatorSide = 255;

}  // namespace mireto::popup
