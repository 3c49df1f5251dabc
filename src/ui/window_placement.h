// Centring a top-level window on its screen, shared by every window:
// left = (screen width - window width) / 2, top = (screen height - window height) / 2,
// with the window's outer size (its frame included once it has one).
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mireto {

inline void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const QSize outer = window.frameGeometry().size();
  window.move(area.left() + (area.width() - outer.width()) / 2,
              area.top() + (area.height() - outer.height()) / 2);
}

}  // namespace mireto
