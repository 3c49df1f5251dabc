// Builds the main window's controls and menus from the layout tables.
#pragma once

#include <QKeySequence>
#include <QString>

#include "ui/chart_controls.h"

class QMainWindow;
class QWidget;

namespace mireto {

// Creates every control of the client area as a child of `client`, each at
// its twips position with its caption, tool tip and font, and sets the tab
// order. Chart labels start with "□". Returns the controls.
MainControls BuildMainControls(QWidget* client);

// Creates the menu bar with its items, shortcuts and separators, and returns
// the items. Each item is a QAction with the item's name as objectName, owned
// by `window`. Each menu
// also opens with Alt and the letter in its caption's brackets (Alt+F for
// "ファイル（Ｆ）"), the first with F10; the arrow keys reach every item.
MenuActions BuildMainMenus(QMainWindow* window);

// Alt and the full-width letter a caption ends with in brackets; empty if none.
QKeySequence MenuMnemonic(const QString& caption);

}  // namespace mireto
