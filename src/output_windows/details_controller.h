// The life of the window 命式詳細: created on first use as a window of the
// main window (which owns and finally destroys it), shown again on each use,
// and given the details of every chart the main window displays.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

#include "chart/chart_details.h"
#include "output_windows/details_window.h"

namespace mireto {

class DetailsController : public QObject {
  Q_OBJECT

 public:
  // tables: for 月運 of another year (none: the window keeps the year it was given).
  explicit DetailsController(QWidget* mainWindow, const CalendarTables* tables = nullptr, QObject* parent = nullptr);
  ~DetailsController() override;

  // 命式詳細（Ｄ）: shows the window with the latest details, creating it
  // beside the main window the first time (where the user left it, when it
  // was closed since).
  void open();

  // A chart was displayed: its details replace the window's, if it exists,
  // and fill it when it is opened later.
  void follow(const ChartDetails& details);

  // The same chart's sectional terms and summer-time decision.
  void followBirthTime(const std::optional<BirthTimeDetails>& birthTime);

  // The heading of the chart on display (DetailsHeadingText).
  void followHeading(const QString& heading);

  // Destroys the window if it exists.
  void unload();

  // The window, nullptr until first opened.
  DetailsWindow* window() const { return window_.data(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> mainWindow_;
  QPointer<DetailsWindow> window_;
  std::optional<ChartDetails> latest_;
  std::optional<BirthTimeDetails> latestBirthTime_;
  QString latestHeading_;
  std::optional<QPoint> kept_;  // where the window was last hidden or closed
  const CalendarTables* tables_;
  TermCache cache_;
};

}  // namespace mireto
