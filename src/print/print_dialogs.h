// The dialogs around a printed document: the system print dialog, the print
// preview, and the file dialog of "PDFに保存…" with its proposed file name.
// A document is made for the paper the printer uses (A4 unless it says
// Letter), so the callers pass a maker, not a finished document.
#pragma once

#include <QString>
#include <functional>

#include "page/page.h"

class QPageLayout;
class QPrinter;
class QWidget;

namespace mireto {

using DocumentMaker = std::function<page::Document(page::PaperSize)>;

// Letter when the layout's paper is Letter, else A4.
page::PaperSize PaperOf(const QPageLayout& layout);

// The document for the printer's paper, printed on it. False when it could not be printed.
bool PrintDocumentOn(QPrinter& printer, const DocumentMaker& make);

// 印刷…: the system print dialog (which also offers a PDF file), then the
// document on the printer chosen. A printer that cannot be used is reported
// in a message box. False when cancelled or not printed.
bool PrintWithDialog(QWidget* parent, const QString& title, const DocumentMaker& make);

// The print preview (QPrintPreviewDialog) with its own print button.
void PreviewAndPrint(QWidget* parent, const QString& title, const DocumentMaker& make);

// A file name without the characters Windows and Linux refuse (\ / : * ? " < > |
// and control characters, each made "_"), without leading and trailing
// blanks and dots, at most 120 characters; "名称未設定" if nothing is left.
QString SafeFileName(const QString& name);

// fileName (made safe) in the documents folder.
QString ProposedPdfPath(const QString& fileName);

// PDFに保存…: the file dialog, opened on proposedPath. The path chosen (with
// ".pdf" added when it has no suffix), or empty when cancelled.
QString AskPdfPath(QWidget* parent, const QString& title, const QString& proposedPath);

// Writes the document to path and reports a failure in a message box
// (never as success). True when the file was written.
bool SavePdfReporting(QWidget* parent, const QString& path, const page::Document& document);

}  // namespace mireto
