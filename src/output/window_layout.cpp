#include "output/window_layout.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mireto {

QFont LayoutFont(const char* family, double points, bool bold) {
  QFont font(QString::fromUtf8(family));
  // Sizes in pixels at 96 dots per inch, as the main window does, so that text
  // keeps its proportion to the twips geometry on any screen (9 pt = 12 px).
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

void PlaceInTwips(QWidget& widget, const TwipsRect& rect) {
  widget.setGeometry(TwipsToPixels(rect.left), TwipsToPixels(rect.top),
                     TwipsToPixels(rect.width), TwipsToPixels(rect.height));
}

}  // namespace mireto
