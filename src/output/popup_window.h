// The pop-up chart window frmpop01: a snapshot copy of the displayed chart.
#pragma once

#include "output/secondary_window.h"

namespace mireto {

class PopupController : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit PopupController(QWidget* mainWindow, QObject* parent = nullptr);

  // The POP button and Ctrl+P: shows the window (created centred on first
  // use), then copies the main window's texts, captions and the bold mark of
  // the luck pillars, and the sex. Later changes of the main window are not
  // followed until the next call.
  void open();

 private:
  QWidget* createWindow() override;
};

}  // namespace mireto
