// How the main window's pick-only drop-down lists behave beyond Qt's defaults,
// as desktop users expect them to:
// - the mouse wheel over a list changes its choice only while the list has the
//   keyboard focus; over an unfocused list it does nothing (and gives no focus);
// - the opened list is at most kDropDownVisibleItems items tall and scrolls,
//   also under styles (Fusion) that would otherwise open it as tall as the
//   screen allows;
// - typing selects the first item that starts with what was typed: "1" gives
//   1 (not the next item after the current one), and "12" typed within
//   kTypeAheadTimeout gives 12; a longer pause starts a new prefix.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

class QComboBox;

namespace mireto {

inline constexpr int kDropDownVisibleItems = 16;
inline constexpr std::chrono::milliseconds kTypeAheadTimeout{1000};

using TypeAheadClock = std::function<std::chrono::steady_clock::time_point()>;

// What has been typed into a list, and what it selects.
class TypeAhead {
 public:
  // The index of the item to select after typing text at now; -1 for none.
  // Within the timeout the text extends the prefix, if some item still starts
  // with the longer prefix; otherwise the text starts a new prefix.
  int type(const QStringList& items, const QString& text, std::chrono::steady_clock::time_point now);

 private:
  QString prefix_;
  std::chrono::steady_clock::time_point last_{};
};

// The first item that starts with prefix; -1 for none.
int FirstItemStartingWith(const QStringList& items, const QString& prefix);

void ApplyDropDownBehaviour(QComboBox& list, TypeAheadClock clock = std::chrono::steady_clock::now);

}  // namespace mireto
