#include "output/secondary_window.h"

#include <QEvent>

#include "gui/window_placement.h"

namespace mireto {

SecondaryWindow::SecondaryWindow(QObject* parent) : QObject(parent) {}

SecondaryWindow::~SecondaryWindow() { unload(); }

void SecondaryWindow::unload() {
  if (window_) delete window_.data();
}

QWidget& SecondaryWindow::showWindow() {
  if (!window_) {
    // No parent: the window is top-level on its own, and searching the main
    // window's children by name never finds the copies this window owns.
    window_ = createWindow();
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->installEventFilter(this);
    // Centred now, and again once the window has its frame.
    CentreOnScreen(*window_);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
  return *window_;
}

bool SecondaryWindow::eventFilter(QObject* watched, QEvent* event) {
  // A close from the title bar deletes the window later; forget it at once so
  // that a use before the deletion already creates a new one.
  if (watched == window_ && event->type() == QEvent::Close) window_.clear();
  return QObject::eventFilter(watched, event);
}

}  // namespace mireto
