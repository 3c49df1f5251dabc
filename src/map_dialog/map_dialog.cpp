#include "map_dialog/map_dialog.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QThread>
#include <QWindow>

#include "gui/fonts.h"
#include "gui/resources.h"
#include "gui/window_keys.h"
#include "gui/window_placement.h"
#include "map/map_conversions.h"
#include "map_dialog/map_layout.h"
#include "map_dialog/map_view.h"

namespace mireto {
namespace {

namespace L = map_layout;

// How long the moving crosshair stays on screen before it is erased, in ms.
constexpr unsigned long kCrosshairPauseMs = 40;

const QString kCaption = QStringLiteral("日本地図");
const QString kMapPicture = QStringLiteral(":/japan-map.png");

QFont GothicFont() { return LayoutFont(FontFace::Gothic, L::kFontPoints); }

QString StyleColour(unsigned rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

// The rows and buttons above the picture and the margin below it.
constexpr int kChromeHeightPx = L::kClientSizePx.height() - MapView::kSizePx;

// The side the picture is shown at on the main window's screen: the dialog,
// framed as the main window is, fits the available height.
int ShownMapSide(const QWidget* mainWindow) {
  const QScreen* screen =
      mainWindow != nullptr && mainWindow->screen() ? mainWindow->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return MapView::kSizePx;
  int frameHeight = 0;
  if (mainWindow != nullptr) frameHeight = mainWindow->frameGeometry().height() - mainWindow->height();
  return FittedMapSide(screen->availableGeometry().height() - frameHeight - kChromeHeightPx);
}

}  // namespace

MapDialog::MapDialog(QWidget* mainWindow) : QWidget(nullptr), mainWindow_(mainWindow) {
  InitResources();
  setObjectName(QStringLiteral("frmjpmap"));
  // Fixed frame with a caption only: no close, maximise or minimise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kCaption);
  const int side = ShownMapSide(mainWindow);
  setFixedSize(L::kClientSizePx - QSize(0, MapView::kSizePx - side));
  setAutoFillBackground(true);
  QPalette ground = palette();
  ground.setColor(QPalette::Window, QColor(QRgb(L::kGroundRgb)));
  setPalette(ground);
  setFont(GothicFont());
  BuildControls(side);
  SetPointButtonsEnabled(false);
  focusNow_ = QGuiApplication::focusWindow();
  focusNowIsOurs_ = focusNow_ != nullptr;
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MapDialog::OnFocusWindowChanged);
}

void MapDialog::BuildControls(int mapSide) {
  const char* const valueNames[2][3] = {{"lblido", "lblihun", "lblibyou"}, {"lblkdo", "lblkhun", "lblkbyou"}};
  const QString captions[2][4] = {{"北緯", "度", "分", "秒"}, {"東経", "度", "分", "秒"}};
  const int rowTops[2] = {L::kLatitudeRowTop, L::kLongitudeRowTop};
  QLabel* values[2][3] = {};
  for (int row = 0; row < 2; ++row) {
    int caption = 0;
    int value = 0;
    for (const auto& item : L::kRowItems) {
      const QRect geometry = L::ToPixels({item.left, rowTops[row], item.width, L::kRowHeight});
      if (item.isValue) {
        values[row][value] = AddValueLabel(valueNames[row][value], geometry);
        ++value;
      } else {
        auto* label = new QLabel(captions[row][caption++], this);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      }
    }
  }
  latDeg_ = values[0][0];
  latMin_ = values[0][1];
  latSec_ = values[0][2];
  lonDeg_ = values[1][0];
  lonMin_ = values[1][1];
  lonSec_ = values[1][2];

  decide_ = new QPushButton(QStringLiteral("決定"), this);
  decide_->setObjectName(QStringLiteral("btndecide"));
  decide_->setGeometry(L::ToPixels(L::kDecideButton));
  cancel_ = new QPushButton(QStringLiteral("取消"), this);
  cancel_->setObjectName(QStringLiteral("btncancel"));
  cancel_->setGeometry(L::ToPixels(L::kCancelButton));
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("btnClose"));
  close->setGeometry(L::ToPixels(L::kCloseButton));
  connect(decide_, &QPushButton::clicked, this, &MapDialog::Decide);
  connect(cancel_, &QPushButton::clicked, this, &MapDialog::Cancel);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  BindWindowKeys(*this, *close, {decide_, cancel_});

  view_ = new MapView(kMapPicture, mapSide, this);
  view_->move(L::ToPixels(L::kMap).topLeft());
  connect(view_, &MapView::mouseMoved, this, &MapDialog::OnMouseMoved);
  connect(view_, &MapView::mousePressed, this, &MapDialog::OnMousePressed);
}

QLabel* MapDialog::AddValueLabel(const char* name, QRect geometryPx) {
  auto* label = new QLabel(this);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometryPx);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setAutoFillBackground(true);
  label->setStyleSheet(QStringLiteral("QLabel { background-color: %1; }").arg(StyleColour(L::kValueGroundRgb)));
  return label;
}

// Remembers which window had the focus before the present one; nullptr
// stands for a window of another program.
void MapDialog::OnFocusWindowChanged(QWindow* focus) {
  focusBeforeWasOurs_ = focusNowIsOurs_;
  focusNow_ = focus;
  focusNowIsOurs_ = focus != nullptr;
}

