// The splash window startmireto: the artwork with the program's version for
// three seconds. After 3000 ms (never earlier) it emits timeUp() once; whoever
// shows the main window then closes the splash. Tests give a shorter interval.
#pragma once

#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace mireto {

// "Ver. " and the program's version, e.g. "Ver. 1.3.15".
QString VersionLabelText();

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kIntervalMs = 3000;

  explicit SplashWindow(int intervalMs = kIntervalMs, QWidget* parent = nullptr);

  void centreOnScreen();

 signals:
  void timeUp();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
  QTimer timer_;
};

}  // namespace mireto
