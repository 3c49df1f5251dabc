// Reads what the main window's controls display, by control name.
//
// The secondary windows are snapshots of the main window: they read the
// displayed texts at the moment of a click, never the numbers behind them.
#pragma once

#include <QString>

class QWidget;

namespace mireto {

// The text or caption of the named control; empty when there is none.
QString DisplayedText(const QWidget& mainWindow, const char* name);

// Whether the named control's font is bold; false when there is none.
bool DisplayedBold(const QWidget& mainWindow, const char* name);

// "男" when the male option optM is selected; "女" in every other state.
QString DisplayedSex(const QWidget& mainWindow);

// The name of element i of a control array, e.g. "dun_kan(3)".
QString ArrayControlName(const char* array, int index);

}  // namespace mireto
