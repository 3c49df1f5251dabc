#include "output_windows/calendar_controller.h"

#include <QDate>
#include <QEvent>

#include "gui/window_placement.h"

namespace mireto {

CalendarController::CalendarController(QWidget* mainWindow, const CalendarTables& tables, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), tables_(tables), today_([] {
        const QDate d = QDate::currentDate();
        return CalendarDayOf(d.year(), d.month(), d.day());
      }) {}

CalendarController::~CalendarController() { unload(); }

void CalendarController::setToday(Today today) { today_ = std::move(today); }

void CalendarController::open() {
  if (!window_) {
    window_ = new CalendarWindow(mainWindow_);
    window_->installEventFilter(this);
    connect(window_, &CalendarWindow::monthRequested, this, &CalendarController::showMonth);
    const CalendarDay today = today_();
    const auto [year, month] = StepMonth(today.year, today.month, 0);
    showMonth(year, month);
    if (mainWindow_) PlaceWindow(*window_, *mainWindow_, Placement::BesideOwner, kept_);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

const YearCalendar& CalendarController::yearCalendar(int year) {
  if (!year_ || year_->year != year) year_ = ComputeYearCalendar(tables_, year, jisaDays_.value_or(0), cache_);
  return *year_;
}

void CalendarController::showMonth(int year, int month) {
  if (!window_) return;
  const YearCalendar& calendar = yearCalendar(year);
  std::vector<CalendarMonthView> months;
  for (int m = 1; m <= 12; ++m) months.push_back(CalendarMonthOf(calendar, m, jisaDays_));
  window_->showMonth(months, month, today_());
}

void CalendarController::setTimeDifference(std::optional<double> jisaDays) {
  if (jisaDays == jisaDays_) return;
  jisaDays_ = jisaDays;
  year_.reset();
  if (window_) showMonth(window_->month().year, window_->month().month);
}

bool CalendarController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) kept_ = window_->pos();
  return QObject::eventFilter(watched, event);
}

void CalendarController::unload() {
  if (window_) delete window_.data();
}

}  // namespace mireto
