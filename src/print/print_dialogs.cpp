#include "print/print_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/message_box.h"
#include "gui/qt_japanese.h"
#include "print/page_painter.h"
#include "print/pdf_file.h"

namespace mireto {

page::PaperSize PaperOf(const QPageLayout& layout) {
  return layout.pageSize().id() == QPageSize::Letter ? page::PaperSize::Letter : page::PaperSize::A4;
}

bool PrintDocumentOn(QPrinter& printer, const DocumentMaker& make) {
  const page::Document document = make(PaperOf(printer.pageLayout()));
  printer.setDocName(QString::fromStdString(document.title));
  printer.setCreator(QStringLiteral("ミレト"));
  return PaintDocument(printer, document);
}

bool PrintWithDialog(QWidget* parent, const QString& title, const DocumentMaker& make) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (PrintDocumentOn(printer, make)) return true;
  ShowMessage(parent, QMessageBox::Warning,
              QStringLiteral("印刷できませんでした。プリンターの設定を確かめてください。"),
              QStringLiteral("printFailed"));
  return false;
}

void PreviewAndPrint(QWidget* parent, const QString& title, const DocumentMaker& make) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&make](QPrinter* target) { PrintDocumentOn(*target, make); });
  dialog.exec();
}

QString SafeFileName(const QString& name) {
  static const QString kRefused = QStringLiteral("\\/:*?\"<>|");
  QString safe;
  for (const QChar c : name) safe += (c.category() == QChar::Other_Control || kRefused.contains(c)) ? QChar(u'_') : c;
  // Blanks, ideographic ones too, and dots at either end.
  const auto trimmable = [](QChar c) { return c.isSpace() || c == u'.'; };
  while (!safe.isEmpty() && trimmable(safe.front())) safe.remove(0, 1);
  while (!safe.isEmpty() && trimmable(safe.back())) safe.chop(1);
  if (safe.size() > 120) safe.truncate(120);
  if (!safe.isEmpty() && safe.back().isHighSurrogate()) safe.chop(1);
  return safe.isEmpty() ? QStringLiteral("名称未設定") : safe;
}

QString ProposedPdfPath(const QString& fileName) { return QDir(DocumentsFolder()).filePath(SafeFileName(fileName)); }

QString AskPdfPath(QWidget* parent, const QString& title, const QString& proposedPath) {
  QString path = QFileDialog::getSaveFileName(parent, title, proposedPath, QStringLiteral("PDF (*.pdf)"));
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  return path;
}

bool SavePdfReporting(QWidget* parent, const QString& path, const page::Document& document) {
  const QString error = WritePdfFile(path, document);
  if (error.isEmpty()) return true;
  ShowMessage(parent, QMessageBox::Warning, error, QStringLiteral("pdfSaveFailed"));
  return false;
}

}  // namespace mireto
