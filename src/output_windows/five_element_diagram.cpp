#include "output_windows/five_element_diagram.h"

#include <QPainter>

#include "output/five_element_picture.h"
#include "print/page_painter.h"

namespace mireto {

// Given:
//   painter  any QPainter (screen, printer, PDF)
//   area     the rectangle to fill, device units of painter
//   balance  the counts, 陽/陰 and the day master's element
// Draws the picture of five_element_picture.h, taking a device unit for a
// millimetre of its description.
void PaintFiveElements(QPainter& painter, const QRectF& area, const FiveElementBalance& balance) {
  page::Page picture;
  AddFiveElementPicture(picture, page::Box{area.x(), area.y(), area.width(), area.height()}, balance);
  PaintPage(painter, picture, 1.0);
}

FiveElementDiagram::FiveElementDiagram(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("diagramFiveElements"));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FiveElementDiagram::setBalance(const FiveElementBalance& balance) {
  balance_ = balance;
  update();
}

QSize FiveElementDiagram::sizeHint() const { return {220, 253}; }

void FiveElementDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintFiveElements(painter, QRectF(rect()), balance_);
}

}  // namespace mireto
