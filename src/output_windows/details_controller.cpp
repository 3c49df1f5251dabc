#include "output_windows/details_controller.h"

#include <QEvent>

#include "gui/window_placement.h"
#include "output_windows/details_window.h"

namespace mireto {

DetailsController::DetailsController(QWidget* mainWindow, const CalendarTables* tables, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), tables_(tables) {}

DetailsController::~DetailsController() { unload(); }

void DetailsController::open() {
  if (!latest_) return;  // the menu item is enabled only once a chart is shown
  const bool created = !window_;
  if (created) {
    window_ = new DetailsWindow(mainWindow_);
    window_->showDetails(*latest_);
    window_->showBirthTime(latestBirthTime_);
    window_->showHeading(latestHeading_);
    window_->installEventFilter(this);
    connect(window_, &DetailsWindow::monthlyYearRequested, this, [this](int year) {
      if (!latest_ || tables_ == nullptr) return;
      latest_->monthly = MonthlyLuckOfYear(*latest_, *tables_, year, cache_);
      window_->showMonthly(year, latest_->monthly);
    });
    connect(window_, &DetailsWindow::dailyMonthRequested, this, [this](int year, int month) {
      if (!latest_) return;
      latest_->daily = DailyLuckOfMonth(*latest_, year, month);
      window_->showDaily(year, month, latest_->daily);
    });
    if (mainWindow_) PlaceWindow(*window_, *mainWindow_, Placement::BesideOwner, kept_);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

bool DetailsController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) kept_ = window_->pos();
  return QObject::eventFilter(watched, event);
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

void DetailsController::followHeading(const QString& heading) {
  latestHeading_ = heading;
  if (window_) window_->showHeading(heading);
}

}  // namespace mireto
