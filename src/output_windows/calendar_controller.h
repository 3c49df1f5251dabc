// The life of the window 万年暦: created on first use as a window of the main
// window (which owns and finally destroys it) showing the present month, shown
// again on each use. It computes each month the window asks for, at the time
// difference the main window last reported, and keeps the solved terms.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <optional>

#include "chart/term_cache.h"
#include "chart/year_calendar.h"
#include "output_windows/calendar_window.h"

namespace mireto {

class CalendarController : public QObject {
  Q_OBJECT

 public:
  // tables: loaded once at start-up; must outlive the controller.
  CalendarController(QWidget* mainWindow, const CalendarTables& tables, QObject* parent = nullptr);
  ~CalendarController() override;

  // The source of today's date; the system's local date unless replaced.
  using Today = std::function<CalendarDay()>;
  void setToday(Today today);

  // 万年暦（Ｋ）: shows the window, on the present month when first created.
  void open();

  // The main window's time difference (days, east positive), none while its
  // fields hold none the chart would take; the month shown is redone.
  void setTimeDifference(std::optional<double> jisaDays);

  // Shows a month (1800-01 .. 2080-12) in the window, if it exists.
  void showMonth(int year, int month);

  void unload();
  CalendarWindow* window() const { return window_.data(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const YearCalendar& yearCalendar(int year);

  QPointer<QWidget> mainWindow_;
  const CalendarTables& tables_;
  Today today_;
  std::optional<double> jisaDays_ = 0.0;
  TermCache cache_;
  std::optional<YearCalendar> year_;  // the year last computed, at jisaDays_
  QPointer<CalendarWindow> window_;
  std::optional<QPoint> kept_;
};

}  // namespace mireto
