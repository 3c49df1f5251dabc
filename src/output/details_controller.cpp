#include "output/details_controller.h"

#include "gui/window_placement.h"
#include "output/details_window.h"

namespace mireto {

DetailsController::DetailsController(QWidget* mainWindow, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow) {}

DetailsController::~DetailsController() { unload(); }

void DetailsController::open() {
  if (!latest_) return;  // the menu item is enabled only once a chart is shown
  const bool created = !window_;
  if (created) {
    window_ = new DetailsWindow(mainWindow_);
    window_->showDetails(*latest_);
    window_->showBirthTime(latestBirthTime_);
  }
  window_->show();
  if (created) CentreOnScreen(*window_);  // the frame's size is known once shown
  window_->raise();
  window_->activateWindow();
}

void DetailsController::unload() {
  if (window_) delete window_.data();
}

void DetailsController::follow(const ChartDetails& details) {
  latest_ = details;
  if (window_) window_->showDetails(details);
}

void DetailsController::followBirthTime(const std::optional<BirthTimeDetails>& birthTime) {
  latestBirthTime_ = birthTime;
  if (window_) window_->showBirthTime(birthTime);
}

}  // namespace mireto
