// Geometry and fonts shared by the output windows.
//
// Layouts are written in twips (1/1440 inch) within a window's client area;
// at 96 dots per inch 15 twips make one pixel.
#pragma once

#include "ui/fonts.h"  // PointsToPixels
#include "ui/twips.h"
#include "ui/window_placement.h"  // CentreOnScreen

class QFont;
class QWidget;

namespace mireto {

// Font family names of the layouts; the program maps them to installed faces.
inline constexpr const char* kFixedGothic = "ＭＳ ゴシック";          // fixed pitch
inline constexpr const char* kProportionalGothic = "ＭＳ Ｐゴシック";  // proportional

// A font of the given family and size in points.
QFont LayoutFont(const char* family, double points, bool bold = false);

// Places a child widget at its twips rectangle.
void PlaceInTwips(QWidget& widget, const TwipsRect& rect);


}  // namespace mireto
