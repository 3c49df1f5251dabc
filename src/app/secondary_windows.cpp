#include "app/secondary_windows.h"

#include "app/roster_controller.h"
#include "map_dialog/map_dialog.h"
#include "output/details_text.h"
#include "output_windows/about_box.h"
#include "output_windows/calendar_controller.h"
#include "output_windows/details_controller.h"
#include "output_windows/export_window.h"
#include "output_windows/popup_window.h"
#include "roster/birth_summary.h"
#include "ui/main_window.h"

namespace mireto {

SecondaryWindows::SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts, CompatPrompts compatPrompts)
    : SecondaryWindows(mainWindow, std::move(prompts), DialogSheetPrompts(), std::move(compatPrompts)) {}

SecondaryWindows::SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts, SheetPrompts sheetPrompts,
                                   CompatPrompts compatPrompts)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      popup_(std::make_unique<PopupController>()),
      export_(std::make_unique<ExportController>()),
      map_(std::make_unique<MapController>(mainWindow)),
      details_(std::make_unique<DetailsController>(mainWindow, &mainWindow->tables())),
      calendar_(std::make_unique<CalendarController>(mainWindow, mainWindow->tables())),
      roster_(new RosterController(mainWindow, DesktopRosterFile(), std::move(prompts))),
      sheet_(new SheetController(mainWindow, std::move(sheetPrompts))),
      compat_(new CompatController(mainWindow, *roster_, std::move(compatPrompts))) {
  popup_->setOwner(mainWindow);
  export_->setOwner(mainWindow);
  connect(mainWindow, &MainWindow::popupRequested, this, [this](const ChartSnapshot& chart) { popup_->open(chart); });
  connect(mainWindow, &MainWindow::exportRequested, this, [this](const ChartSnapshot& chart) { export_->open(chart); });
  connect(map_.get(), &MapController::correctionDecided, mainWindow, &MainWindow::setTimeDifference);
  connect(map_.get(), &MapController::placeDecided, roster_, &RosterController::rememberMapPlace);
  connect(mainWindow, &MainWindow::mapRequested, this, [this] { map_->open(); });
  connect(mainWindow, &MainWindow::detailsRequested, this, [this] { details_->open(); });
  connect(mainWindow, &MainWindow::calendarRequested, this, [this] { calendar_->open(); });
  calendar_->setTimeDifference(mainWindow->timeDifferenceDays());
  connect(mainWindow, &MainWindow::timeDifferenceChanged, this,
          [this] { calendar_->setTimeDifference(mainWindow_->timeDifferenceDays()); });
  connect(mainWindow, &MainWindow::chartDisplayed, this, [this](const ChartSnapshot& chart) {
    details_->followBirthTime(chart.birthTime);
    followHeading();
  });
  connect(mainWindow, &MainWindow::chartEntryChanged, this, &SecondaryWindows::followHeading);
  connect(mainWindow, &MainWindow::chartDetailsDisplayed, this,
          [this](const ChartDetails& details) { details_->follow(details); });
  connect(mainWindow, &MainWindow::aboutRequested, this, [this] { ShowAboutBox(mainWindow_); });
  connect(mainWindow, &MainWindow::rosterSaveRequested, roster_, &RosterController::save);
  connect(mainWindow, &MainWindow::rosterRequested, roster_, &RosterController::openWindow);
  connect(mainWindow, &MainWindow::rosterExportRequested, roster_, &RosterController::exportFile);
  connect(mainWindow, &MainWindow::rosterImportRequested, roster_, &RosterController::importFile);
  connect(mainWindow, &MainWindow::rosterRestoreRequested, roster_, &RosterController::restoreBackup);
  connect(map_.get(), &MapController::placeDecided, sheet_, &SheetController::rememberMapPlace);
  connect(mainWindow, &MainWindow::sheetPrintRequested, sheet_, &SheetController::printChart);
  connect(mainWindow, &MainWindow::sheetPreviewRequested, sheet_, &SheetController::previewChart);
  connect(mainWindow, &MainWindow::sheetPdfRequested, sheet_, &SheetController::saveChartPdf);
  connect(roster_, &RosterController::printRequested, this,
          [this](const std::vector<roster::Entry>& entries) { sheet_->printEntries(roster_->window(), entries); });
  connect(roster_, &RosterController::pdfRequested, this,
          [this](const std::vector<roster::Entry>& entries) { sheet_->saveEntriesPdf(roster_->window(), entries); });
  connect(mainWindow, &MainWindow::compatRequested, compat_, &CompatController::openWithDisplayed);
  connect(roster_, &RosterController::compatRequested, compat_, &CompatController::openEntries);
  connect(mainWindow, &MainWindow::unloading, this, &SecondaryWindows::unloadAll);
}

void SecondaryWindows::followHeading() {
  const auto& birth = mainWindow_->displayedBirth();
  if (!birth) return;
  const auto entry = mainWindow_->chartEntry();
  details_->followHeading(QString::fromStdString(
      DetailsHeadingText(entry ? entry->name : std::string(), roster::BirthSummaryText(*birth))));
}

// The controllers' own destructors destroy any window still loaded.
SecondaryWindows::~SecondaryWindows() = default;

void SecondaryWindows::unloadAll() {
  map_->unload();
  popup_->unload();
  export_->unload();
  details_->unload();
  calendar_->unload();
  roster_->unload();
  compat_->unload();
}

}  // namespace mireto
