#include "app/secondary_windows.h"

#include "map/map_dialog.h"
#include "output/about_box.h"
#include "output/export_window.h"
#include "output/popup_window.h"
#include "ui/main_window.h"

namespace mireto {

SecondaryWindows::SecondaryWindows(MainWindow* mainWindow)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      popup_(std::make_unique<PopupController>()),
      export_(std::make_unique<ExportController>()),
      map_(std::make_unique<MapController>(mainWindow)) {
  connect(mainWindow, &MainWindow::popupRequested, this,
          [this](const ChartSnapshot& chart) { popup_->open(chart); });
  connect(mainWindow, &MainWindow::exportRequested, this,
          [this](const ChartSnapshot& chart) { export_->open(chart); });
  connect(map_.get(), &MapController::correctionDecided, mainWindow, &MainWindow::setTimeDifference);
  connect(mainWindow, &MainWindow::mapRequested, this, [this] { map_->open(); });
  connect(mainWindow, &MainWindow::aboutRequested, this, [this] { ShowAboutBox(mainWindow_); });
  connect(mainWindow, &MainWindow::unloading, this, &SecondaryWindows::unloadAll);
}

// The controllers' own destructors destroy any window still loaded.
SecondaryWindows::~SecondaryWindows() = default;

void SecondaryWindows::unloadAll() {
  map_->unload();
  popup_->unload();
  export_->unload();
}

}  // namespace mireto