// Whether the dialog is being activated from another window of this program.
// Qt delivers the activation before or after the focus change is reported.
bool MapDialog::ActivatedFromOurWindow() const {
  const bool changeReported = focusNow_ != nullptr && focusNow_ == windowHandle();
  return changeReported ? focusBeforeWasOurs_ : focusNowIsOurs_;
}

// Activation resets the dialog only when it comes from another window of this
// program, as the design's platform reports it: returning from another
// application leaves a picked point as it was.
bool MapDialog::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && ActivatedFromOurWindow()) OnActivated();
  return QWidget::event(event);
}

// Every showing starts a new pick on a clean map; the window system need not
// report a new activation for a window that was hidden.
void MapDialog::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  view_->ClearDrawing();
  OnActivated();
}

// A new pick; a crosshair left on the map by an activation stays there.
void MapDialog::OnActivated() {
  for (QLabel* label : {latDeg_, latMin_, latSec_, lonDeg_, lonMin_, lonSec_}) label->clear();
  pointFixed_ = false;
  SetPointButtonsEnabled(false);
  setWindowTitle(kCaption);
}

void MapDialog::OnMouseMoved(QPointF point) {
  if (pointFixed_) return;
  FillLabels(point);
  view_->XorCrosshair(point);
  view_->RepaintNow();
  // The pause holds the event loop, so no later event can leave a half-drawn crosshair.
  QThread::msleep(kCrosshairPauseMs);
  view_->XorCrosshair(point);
}

void MapDialog::OnMousePressed(Qt::MouseButton button, QPointF point) {
  if (button == Qt::RightButton) {
    if (pointFixed_) Cancel();
    return;
  }
  if (!pointFixed_) FixPoint(point);
}

void MapDialog::FillLabels(QPointF point) {
  const DmsTexts lat = SplitDms(PixelToLatitude(static_cast<float>(point.y())));
  const DmsTexts lon = SplitDms(PixelToLongitude(static_cast<float>(point.x())));
  latDeg_->setText(QString::fromStdString(lat.degrees));
  latMin_->setText(QString::fromStdString(lat.minutes));
  latSec_->setText(QString::fromStdString(lat.seconds));
  lonDeg_->setText(QString::fromStdString(lon.degrees));
  lonMin_->setText(QString::fromStdString(lon.minutes));
  lonSec_->setText(QString::fromStdString(lon.seconds));
}

void MapDialog::FixPoint(QPointF point) {
  FillLabels(point);
  view_->XorCrosshair(point);
  pointFixed_ = true;
  SetPointButtonsEnabled(true);
}

// Clears the map and the fixed point; the labels keep their values until the next move.
void MapDialog::Cancel() {
  view_->ClearDrawing();
  pointFixed_ = false;
  SetPointButtonsEnabled(false);
}

// The correction is computed from the displayed longitude, cut to whole seconds.
void MapDialog::Decide() {
  const CorrectionTexts correction = LongitudeToCorrection(lonDeg_->text().toStdString(), lonMin_->text().toStdString(),
                                                           lonSec_->text().toStdString());
  const QString minutes = QString::fromStdString(correction.minutes);
  const QString seconds = QString::fromStdString(correction.seconds);
  emit correctionDecided(minutes, seconds);
  emit placeDecided(
      QStringLiteral("東経%1度%2分%3秒 北緯%4度%5分%6秒")
          .arg(lonDeg_->text(), lonMin_->text(), lonSec_->text(), latDeg_->text(), latMin_->text(), latSec_->text()),
      minutes, seconds);
  hide();
}

void MapDialog::SetPointButtonsEnabled(bool enabled) {
  decide_->setEnabled(enabled);
  cancel_->setEnabled(enabled);
}

// Closed by the window system: unloaded like at shut-down, writing nothing.
void MapDialog::closeEvent(QCloseEvent* event) {
  hide();
  if (mainWindow_ != nullptr) mainWindow_->show();
  event->accept();
}

MapController::MapController(QWidget* mainWindow, QObject* parent) : QObject(parent), mainWindow_(mainWindow) {}

MapController::~MapController() { delete dialog_.data(); }

void MapController::open() {
  if (dialog_ == nullptr) {
    dialog_ = new MapDialog(mainWindow_);
    connect(dialog_, &MapDialog::correctionDecided, this, &MapController::correctionDecided);
    connect(dialog_, &MapDialog::placeDecided, this, &MapController::placeDecided);
    dialog_->installEventFilter(this);
    // Centred the first time, then where the user left it.
    if (mainWindow_ != nullptr) {
      PlaceWindow(*dialog_, *mainWindow_, Placement::Centred, kept_);
    } else {
      CentreOnScreen(*dialog_);
    }
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void MapController::unload() {
  if (dialog_ == nullptr) return;
  dialog_->hide();
  if (mainWindow_ != nullptr) mainWindow_->show();
  delete dialog_.data();
}

QWidget* MapController::window() const { return dialog_.data(); }

bool MapController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) kept_ = dialog_->pos();
  return QObject::eventFilter(watched, event);
}

}  // namespace mireto
