// A page document written as a PDF file: vector text in the layouts' faces
// with the fonts embedded, lines and shapes as vectors, no bitmaps.
#pragma once

#include <QByteArray>
#include <QString>

#include "page/page.h"

namespace mireto {

// The PDF's resolution: device units per inch of its content stream.
inline constexpr int kPdfDotsPerInch = 1200;

// The document as the bytes of a PDF file; empty when it cannot be drawn.
QByteArray PdfBytes(const page::Document& document);

// Writes the document to path, replacing a file there only once the whole
// new file is written. Returns an empty string on success, else a Japanese
// message naming the file and the reason; nothing is left at path on failure
// (a file already there stays as it was).
QString WritePdfFile(const QString& path, const page::Document& document);

}  // namespace mireto
