// Window geometry in twips (1/1440 inch) and its conversion to pixels, shared
// by every window of the program.
//
// Every position and size of the windows is written in twips, as Left, Top,
// Width, Height within the window's client area; 15 twips make one pixel at
// 96 dots per inch.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace mireto {

inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// Twips to pixels, rounded to the nearest pixel (1794 -> 120).
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect ToPixels(TwipsRect r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height));
}

constexpr QSize ToPixels(int widthTwips, int heightTwips) {
  return QSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

// Places a child widget at its twips rectangle.
inline void PlaceInTwips(QWidget& widget, const TwipsRect& rect) { widget.setGeometry(ToPixels(rect)); }

}  // namespace mireto
