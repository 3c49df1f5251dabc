// The five-element diagram as a page description (page/page.h): 木 火 土 金 水
// on a circle in generating order (木 at the top, then clockwise), arrows of
// the generating cycle around it and the controlling cycle as the star
// inside; each element with its count without and with the hidden stems
// (3／5); the day master's element ringed and labelled 日主; two lines of
// notes below. The window's diagram and the printed sheets draw these items.
#pragma once

#include "chart/five_elements.h"
#include "page/page.h"

namespace mireto {

// The picture's height over its width.
inline constexpr double kFiveElementAspect = 1.15;

// Adds the picture to page, fitted into area (any unit; everything scales
// with the smaller side; font sizes are given as the points of that unit
// taken as millimetres).
void AddFiveElementPicture(page::Page& page, const page::Box& area, const FiveElementBalance& balance);

}  // namespace mireto
