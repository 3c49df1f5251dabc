#include "output/five_element_diagram.h"

#include <QAbstractTextDocumentLayout>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextDocument>
#include <array>
#include <cmath>
#include <numbers>

#include "gui/fonts.h"
#include "output/relation_text.h"

namespace mireto {

namespace {

// A light tint for each element, in the order of Element.
const std::array<QColor, 5> kElementTints = {
    QColor{0xCF, 0xE8, 0xC6},  // 木
    QColor{0xF7, 0xC9, 0xC1},  // 火
    QColor{0xEC, 0xDD, 0xB4},  // 土
    QColor{0xE4, 0xE4, 0xE4},  // 金
    QColor{0xC8, 0xD9, 0xF0},  // 水
};
const QColor kInk{0x30, 0x30, 0x30};
const QColor kGeneratingInk{0x2E, 0x7D, 0x32};
const QColor kControllingInk{0xB7, 0x1C, 0x1C};
const QColor kDayMasterRing{0xC6, 0x28, 0x28};

// Proportions of the picture's side.
constexpr double kCircleRadius = 0.36;  // the circle through the five centres
constexpr double kNodeRadius = 0.125;
constexpr double kNameSize = 0.085;     // the element's character
constexpr double kCountSize = 0.06;     // its counts and the notes
constexpr double kArrowSize = 0.03;

// The centre of element e: 木 at the top, then clockwise every fifth of a turn.
QPointF NodeCentre(QPointF centre, double radius, Element e) {
  const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * static_cast<double>(e) / 5;
  return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

// The line from node a to node b, cut back by the node radius at both ends.
QLineF Between(QPointF a, QPointF b, double nodeRadius) {
  const QLineF full(a, b);
  const double cut = nodeRadius * 1.15 / full.length();
  return QLineF(full.pointAt(cut), full.pointAt(1 - cut));
}

void DrawArrow(QPainter& painter, const QLineF& line, double head) {
  painter.drawLine(line);
  const QLineF back = QLineF(line.p2(), line.p1()).unitVector();
  const QPointF along = (back.p2() - back.p1()) * head;
  const QPointF across(-along.y() * 0.5, along.x() * 0.5);
  const QPointF base = line.p2() + along;
  painter.setBrush(painter.pen().color());
  painter.drawPolygon(QPolygonF({line.p2(), base + across, base - across}));
}

QFont Sized(const QString& family, double pixels, bool bold = false) {
  QFont font(family);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  return font;
}

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void DrawCycles(QPainter& painter, QPointF centre, double radius, double node, double side) {
  for (const Element e : kElements) {
    const QPointF from = NodeCentre(centre, radius, e);
    painter.setPen(QPen(kGeneratingInk, side * 0.006));
    DrawArrow(painter, Between(from, NodeCentre(centre, radius, ProducedBy(e)), node), side * kArrowSize);
    painter.setPen(QPen(kControllingInk, side * 0.005, Qt::DashLine));
    const QLineF star = Between(from, NodeCentre(centre, radius, ControlledBy(e)), node);
    painter.drawLine(star);
    painter.setPen(QPen(kControllingInk, side * 0.005));
    DrawArrow(painter, QLineF(star.pointAt(0.9), star.p2()), side * kArrowSize);
  }
}

void DrawNode(QPainter& painter, QPointF at, double node, double side, Element e, const FiveElementBalance& b,
              const QString& family) {
  const bool dayMaster = e == b.dayMaster;
  painter.setPen(dayMaster ? QPen(kDayMasterRing, side * 0.014) : QPen(kInk, side * 0.004));
  painter.setBrush(kElementTints[static_cast<std::size_t>(e)]);
  painter.drawEllipse(at, node, node);
  painter.setPen(kInk);
  const QRectF upper(at.x() - node, at.y() - node * 0.85, 2 * node, node);
  const QRectF lower(at.x() - node, at.y() + node * 0.05, 2 * node, node * 0.7);
  painter.setFont(Sized(family, side * kNameSize, true));
  painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, Text(ElementName(e)));
  painter.setFont(Sized(family, side * kCountSize));
  painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1／%2").arg(b.visible[e]).arg(b.withHidden[e]));
  if (dayMaster) {
    painter.setPen(kDayMasterRing);
    const QRectF label(at.x() + node * 0.75, at.y() - node * 1.5, node * 1.6, node * 0.7);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("日主"));
  }
}

}  // namespace

// Given:
//   painter  any QPainter (screen, printer, PDF)
//   area     the rectangle to fill, device units of painter
//   balance  the counts, 陽/陰 and the day master's element
//   family   the font family of the text
// Draws the circle and the star in the top square of area, and two lines of
// notes (what the counts are, 陽/陰) below it.
void PaintFiveElements(QPainter& painter, const QRectF& area, const FiveElementBalance& balance,
                       const QString& family) {
  const double side = std::min(area.width(), area.height() / 1.15);
  const QPointF centre(area.center().x(), area.top() + side / 2);
  const double radius = side * kCircleRadius;
  const double node = side * kNodeRadius;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  DrawCycles(painter, centre, radius, node, side);
  for (const Element e : kElements) DrawNode(painter, NodeCentre(centre, radius, e), node, side, e, balance, family);
  painter.setPen(kInk);
  painter.setFont(Sized(family, side * kCountSize));
  const QRectF notes(area.left(), area.top() + side * 0.94, area.width(), side * 0.2);
  painter.drawText(notes, Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("天干・地支／蔵干を含む\n") + Text(YinYangText(balance)));
  painter.restore();
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
  PaintFiveElements(painter, QRectF(rect()), balance_, LayoutFont(FontFace::Gothic, 12).family());
}

FiveElementTextObject::FiveElementTextObject(const FiveElementBalance& balance, QString family,
                                             double sideMillimetres)
    : balance_(balance), family_(std::move(family)), sideMillimetres_(sideMillimetres) {}

QSizeF FiveElementTextObject::intrinsicSize(QTextDocument* document, int, const QTextFormat&) {
  const QPaintDevice* device = document->documentLayout()->paintDevice();
  const double dotsPerInch = device ? device->logicalDpiX() : 96.0;
  const double side = sideMillimetres_ / 25.4 * dotsPerInch;
  return {side, side * 1.15};
}

void FiveElementTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                       const QTextFormat&) {
  PaintFiveElements(*painter, rect, balance_, family_);
}

}  // namespace mireto
