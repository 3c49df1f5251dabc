// Two rules of the design's desktop platform that Qt does not follow by
// itself, applied to every control of one window:
// - a menu item's shortcut (Ctrl+E, Ctrl+M, ...) triggers the item even when
//   a text field has the focus and would otherwise take the key as its own
//   (Ctrl+V pasting, Ctrl+E moving to the end of the line);
// - a disabled control shows no tool tip.
#pragma once

#include <QObject>

class QWidget;

namespace mireto {

class WindowInputRules : public QObject {
 public:
  // Watches the application's events for the controls of `window`; owned by
  // the window.
  explicit WindowInputRules(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool inWindow(const QObject* object) const;
  bool isMenuShortcut(const QEvent& keyEvent) const;

  QWidget& window_;
};

}  // namespace mireto
