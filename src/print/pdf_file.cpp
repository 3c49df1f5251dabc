#include "print/pdf_file.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

#include "print/page_painter.h"

namespace mireto {

namespace {

QString Reason(const QSaveFile& file) {
  switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError: return QStringLiteral("書き込みが許可されていないか、フォルダーがありません。");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
      return QStringLiteral("ディスクの空きが足りないか、書き込み中に問題が起きました。");
    default: return QStringLiteral("ファイルを書き込めませんでした。");
  }
}

}  // namespace

QByteArray PdfBytes(const page::Document& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  bool painted = false;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDotsPerInch);
    writer.setCreator(QStringLiteral("ミレト"));
    writer.setTitle(QString::fromStdString(document.title));
    painted = PaintDocument(writer, document);
  }  // the writer finishes the file when destroyed
  buffer.close();
  return painted ? bytes : QByteArray();
}

QString WritePdfFile(const QString& path, const page::Document& document) {
  const QString shown = QDir::toNativeSeparators(path);
  const QByteArray bytes = PdfBytes(document);
  if (bytes.isEmpty()) return QStringLiteral("PDFを作れませんでした：%1").arg(shown);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    const QString reason = Reason(file);
    file.cancelWriting();
    return QStringLiteral("PDFファイルを保存できませんでした：%1\n%2").arg(shown, reason);
  }
  return {};
}

}  // namespace mireto
