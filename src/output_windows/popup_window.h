// The pop-up chart window frmpop01: a snapshot copy of the displayed chart.
#pragma once

#include <array>

#include "chart/chart_snapshot.h"
#include "output_windows/popup_layout.h"
#include "output_windows/secondary_window.h"

class QLabel;
class QLineEdit;

namespace mireto {

// The controls of a loaded pop-up that the chart is written to.
struct PopupControls {
  std::array<QLineEdit*, popup::kTextBoxes.size()> boxes{};         // as kTextBoxes
  std::array<QLabel*, popup::kPillarLabels.size()> pillarLabels{};  // as kPillarLabels
  std::array<QLabel*, popup::kLuckColumns - 1> firstAges{};         // sai1(0..9)
  std::array<QLabel*, popup::kLuckColumns> lastAges{};              // sai2(0..10)
  std::array<QLabel*, popup::kLuckColumns> stems{};                 // dun_kan(0..10)
  std::array<QLabel*, popup::kLuckColumns> branches{};              // dun_shi(0..10)
};

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

  PopupControls controls_;  // of the loaded window; rebuilt with it
};

}  // namespace mireto
