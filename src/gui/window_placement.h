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
//
// A window opened from the main window is placed once, before it is shown,
// by PlaceWindow: beside the main window where the available area has room
// (to its right, else to its left, else below it), else centred on the
// screen; and where the user left it when it is opened again. Its frame is
// taken to be as wide as the main window's, which the window manager has
// framed by then, so the placement never waits for a frame to arrive.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace mireto {

// Top-left corner of the outer frame of size frameSize, centred on screen and
// clamped to available.
QPoint CentredFramePosition(const QRect& screen, const QRect& available, const QSize& frameSize);

// Centres the window's outer frame on its screen now, and once more when the
// frame becomes known (see above).
void CentreOnScreen(QWidget& window);

enum class Placement {
  Centred,      // centred on the screen
  BesideOwner,  // right of the owner, else left of it, else below it, else centred
};

// What a placement is worked out from; every rectangle is an outer frame.
struct PlacementRequest {
  QRect screen;
  QRect available;  // the screen without panels and docks
  QSize frame;      // the window to place
  Placement how = Placement::Centred;
  QRect owner;                 // the window it goes beside (BesideOwner)
  std::optional<QPoint> kept;  // where the user left it: placed there again
};

// Top-left corner of the window's outer frame: where it was kept, or as asked,
// then clamped to the available area (the title bar's corner always on it).
QPoint PlacedFramePosition(const PlacementRequest& request);

// Places the window's outer frame (see PlacementRequest) once, before it is
// shown; owner supplies the screen, the frame margins while the window has
// none yet, and the rectangle to go beside.
void PlaceWindow(QWidget& window, const QWidget& owner, Placement how, std::optional<QPoint> kept = {});

}  // namespace mireto
