#include "app/secondary_windows.h"

#include "app/roster_controller.h"
#include "map/map_dialog.h"
#include "output/about_box.h"
#include "output/export_window.h"
#include "output/popup_window.h"
#include "ui/main_window.h"

namespace mireto {

SecondaryWindows::SecondaryWindows(MainWindow* mainWindow, RosterPrompts prompts)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      popup_(std::make_unique<PopupController>(mainWindow)),
      export_(std::make_unique<ExportController>(mainWindow)),
      map_(std::make_unique<MapController>(mainWindow)),
      roster_(new RosterController(mainWindow, DesktopRosterFile(), std::move(prompts))) {
  connect(mainWindow, &MainWindow::popupRequested, this, [this] { popup_->open(); });
  connect(mainWindow, &MainWindow::exportRequested, this, [this] { export_->open(); });
  connect(mainWindow, &MainWindow::mapRequested, this, [this] { map_->open(); });
  connect(mainWindow, &MainWindow::aboutRequested, this, [this] { ShowAboutBox(mainWindow_); });
  connect(mainWindow, &MainWindow::rosterSaveRequested, roster_, &RosterController::save);
  connect(mainWindow, &MainWindow::rosterRequested, roster_, &RosterController::openWindow);
  connect(mainWindow, &MainWindow::rosterExportRequested, roster_, &RosterController::exportFile);
  connect(mainWindow, &MainWindow::rosterImportRequested, roster_, &RosterController::importFile);
  // The preview's lines 2 and 17 carry the entry the displayed chart came from.
  export_->setEntryNote([mainWindow]() -> std::pair<std::string, std::string> {
    const auto entry = mainWindow->chartEntry();
    if (!entry) return {};
    return {entry->name, entry->note};
  });
  connect(mainWindow, &MainWindow::unloading, this, &SecondaryWindows::unloadAll);
}

// The controllers' own destructors destroy any window still loaded.
SecondaryWindows::~SecondaryWindows() = default;

void SecondaryWindows::unloadAll() {
  map_->unload();
  popup_->unload();
  export_->unload();
  roster_->unload();
}

}  // namespace mireto
