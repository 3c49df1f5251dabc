// Draws page descriptions (page/page.h) with QPainter: on a printer, into a
// PDF file, or on any other paint device. Text is drawn as text in the
// layouts' faces (fonts embedded by the PDF writer), everything else as
// vector lines and shapes; nothing is rasterised.
#pragma once

#include <QPointF>

#include "page/page.h"

class QPagedPaintDevice;
class QPainter;

namespace mireto {

// The font family a page face is drawn in (the layouts' mapping, gui/fonts.h).
QString PageFontFamily(page::FontRole role);

// Draws one page. unitsPerMm: the painter's device units in a millimetre;
// paperOrigin: where the paper's top left corner lies in those units.
void PaintPage(QPainter& painter, const page::Page& page, double unitsPerMm, QPointF paperOrigin = {});

// Draws every page of the document on a paged device (QPdfWriter, QPrinter),
// one device page each, on the document's paper in full-page mode (the
// page's millimetres are measured from the paper's corner). False when the
// device cannot be painted on or the document has no page.
bool PaintDocument(QPagedPaintDevice& device, const page::Document& document);

}  // namespace mireto
