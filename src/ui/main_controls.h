// Builds the main window's controls and menus from the layout tables.
#pragma once

#include "ui/chart_controls.h"

class QMainWindow;
class QWidget;

namespace mireto {

// Creates every control of the client area as a child of `client`, each at
// its twips position with its caption, tool tip and font, and sets the tab
// order. Chart labels start with "□". Returns the chart controls.
ChartControls BuildMainControls(QWidget* client);

// Creates the menu bar with its items, shortcuts and separators. Each item is
// a QAction with the item's name as objectName, owned by `window`.
void BuildMainMenus(QMainWindow* window);

}  // namespace mireto
