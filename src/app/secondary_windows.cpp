#include "app/secondary_windows.h"

#include "app/roster_controller.h"
#include "map/map_dialog.h"
#include "output/about_box.h"
#include "output/calendar_controller.h"
#include "output/details_controller.h"
#include "output/export_window.h"
#include "output/popup_window.h"
#include "ui/main_window.h"

namespace mireto {

SecondaryWindows::SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      popup_(std::make_unique<PopupController>()),
      export_(std::make_unique<ExportController>()),
      map_(std::make_unique<MapController>(mainWindow)),
      details_(std::make_unique<DetailsController>(mainWindow, &mainWindow->tables())),
      calendar_(std::make_unique<CalendarController>(mainWindow, mainWindow->tables())),
      roster_(new RosterController(mainWindow, DesktopRosterFile(), std::move(prompts))) {
  popup_->setOwner(mainWindow);
  export_->setOwner(mainWindow);
  connect(mainWindow, &MainWindow::popupRequested, this,
          [this](const ChartSnapshot& chart) { popup_->open(chart); });
  connect(mainWindow, &MainWindow::exportRequested, this,
          [this](const ChartSnapshot& chart) { export_->open(chart); });
  connect(map_.get(), &MapController::correctionDecided, mainWindow, &MainWindow::setTimeDifference);
  connect(map_.get(), &MapController::placeDecided, roster_, &RosterController::rememberMapPlace);
  connect(mainWindow, &MainWindow::mapRequested, this, [this] { map_->open(); });
  connect(mainWindow, &MainWindow::detailsRequested, this, [this] { details_->open(); });
  connect(mainWindow, &MainWindow::calendarRequested, this, [this] { calendar_->open(); });
  calendar_->setTimeDifference(mainWindow->timeDifferenceDays());
  connect(mainWindow, &MainWindow::timeDifferenceChanged, this,
          [this] { calendar_->setTimeDifference(mainWindow_->timeDifferenceDays()); });
  connect(mainWindow, &MainWindow::chartDisplayed, this,
          [this](const ChartSnapshot& chart) { details_->followBirthTime(chart.birthTime); });
  connect(mainWindow, &MainWindow::chartDetailsDisplayed, this,
          [this](const ChartDetails& details) { details_->follow(details); });
  connect(mainWindow, &MainWindow::aboutRequested, this, [this] { ShowAboutBox(mainWindow_); });
  connect(mainWindow, &MainWindow::rosterSaveRequested, roster_, &RosterController::save);
  connect(mainWindow, &MainWindow::rosterRequested, roster_, &RosterController::openWindow);
  connect(mainWindow, &MainWindow::rosterExportRequested, roster_, &RosterController::exportFile);
  connect(mainWindow, &MainWindow::rosterImportRequested, roster_, &RosterController::importFile);
  connect(mainWindow, &MainWindow::rosterRestoreRequested, roster_, &RosterController::restoreBackup);
  connect(mainWindow, &MainWindow::unloading, this, &SecondaryWindows::unloadAll);
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
}

}  // namespace mireto
