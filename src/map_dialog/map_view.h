// The map picture of the birthplace dialog (Picture1): a 500 x 500 image on which
// lines are drawn by XOR, so drawing the same line twice restores the map.
// On a screen too small for it the picture is shown scaled down to a smaller
// square; the pointer is still reported, and the crosshair still placed, in
// the picture's own 500 x 500 pixels.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace mireto {

class MapView : public QWidget {
  Q_OBJECT

 public:
  // Picture size in pixels along both axes.
  static constexpr int kSizePx = 500;
  // Pen colour of the crosshair (red 0, green 203, blue 28), combined by XOR.
  static constexpr QRgb kCrosshairRgb = qRgb(0, 203, 28);

  // Shows the picture of the resource path (":/japan-map.png" in the program)
  // at shownSide screen pixels square.
  explicit MapView(const QString& picturePath, int shownSide = kSizePx, QWidget* parent = nullptr);

  // XORs a crosshair through the picture pixel (x, y): a full-height vertical
  // and a full-width horizontal line of the shown picture. A second call at
  // the same point erases it.
  void XorCrosshair(QPointF point);
  // Makes the XOR drawing visible at once, without waiting for the event loop.
  void RepaintNow();
  // Clears everything drawn: the map picture shows again.
  void ClearDrawing();

  // The picture as it is shown now (at the shown size), drawing included.
  const QImage& Picture() const { return picture_; }

 signals:
  // Pointer position in the picture's own pixels, as single-precision coordinates.
  void mouseMoved(QPointF point);
  void mousePressed(Qt::MouseButton button, QPointF point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointF toPicture(QPointF shown) const;

  int side_;        // the shown side in screen pixels
  QImage map_;      // the picture as loaded, at the shown size
  QImage picture_;  // the map with the current XOR drawing
};

}  // namespace mireto
