// 命式表 in the desktop program: the ファイル menu's 印刷…, 印刷プレビュー… and
// PDFに保存… for the chart on display, and the roster window's 印刷… and
// PDFに保存… for the selected entries (one sheet after another, one PDF).
//
// The chart on display is the one last shown with 八字表示, with its
// summer-time decision; its roster entry gives the name, reading,
// birthplace and note while the chart is still that entry's, and the map's
// point is named when the time difference is the one the map gave.
//
// Dialogs go through SheetPrompts so that the window tests can answer them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "print/print_dialogs.h"
#include "roster/roster_entry.h"
#include "sheet/client_sheet.h"

class QWidget;

namespace mireto {

class MainWindow;

struct SheetPrompts {
  // The file to write, the dialog opened on proposedPath; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& proposedPath)> choosePdfPath;
  // The system print dialog, then the document on the printer chosen.
  std::function<void(QWidget* parent, const DocumentMaker& make)> print;
  // The print preview with its own print button.
  std::function<void(QWidget* parent, const DocumentMaker& make)> preview;
  // A problem, in a warning box.
  std::function<void(QWidget* parent, const QString& message)> report;
};

// The program's own dialogs.
SheetPrompts DialogSheetPrompts();

class SheetController : public QObject {
  Q_OBJECT

 public:
  explicit SheetController(MainWindow* mainWindow, SheetPrompts prompts = DialogSheetPrompts());

  // The ファイル menu's items, for the chart on display.
  void printChart();
  void previewChart();
  void saveChartPdf();

  // The roster window's buttons, for the entries chosen there; parent is
  // the window the dialogs belong to.
  void printEntries(QWidget* parent, const std::vector<roster::Entry>& entries);
  void saveEntriesPdf(QWidget* parent, const std::vector<roster::Entry>& entries);

  // The map's 決定: its point, named on the sheet of a chart whose time
  // difference is the one the map gave.
  void rememberMapPlace(const QString& place, const QString& minutes, const QString& seconds);

  // The sheet of the chart on display; nullopt (and the user told) when there is none.
  std::optional<SheetData> chartSheet();
  // The sheets of the entries, in order; an entry that gives no chart is
  // left out and reported.
  std::vector<SheetData> entrySheets(QWidget* parent, const std::vector<roster::Entry>& entries);

 private:
  void savePdf(QWidget* parent, const std::vector<SheetData>& sheets) const;

  MainWindow* mainWindow_;
  SheetPrompts prompts_;
  QString mapPlace_;
  QString mapMinutes_;
  QString mapSeconds_;
};

}  // namespace mireto
