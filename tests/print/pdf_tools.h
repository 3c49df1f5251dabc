// The poppler tools that read a written PDF back: its text (pdftotext), its
// fonts (pdffonts), its pictures (pdfimages -list) and its pages (pdfinfo).
// Linux only; the tests that use them are not registered on Windows.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mireto::test {

// The tool's standard output, or nullopt when the tool is not installed or fails.
std::optional<QString> RunPdfTool(const QString& tool, const QStringList& arguments);

// What the tools say about one PDF file.
struct PdfReport {
  QString text;       // pdftotext -layout, pages separated by \f
  int pages = 0;      // pdfinfo's Pages
  QString pageSize;   // pdfinfo's "Page size", e.g. "595.276 x 841.89 pts (A4)"
  QStringList fonts;  // pdffonts rows
  bool allFontsEmbedded = false;
  int images = 0;  // pdfimages -list rows
};

// nullopt when a tool is missing or fails.
std::optional<PdfReport> ReadPdf(const QString& path);

}  // namespace mireto::test
