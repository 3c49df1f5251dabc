// The pop-up chart window frmpop01: a snapshot copy of the displayed chart.
#pragma once

#include "chart/chart_snapshot.h"
#include "output/secondary_window.h"

namespace mireto {

class PopupController : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit PopupController(QObject* parent = nullptr);

  // The POP button and Ctrl+P: shows the window (created centred on first
  // use), then fills it with the chart as the main window showed it at the
  // click: its texts, the bold luck column and the sex. Later changes of the
  // main window are not followed until the next call.
  void open(const ChartSnapshot& chart);

 private:
  QWidget* createWindow() override;
};

}  // namespace mireto
