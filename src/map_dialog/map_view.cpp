#include "map_dialog/map_view.h"

#include "map/map_conversions.h"

#include <QMouseEvent>
#include <QPainter>

namespace mireto {
namespace {

// XOR needs a 32-bit target: the 8-bit palette picture is widened once at load.
QImage LoadPicture(const QString& path, int side) {
  QImage image(path);
  if (image.isNull()) {
    // A missing resource leaves a light grey ground rather than no widget.
    image = QImage(MapView::kSizePx, MapView::kSizePx, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  if (side == MapView::kSizePx) return image;
  return image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Pixel coordinates as the mouse reports them: single precision.
QPointF SinglePrecision(QPointF p) { return QPointF(static_cast<float>(p.x()), static_cast<float>(p.y())); }

}  // namespace

MapView::MapView(const QString& picturePath, int shownSide, QWidget* parent)
    : QWidget(parent), side_(shownSide), map_(LoadPicture(picturePath, shownSide)), picture_(map_) {
  setObjectName(QStringLiteral("Picture1"));
  setFixedSize(side_, side_);
  setMouseTracking(true);  // moves are reported with or without a button held
  setCursor(Qt::CrossCursor);
}

QPointF MapView::toPicture(QPointF shown) const {
  return QPointF(ShownToPicturePixel(static_cast<float>(shown.x()), side_),
                 ShownToPicturePixel(static_cast<float>(shown.y()), side_));
}

void MapView::XorCrosshair(QPointF picturePoint) {
  const QPointF point = side_ == kSizePx ? picturePoint : picturePoint * side_ / kSizePx;
  QPainter painter(&picture_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(QColor(kCrosshairRgb), 0));  // cosmetic pen: one pixel wide
  painter.drawLine(QLineF(point.x(), 0, point.x(), side_));
  painter.drawLine(QLineF(0, point.y(), side_, point.y()));
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

void MapView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(SinglePrecision(toPicture(event->position()))); }

void MapView::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), SinglePrecision(toPicture(event->position())));
}

}  // namespace mireto
