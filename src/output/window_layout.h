// Geometry and fonts shared by the output windows.
//
// Layouts are written in twips (1/1440 inch) within a window's client area;
// at 96 dots per inch 15 twips make one pixel.
#pragma once

#include "ui/fonts.h"  // PointsToPixels
#include "ui/twips.h"

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

// Moves a top-level window so that its outer frame is centred on its screen:
// left = (screen width - window width) / 2, top likewise.
void CentreOnScreen(QWidget& window);

}  // namespace mireto
