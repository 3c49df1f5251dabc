// The life of a secondary window opened from the main window.
//
// The window is created on first use and centred then; its own CLOSE button
// only hides it, so it keeps its contents and position. Closing it from its
// title bar destroys it, and the next use creates it again.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace mireto {

class SecondaryWindow : public QObject {
  Q_OBJECT

 public:
  explicit SecondaryWindow(QObject* parent = nullptr);
  ~SecondaryWindow() override;

  // Destroys the window if it is loaded.
  void unload();
  // The loaded window, or nullptr.
  QWidget* window() const { return window_.data(); }

 protected:
  // Shows the window, creating and centring it first when it is not loaded.
  QWidget& showWindow();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  virtual QWidget* createWindow() = 0;

  QPointer<QWidget> window_;
};

}  // namespace mireto
