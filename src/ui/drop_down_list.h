// How the main window's pick-only drop-down lists behave beyond Qt's defaults,
// as desktop users expect them to:
// - the mouse wheel over a list changes its choice only while the list has the
//   keyboard focus; over an unfocused list it does nothing (and gives no focus);
// - the opened list is at most kDropDownVisibleItems items tall and scrolls,
//   also under styles (Fusion) that would otherwise open it as tall as the
//   screen allows.
#pragma once

class QComboBox;

namespace mireto {

inline constexpr int kDropDownVisibleItems = 16;

void ApplyDropDownBehaviour(QComboBox& list);

}  // namespace mireto
