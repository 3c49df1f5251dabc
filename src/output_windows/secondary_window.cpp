#include "output_windows/secondary_window.h"

#include <QEvent>
#include <QWindow>

#include "gui/window_placement.h"

namespace mireto {

namespace {

// The window stays above its owner (and only above it) and goes with it. The
// window system is told only for dialog-type windows, which both are.
void SetOwner(QWidget& window, QWidget* owner) {
  if (owner == nullptr) return;
  owner->window()->winId();
  window.winId();
  window.windowHandle()->setTransientParent(owner->window()->windowHandle());
}

}  // namespace

SecondaryWindow::SecondaryWindow(QObject* parent) : QObject(parent) {}

void SecondaryWindow::setOwner(QWidget* owner) { owner_ = owner; }

SecondaryWindow::~SecondaryWindow() { unload(); }

void SecondaryWindow::unload() {
  if (window_) delete window_.data();
}

QWidget& SecondaryWindow::showWindow() {
  if (!window_) {
    // No parent widget, so that searching the main window's children by name
    // never finds the copies this window owns; the window system still sees
    // the main window as its owner and keeps it above the main window.
    window_ = createWindow();
    SetOwner(*window_, owner_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->installEventFilter(this);
    if (owner_) {
      PlaceWindow(*window_, *owner_, Placement::BesideOwner, kept_);
    } else {
      CentreOnScreen(*window_);
    }
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
  return *window_;
}

bool SecondaryWindow::eventFilter(QObject* watched, QEvent* event) {
  // A close from the title bar deletes the window later; forget it at once so
  // that a use before the deletion already creates a new one.
  if (watched == window_ && (event->type() == QEvent::Close || event->type() == QEvent::Hide)) kept_ = window_->pos();
  if (watched == window_ && event->type() == QEvent::Close) window_.clear();
  return QObject::eventFilter(watched, event);
}

}  // namespace mireto
