// Geometry of the birthplace map dialog, in twips (1/1440 inch, 15 twips = 1 pixel
// at 96 dots per inch) as Left, Top, Width, Height within the client area.
#pragma once

#include <QRect>
#include <QSize>
#include <array>

#include "gui/twips.h"

namespace mireto::map_layout {

using mireto::kTwipsPerPixel;
using mireto::ToPixels;
using mireto::TwipsRect;

// Client area 7620 x 8370 twips = 508 x 558 pixels.
inline constexpr QSize kClientSizePx(7620 / kTwipsPerPixel, 8370 / kTwipsPerPixel);
// Ground colour of the dialog (&HC0C0C0) and of the value labels (&HE0E0E0).
inline constexpr unsigned kGroundRgb = 0xC0C0C0;
inline constexpr unsigned kValueGroundRgb = 0xE0E0E0;
// ＭＳ ゴシック 9.75 pt.
inline constexpr double kFontPoints = 9.75;

// Static captions and value labels of one row; the rows differ only in their top.
inline constexpr int kLatitudeRowTop = 150;
inline constexpr int kLongitudeRowTop = 480;
inline constexpr int kRowHeight = 270;

struct RowItem {
  int left;
  int width;
  bool isValue;  // a value label (right-aligned on the pale ground) or a caption
};

// 北緯/東経, degrees, 度, minutes, 分, seconds, 秒.
inline constexpr std::array<RowItem, 7> kRowItems = {{
    {60, 570, false},
    {645, 525, true},
    {1185, 300, false},
    {1500, 435, true},
    {1950, 270, false},
    {2235, 435, true},
    {2685, 300, false},
}};

inline constexpr TwipsRect kDecideButton{5565, 120, 600, 600};
inline constexpr TwipsRect kCancelButton{6255, 120, 600, 600};
inline constexpr TwipsRect kCloseButton{6945, 120, 600, 600};
inline constexpr TwipsRect kMap{60, 810, 7500, 7500};

}  // namespace mireto::map_layout
