#include "map/map_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace mireto {
namespace {

// XOR needs a 32-bit target: the 8-bit palette picture is widened once at load.
QImage LoadPicture(const QString& path) {
  QImage image(path);
  if (image.isNull()) {
    // A missing resource leaves a light grey ground rather than no widget.
    image = QImage(MapView::kSizePx, MapView::kSizePx, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

// Pixel coordinates as the mouse reports them: single precision.
QPointF SinglePrecision(QPointF p) {
  return QPointF(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

}  // namespace

MapView::MapView(const QString& picturePath, QWidget* parent)
    : QWidget(parent), map_(LoadPicture(picturePath)), picture_(map_) {
  setObjectName(QStringLiteral("Picture1"));
  setFixedSize(kSizePx, kSizePx);
  setMouseTracking(true);  // moves are reported with or without a button held
  setCursor(Qt::CrossCursor);
}

void MapView::XorCrosshair(QPointF point) {
  QPainter painter(&picture_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(QColor(kCrosshairRgb), 0));  // cosmetic pen: one pixel wide
  painter.drawLine(QLineF(point.x(), 0, point.x(), kSizePx));
  painter.drawLine(QLineF(0, point.y(), kSizePx, point.y()));
  update();
}

void MapView::RepaintNow() { repaint(); }

void MapView::ClearDrawing() {
  picture_ = map_;
  update();
}

void MapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void MapView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(SinglePrecision(event->position())); }

void MapView::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), SinglePrecision(event->position()));
}

}  // namespace mireto
