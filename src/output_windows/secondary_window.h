// The life of a secondary window opened from the main window.
//
// The window is owned by the main window (kept above it by the window system,
// not above other programs), created on first use and placed then beside the
// main window; its own CLOSE button only hides it, so it keeps its contents
// and position. Closing it from its title bar destroys it, and the next use
// creates it again where the user left the last one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace mireto {

class SecondaryWindow : public QObject {
  Q_OBJECT

 public:
  explicit SecondaryWindow(QObject* parent = nullptr);
  ~SecondaryWindow() override;

  // The window it stays above (the main window); nullptr for none. Takes
  // effect when the window is next created.
  void setOwner(QWidget* owner);

  // Destroys the window if it is loaded.
  void unload();
  // The loaded window, or nullptr.
  QWidget* window() const { return window_.data(); }

 protected:
  // Shows the window, creating and placing it first when it is not loaded.
  QWidget& showWindow();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  virtual QWidget* createWindow() = 0;

  QPointer<QWidget> owner_;
  QPointer<QWidget> window_;
  // Where the last window was when it was closed or hidden.
  std::optional<QPoint> kept_;
};

}  // namespace mireto
