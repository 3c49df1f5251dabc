// The map picture of the birthplace dialog (Picture1): a 500 x 500 image on which
// lines are drawn by XOR, so drawing the same line twice restores the map.
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

  // Shows the picture of the resource path (":/japan-map.png" in the program).
  explicit MapView(const QString& picturePath, QWidget* parent = nullptr);

  // XORs a crosshair through (x, y): the vertical line (x, 0)-(x, 500) and the
  // horizontal line (0, y)-(500, y). A second call at the same point erases it.
  void XorCrosshair(QPointF point);
  // Makes the XOR drawing visible at once, without waiting for the event loop.
  void RepaintNow();
  // Clears everything drawn: the map picture shows again.
  void ClearDrawing();

  // The picture as it is shown now, drawing included.
  const QImage& Picture() const { return picture_; }

 signals:
  // Pointer position in picture pixels, as single-precision coordinates.
  void mouseMoved(QPointF point);
  void mousePressed(Qt::MouseButton button, QPointF point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage map_;      // the picture as loaded
  QImage picture_;  // the map with the current XOR drawing
};

}  // namespace mireto
