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
  const QPoint frameTopLeft =
      CentredFramePosition(screen->geometry(), screen->availableGeometry(), window.frameGeometry().size());
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
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::WindowActivate) {
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

namespace {

// The corner moved so that the frame lies on the available area where it
// fits, with its top-left corner on it in any case: the title bar wins.
QPoint Clamped(QPoint corner, const QRect& available, const QSize& frameSize) {
  int left = std::min(corner.x(), available.left() + available.width() - frameSize.width());
  int top = std::min(corner.y(), available.top() + available.height() - frameSize.height());
  left = std::max(left, available.left());
  top = std::max(top, available.top());
  return {left, top};
}

// Beside the owner where the whole frame fits on the available area.
std::optional<QPoint> BesidePosition(const QRect& owner, const QRect& available, const QSize& frame) {
  if (frame.height() <= available.height()) {
    const int top = Clamped(owner.topLeft(), available, frame).y();
    if (owner.right() + frame.width() <= available.right()) return QPoint(owner.right() + 1, top);
    if (owner.left() - frame.width() >= available.left()) return QPoint(owner.left() - frame.width(), top);
  }
  if (frame.width() <= available.width() && owner.bottom() + frame.height() <= available.bottom()) {
    return QPoint(Clamped(owner.topLeft(), available, frame).x(), owner.bottom() + 1);
  }
  return std::nullopt;
}

}  // namespace

QPoint CentredFramePosition(const QRect& screen, const QRect& available, const QSize& frameSize) {
  const int left = screen.left() + (screen.width() - frameSize.width()) / 2;
  const int top = screen.top() + (screen.height() - frameSize.height()) / 2;
  return Clamped({left, top}, available, frameSize);
}

QPoint PlacedFramePosition(const PlacementRequest& request) {
  if (request.kept) return Clamped(*request.kept, request.available, request.frame);
  if (request.how == Placement::BesideOwner && request.owner.isValid()) {
    if (const auto beside = BesidePosition(request.owner, request.available, request.frame)) return *beside;
  }
  return CentredFramePosition(request.screen, request.available, request.frame);
}

void PlaceWindow(QWidget& window, const QWidget& owner, Placement how, std::optional<QPoint> kept) {
  const QWidget& ownerWindow = *owner.window();
  const QScreen* screen = ownerWindow.screen() ? ownerWindow.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The window's own frame once it has one, else the owner's as the likely one.
  QMargins margins = FrameMargins(window);
  if (margins.isNull()) margins = FrameMargins(ownerWindow);
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  PlacementRequest request;
  request.screen = screen->geometry();
  request.available = screen->availableGeometry();
  request.frame = window.size().grownBy(margins);
  request.how = how;
  request.owner = ownerWindow.frameGeometry();
  request.kept = kept;
  window.move(PlacedFramePosition(request));
}

void CentreOnScreen(QWidget& window) {
  CentreNow(window);
  if (!FrameMargins(window).isNull()) return;
  if (!window.property(kWatchedProperty).toBool()) new FrameWatcher(window);
}

}  // namespace mireto
