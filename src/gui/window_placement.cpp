#include "gui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace mireto {

namespace {

// Set on a window while a FrameWatcher waits for its frame, so that a second
// centring does not add a second watcher.
constexpr const char* kWatchedProperty = "miretoFrameWatched";

QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

void CentreNow(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QPoint frameTopLeft = CentredFramePosition(
      screen->geometry(), screen->availableGeometry(), window.frameGeometry().size());
  window.move(frameTopLeft);
}

// Watches a window until the window manager has framed it, then centres it
// once more with its real outer size and goes away. Without a window manager
// (or offscreen) no frame ever comes and the window stays where it was put.
class FrameWatcher : public QObject {
 public:
  explicit FrameWatcher(QWidget& window) : QObject(&window), window_(&window) {
    window.setProperty(kWatchedProperty, true);
    window.installEventFilter(this);
  }
  ~FrameWatcher() override {
    if (window_) window_->setProperty(kWatchedProperty, QVariant());
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
        type == QEvent::WindowActivate) {
      if (!window_->isVisible() || FrameMargins(*window_).isNull()) return false;
      window_->removeEventFilter(this);
      CentreNow(*window_);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
};

}  // namespace

QPoint CentredFramePosition(const QRect& screen, const QRect& available, const QSize& frameSize) {
  int left = screen.left() + (screen.width() - frameSize.width()) / 2;
  int top = screen.top() + (screen.height() - frameSize.height()) / 2;
  // Keep the right and bottom edges on the available area where the frame
  // fits, then the left and top edges in any case: the title bar wins.
  left = std::min(left, available.left() + available.width() - frameSize.width());
  top = std::min(top, available.top() + available.height() - frameSize.height());
  left = std::max(left, available.left());
  top = std::max(top, available.top());
  return {left, top};
}

void CentreOnScreen(QWidget& window) {
  CentreNow(window);
  if (!FrameMargins(window).isNull()) return;
  if (!window.property(kWatchedProperty).toBool()) new FrameWatcher(window);
}

}  // namespace mireto
