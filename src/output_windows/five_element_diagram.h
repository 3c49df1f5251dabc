// The classical five-element diagram of a chart's balance: 木 火 土 金 水 on a
// circle in generating order (木 at the top, then clockwise), arrows of the
// generating cycle around it and the controlling cycle as the star inside.
// Each element shows its count without and with the hidden stems (e.g. 3／5);
// the day master's element is ringed and labelled 日主; 陽/陰 is written below.
//
// The picture is a page description (five_element_picture.h), so the same
// items go to the screen (FiveElementDiagram) and, as vector graphics, to a
// printer or PDF.
#pragma once

#include <QFont>
#include <QRectF>
#include <QWidget>

#include "chart/five_elements.h"

class QPainter;

namespace mireto {

// Draws the diagram of balance into area (any size; everything scales with
// the smaller side).
void PaintFiveElements(QPainter& painter, const QRectF& area, const FiveElementBalance& balance);

// The diagram as a widget of the details window.
class FiveElementDiagram : public QWidget {
  Q_OBJECT

 public:
  explicit FiveElementDiagram(QWidget* parent);

  void setBalance(const FiveElementBalance& balance);
  const FiveElementBalance& balance() const { return balance_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FiveElementBalance balance_;
};

}  // namespace mireto
