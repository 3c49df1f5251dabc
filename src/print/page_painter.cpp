#include "print/page_painter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <type_traits>

#include "gui/fonts.h"

namespace mireto {

namespace {

struct Scale {
  double unitsPerMm;
  QPointF origin;
  QPointF at(page::Point p) const { return origin + QPointF(p.x * unitsPerMm, p.y * unitsPerMm); }
  QRectF at(const page::Box& b) const {
    return {at(page::Point{b.x, b.y}), QSizeF(b.width * unitsPerMm, b.height * unitsPerMm)};
  }
  double length(double mm) const { return mm * unitsPerMm; }
};

QColor ColourOf(page::Colour c) { return {c.red, c.green, c.blue}; }

QPen PenOf(const page::Stroke& stroke, const Scale& scale) {
  if (stroke.width <= 0) return Qt::NoPen;
  QPen pen(ColourOf(stroke.colour), scale.length(stroke.width));
  pen.setStyle(stroke.dashed ? Qt::DashLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

template <typename Shape>
void SetOutlineAndFill(QPainter& painter, const Shape& shape, const Scale& scale) {
  painter.setPen(PenOf(shape.stroke, scale));
  painter.setBrush(shape.filled ? QBrush(ColourOf(shape.fill)) : QBrush(Qt::NoBrush));
}

Qt::Alignment HorizontalFlag(page::HAlign align) {
  switch (align) {
    case page::HAlign::Centre: return Qt::AlignHCenter;
    case page::HAlign::Right: return Qt::AlignRight;
    case page::HAlign::Left: break;
  }
  return Qt::AlignLeft;
}

void DrawText(QPainter& painter, const page::Text& text, const Scale& scale) {
  if (text.lines.empty()) return;
  QFont font = LayoutFont(text.role == page::FontRole::PGothic ? FontFace::PGothic : FontFace::Gothic, 10, text.bold);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(scale.length(text.points * page::kMillimetresPerPoint)))));
  font.setKerning(false);
  painter.setFont(font);
  painter.setPen(ColourOf(text.colour));
  const double lineHeight = text.lineHeight();
  const double total = lineHeight * static_cast<double>(text.lines.size());
  double top = text.box.y;
  if (text.valign == page::VAlign::Middle) top += (text.box.height - total) / 2;
  if (text.valign == page::VAlign::Bottom) top += text.box.height - total;
  // Clipped at the box's sides; a line's own height may reach past its top
  // and bottom by a little.
  painter.save();
  painter.setClipRect(
      scale.at(page::Box{text.box.x, text.box.y - lineHeight, text.box.width, text.box.height + 2 * lineHeight}));
  const Qt::Alignment flags = HorizontalFlag(text.align) | Qt::AlignVCenter;
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    const page::Box line{text.box.x, top + lineHeight * static_cast<double>(i), text.box.width, lineHeight};
    painter.drawText(scale.at(line), static_cast<int>(flags) | Qt::TextSingleLine | Qt::TextDontClip,
                     QString::fromStdString(text.lines[i]));
  }
  painter.restore();
}

void DrawItem(QPainter& painter, const page::Item& item, const Scale& scale) {
  std::visit(
      [&](const auto& it) {
        using T = std::decay_t<decltype(it)>;
        if constexpr (std::is_same_v<T, page::Text>) {
          DrawText(painter, it, scale);
        } else if constexpr (std::is_same_v<T, page::Line>) {
          painter.setPen(PenOf(it.stroke, scale));
          painter.drawLine(scale.at(it.from), scale.at(it.to));
        } else if constexpr (std::is_same_v<T, page::Rectangle>) {
          SetOutlineAndFill(painter, it, scale);
          painter.drawRect(scale.at(it.box));
        } else if constexpr (std::is_same_v<T, page::Ellipse>) {
          SetOutlineAndFill(painter, it, scale);
          painter.drawEllipse(scale.at(it.box));
        } else if constexpr (std::is_same_v<T, page::Polygon>) {
          SetOutlineAndFill(painter, it, scale);
          QPolygonF polygon;
          for (const page::Point& p : it.points) polygon << scale.at(p);
          painter.drawPolygon(polygon);
        }
      },
      item);
}

}  // namespace

QString PageFontFamily(page::FontRole role) {
  return LayoutFont(role == page::FontRole::PGothic ? FontFace::PGothic : FontFace::Gothic, 10).family();
}

void PaintPage(QPainter& painter, const page::Page& page, double unitsPerMm, QPointF paperOrigin) {
  const Scale scale{unitsPerMm, paperOrigin};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const page::Item& item : page.items) DrawItem(painter, item, scale);
  painter.restore();
}

bool PaintDocument(QPagedPaintDevice& device, const page::Document& document) {
  if (document.pages.empty()) return false;
  QPageLayout layout(QPageSize(document.paper == page::PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  device.setPageLayout(layout);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double dotsPerInch = device.logicalDpiX();
  const double unitsPerMm = dotsPerInch / 25.4;
  // Where the paper's corner lies: at the origin in full-page mode; a device
  // that keeps margins of its own paints from its printable area.
  const QRect paint = device.pageLayout().paintRectPixels(static_cast<int>(std::lround(dotsPerInch)));
  const QPointF origin(-paint.left(), -paint.top());
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    PaintPage(painter, document.pages[i], unitsPerMm, origin);
  }
  return painter.end();
}

}  // namespace mireto
