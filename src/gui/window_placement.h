// Placing a top-level window on its screen, shared by every window.
//
// The outer frame is centred on the screen: left = (screen width - frame
// width) / 2, top = (screen height - frame height) / 2. The frame is then
// moved, if need be, so that its top-left corner, and with it the title bar,
// lies within the screen's available area (without panels and docks): a
// window taller or wider than that area, as the main window at a large scale
// factor on a small screen, keeps its title bar reachable.
//
// A window manager adds the frame only after the window is first shown, so a
// window centred before then would sit half a title bar too low. CentreOnScreen
// therefore centres at once with what is known, and again once, when the
// window manager has given the window its frame.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace mireto {

// Top-left corner of the outer frame of size frameSize, centred on screen and
// clamped to available.
QPoint CentredFramePosition(const QRect& screen, const QRect& available, const QSize& frameSize);

// Centres the window's outer frame on its screen now, and once more when the
// frame becomes known (see above).
void CentreOnScreen(QWidget& window);

}  // namespace mireto
