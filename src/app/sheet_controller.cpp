#include "app/sheet_controller.h"

#include <QFileInfo>

#include "gui/message_box.h"
#include "gui/version.h"
#include "print/pdf_file.h"
#include "ui/main_window.h"

namespace mireto {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

DocumentMaker MakerOf(std::vector<SheetData> sheets) {
  return [sheets = std::move(sheets)](page::PaperSize paper) { return SheetDocument(sheets, paper); };
}

}  // namespace

SheetPrompts DialogSheetPrompts() {
  SheetPrompts prompts;
  prompts.choosePdfPath = [](QWidget* parent, const QString& proposedPath) {
    return AskPdfPath(parent, QStringLiteral("命式表をPDFに保存"), proposedPath);
  };
  prompts.print = [](QWidget* parent, const DocumentMaker& make) {
    PrintWithDialog(parent, QStringLiteral("命式表の印刷"), make);
  };
  prompts.preview = [](QWidget* parent, const DocumentMaker& make) {
    PreviewAndPrint(parent, QStringLiteral("命式表の印刷プレビュー"), make);
  };
  prompts.report = [](QWidget* parent, const QString& message) {
    ShowMessage(parent, QMessageBox::Warning, message, QStringLiteral("sheetProblem"));
  };
  return prompts;
}

SheetController::SheetController(MainWindow* mainWindow, SheetPrompts prompts)
    : QObject(mainWindow), mainWindow_(mainWindow), prompts_(std::move(prompts)) {}

void SheetController::rememberMapPlace(const QString& place, const QString& minutes, const QString& seconds) {
  mapPlace_ = place;
  mapMinutes_ = minutes;
  mapSeconds_ = seconds;
}

std::optional<SheetData> SheetController::chartSheet() {
  const auto& birth = mainWindow_->displayedBirth();
  if (!birth) {
    prompts_.report(mainWindow_, QStringLiteral("先に八字表示で命式を出してください。"));
    return std::nullopt;
  }
  SheetPerson person;
  if (const auto entry = mainWindow_->chartEntry())
    person = {entry->name, entry->reading, entry->birthplace, entry->note};
  const bool fromMap =
      !mapPlace_.isEmpty() && Q(birth->jisaMinutes) == mapMinutes_ && Q(birth->jisaSeconds) == mapSeconds_;
  std::string error;
  auto sheet = GatherSheet(mainWindow_->tables(), *birth, mainWindow_->displayedDecision(), std::move(person),
                           fromMap ? mapPlace_.toStdString() : std::string(), mainWindow_->presentTime(),
                           VersionText().toStdString(), error);
  if (!sheet) prompts_.report(mainWindow_, QStringLiteral("命式表を作れませんでした。") + Q(error));
  return sheet;
}

std::vector<SheetData> SheetController::entrySheets(QWidget* parent, const std::vector<roster::Entry>& entries) {
  std::vector<SheetData> sheets;
  QStringList refused;
  for (const roster::Entry& e : entries) {
    std::string error;
    auto sheet = GatherSheet(mainWindow_->tables(), e.birth, e.summerTime, {e.name, e.reading, e.birthplace, e.note},
                             {}, mainWindow_->presentTime(), VersionText().toStdString(), error);
    if (sheet) {
      sheets.push_back(std::move(*sheet));
    } else {
      refused << Q(e.name) + QStringLiteral("（") + Q(error) + QStringLiteral("）");
    }
  }
  if (!refused.isEmpty())
    prompts_.report(parent,
                    QStringLiteral("次の人の命式表は作れないため、除きました：\n") + refused.join(QLatin1Char('\n')));
  return sheets;
}

void SheetController::printChart() {
  if (auto sheet = chartSheet()) prompts_.print(mainWindow_, MakerOf({std::move(*sheet)}));
}

void SheetController::previewChart() {
  if (auto sheet = chartSheet()) prompts_.preview(mainWindow_, MakerOf({std::move(*sheet)}));
}

void SheetController::saveChartPdf() {
  if (auto sheet = chartSheet()) savePdf(mainWindow_, {std::move(*sheet)});
}

void SheetController::printEntries(QWidget* parent, const std::vector<roster::Entry>& entries) {
  auto sheets = entrySheets(parent, entries);
  if (!sheets.empty()) prompts_.print(parent, MakerOf(std::move(sheets)));
}

void SheetController::saveEntriesPdf(QWidget* parent, const std::vector<roster::Entry>& entries) {
  const auto sheets = entrySheets(parent, entries);
  if (!sheets.empty()) savePdf(parent, sheets);
}

void SheetController::savePdf(QWidget* parent, const std::vector<SheetData>& sheets) const {
  const std::string name =
      sheets.size() == 1 ? SheetFileName(sheets.front()) : "命式表_" + std::to_string(sheets.size()) + "名.pdf";
  const QString path = prompts_.choosePdfPath(parent, ProposedPdfPath(Q(name)));
  if (path.isEmpty()) return;
  const QString error = WritePdfFile(path, SheetDocument(sheets, page::PaperSize::A4));
  if (!error.isEmpty()) prompts_.report(parent, error);
}

}  // namespace mireto
