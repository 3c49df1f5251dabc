#include "pdf_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace mireto::test {

std::optional<QString> RunPdfTool(const QString& tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<PdfReport> ReadPdf(const QString& path) {
  const auto text = RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  const auto info = RunPdfTool(QStringLiteral("pdfinfo"), {path});
  const auto fonts = RunPdfTool(QStringLiteral("pdffonts"), {path});
  const auto images = RunPdfTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
  if (!text || !info || !fonts || !images) return std::nullopt;
  PdfReport report;
  report.text = *text;
  const auto pages =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(*info);
  report.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
  const auto size =
      QRegularExpression(QStringLiteral("^Page size:\\s+(.*)$"), QRegularExpression::MultilineOption).match(*info);
  report.pageSize = size.captured(1).trimmed();
  // pdffonts: two heading lines, then "name type encoding emb sub uni object ID".
  const QStringList fontLines = fonts->split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
  report.fonts = fontLines;
  report.allFontsEmbedded = !fontLines.isEmpty();
  for (const QString& row : fontLines) {
    const QStringList cells = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // From the right: object ID (two cells), uni, sub, emb.
    if (cells.size() < 6 || cells[cells.size() - 5] != QStringLiteral("yes")) report.allFontsEmbedded = false;
  }
  report.images = static_cast<int>(images->split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
  return report;
}

}  // namespace mireto::test
