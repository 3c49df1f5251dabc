#include "ui/window_input_rules.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QToolTip>
#include <QWidget>

namespace mireto {

WindowInputRules::WindowInputRules(QWidget& window) : QObject(&window), window_(window) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool WindowInputRules::inWindow(const QObject* object) const {
  if (object == nullptr || !object->isWidgetType()) return false;
  return static_cast<const QWidget*>(object)->window() == &window_;
}

bool WindowInputRules::isMenuShortcut(const QEvent& event) const {
  const auto& key = static_cast<const QKeyEvent&>(event);
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : window_.actions())
    if (!action->shortcut().isEmpty() && action->shortcut().matches(pressed) == QKeySequence::ExactMatch) return true;
  return false;
}

bool WindowInputRules::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Not accepting the override lets the shortcut run instead of the key.
      if (inWindow(watched) && isMenuShortcut(*event)) {
        event->ignore();
        return true;
      }
      break;
    case QEvent::ToolTip:
      if (inWindow(watched) && !static_cast<QWidget*>(watched)->isEnabled()) {
        QToolTip::hideText();
        event->ignore();
        return true;
      }
      break;
    default: break;
  }
  return false;
}

}  // namespace mireto
