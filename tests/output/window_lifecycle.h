// Checks shared by the secondary windows: opened beside the main window;
// CLOSE hides and keeps the window where it was; a title-bar close destroys
// it and the next use creates it again where the user had moved it.
#pragma once

#include <functional>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace mireto::test {

inline bool IsCentred(const QWidget& window) {
  const QRect screen = window.screen()->geometry();
  const QRect frame = window.frameGeometry();
  return frame.left() == screen.left() + (screen.width() - frame.width()) / 2 &&
         frame.top() == screen.top() + (screen.height() - frame.height()) / 2;
}

// Wholly on the available area and clear of the owner (the main window).
inline bool IsBeside(const QWidget& window, const QWidget& owner) {
  const QRect frame = window.frameGeometry();
  return window.screen()->availableGeometry().contains(frame) && !frame.intersects(owner.frameGeometry());
}

// Owned by the main window: the window system keeps it above its owner.
inline bool IsOwnedBy(const QWidget& window, const QWidget& owner) {
  return window.windowHandle() != nullptr && owner.windowHandle() != nullptr &&
         window.windowHandle()->transientParent() == owner.windowHandle() && window.parent() == nullptr;
}

// open() shows the window; window() returns it or nullptr; owner is the main window.
inline void CheckLifecycle(const std::function<void()>& open, const std::function<QWidget*()>& window,
                           const char* closeButtonName, const QWidget& owner) {
  open();
  QPointer<QWidget> first = window();
  QVERIFY(first);
  QVERIFY(first->isVisible());
  QVERIFY(IsBeside(*first, owner));
  QVERIFY(IsOwnedBy(*first, owner));

  first->move(first->pos() + QPoint(-37, 23));
  const QPoint moved = first->pos();
  auto* close = first->findChild<QAbstractButton*>(QString::fromUtf8(closeButtonName));
  QVERIFY(close);
  QTest::mouseClick(close, Qt::LeftButton);
  QVERIFY(!first->isVisible());
  QCOMPARE(window(), first.data());  // hidden, still loaded

  open();
  QCOMPARE(window(), first.data());
  QVERIFY(first->isVisible());
  QCOMPARE(first->pos(), moved);

  // The title bar's close button sends a close event.
  QVERIFY(first->close());
  QCOMPARE(window(), nullptr);
  open();  // before the old window is deleted
  QWidget* second = window();
  QVERIFY(second && second != first.data());
  QVERIFY(second->isVisible());
  QCOMPARE(second->pos(), moved);
  QVERIFY(IsOwnedBy(*second, owner));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(first.isNull());
  QCOMPARE(window(), second);
}

}  // namespace mireto::test
