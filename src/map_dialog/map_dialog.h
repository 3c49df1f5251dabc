// The birthplace map dialog frmjpmap and the controller that the main window uses
// to open and unload it.
//
// While the pointer moves over the map of Japan the dialog shows the east longitude
// and north latitude under it, with a crosshair drawn by XOR and erased after a
// short pause; a left click fixes the point; "決定" hands the local-time
// correction of the fixed longitude (minutes and seconds texts) to whoever
// listens, which writes it into the main window. The dialog is modeless. Showing it, or
// activating it from another window of the program, starts a new pick; coming
// back to it from another application keeps the point picked. It opens centred
// on the screen, then where the user left it; on a screen too short for it the
// map picture is shown smaller.
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;
class QWindow;

namespace mireto {

class MapView;

class MapDialog : public QWidget {
  Q_OBJECT

 public:
  // mainWindow: the window that unloading shows again.
  explicit MapDialog(QWidget* mainWindow);

 signals:
  // "決定": the correction of the fixed longitude, as the two time-difference texts.
  void correctionDecided(const QString& minutes, const QString& seconds);
  // The same moment: the point as "東経139度41分30秒 北緯35度41分22秒" (a
  // roster entry's birthplace).
  void placeDecided(const QString& place, const QString& minutes, const QString& seconds);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls(int mapSide);
  QLabel* AddValueLabel(const char* name, QRect geometryPx);
  void OnActivated();
  void OnFocusWindowChanged(QWindow* focus);
  bool ActivatedFromOurWindow() const;
  void OnMouseMoved(QPointF point);
  void OnMousePressed(Qt::MouseButton button, QPointF point);
  void FillLabels(QPointF point);
  void FixPoint(QPointF point);
  void Cancel();
  void Decide();
  void SetPointButtonsEnabled(bool enabled);

  QPointer<QWidget> mainWindow_;
  MapView* view_ = nullptr;
  QLabel* latDeg_ = nullptr;  // lblido
  QLabel* latMin_ = nullptr;  // lblihun
  QLabel* latSec_ = nullptr;  // lblibyou
  QLabel* lonDeg_ = nullptr;  // lblkdo
  QLabel* lonMin_ = nullptr;  // lblkhun
  QLabel* lonSec_ = nullptr;  // lblkbyou
  QPushButton* decide_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool pointFixed_ = false;  // point_fixed: a click has fixed the crosshair
  // The focus window now and before it; nullptr is another program's window.
  QPointer<QWindow> focusNow_;
  bool focusNowIsOurs_ = false;
  bool focusBeforeWasOurs_ = false;
};

// Creates the dialog on first use, keeps it while hidden, and creates it again
// after it was closed by the window system.
class MapController : public QObject {
  Q_OBJECT

 public:
  // The controller is owned by its parent (or by whoever created it without one);
  // it destroys a loaded dialog when it goes.
  explicit MapController(QWidget* mainWindow, QObject* parent = nullptr);
  ~MapController() override;

  // Shows the dialog (creating it if needed) and makes it the active window.
  void open();
  // Hides the dialog, makes sure the main window is visible, and destroys the dialog.
  void unload();
  // The dialog, or nullptr when it is not loaded.
  QWidget* window() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The dialog's "決定" (see MapDialog::correctionDecided).
  void correctionDecided(const QString& minutes, const QString& seconds);
  void placeDecided(const QString& place, const QString& minutes, const QString& seconds);

 private:
  QPointer<QWidget> mainWindow_;
  QPointer<MapDialog> dialog_;
  std::optional<QPoint> kept_;  // where the dialog was last hidden or closed
};

}  // namespace mireto
