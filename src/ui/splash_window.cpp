#include "ui/splash_window.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "gui/resources.h"
#include "gui/twips.h"
#include "gui/version.h"
#include "gui/window_placement.h"
#include "ui/fonts.h"

namespace mireto {

namespace {

constexpr int kClientWidth = 4860;   // twips
constexpr int kClientHeight = 3405;  // twips
constexpr TwipsRect kVersionLabelRect = {855, 2010, 1680, 300};

}  // namespace

QString VersionLabelText() { return QStringLiteral("Ver. ") + VersionText(); }

SplashWindow::SplashWindow(int intervalMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  InitResources();
  setObjectName(QStringLiteral("startmireto"));
  setFixedSize(ToPixels(kClientWidth, kClientHeight));
  background_.load(QStringLiteral(":/splash.png"));

  auto* label = new QLabel(VersionLabelText(), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(ToPixels(kVersionLabelRect));
  label->setFont(FontFor(FontRole::PGothic12));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);

  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setInterval(intervalMs);
  timer_.setSingleShot(true);
  // A coarse timer may fire up to 5 % early; the main window must not.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::timeUp);
}

void SplashWindow::centreOnScreen() { CentreOnScreen(*this); }

void SplashWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!timer_.isActive()) timer_.start();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!background_.isNull()) painter.drawPixmap(0, 0, background_);
}

}  // namespace mireto
