#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "ui/birth_time_boxes.h"
#include "ui/input_chain.h"
#include "ui/main_controls.h"
#include "ui/main_layout.h"
#include "gui/resources.h"
#include "ui/widget_lookup.h"
#include "gui/window_placement.h"
#include "ui/year_dialog.h"

namespace mireto {

namespace {

// The lists and the display button that the input chain enables one by one.
constexpr const char* kChainControls[] = {"mSelect", "dSelect", "hSelect", "mtSelect", "fInput"};

LocalDateTime PresentLocalTime() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return LocalDateTime{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

}  // namespace

MainWindow::MainWindow(const CalendarTables& tables, QWidget* parent)
    : QMainWindow(parent), tables_(tables), clock_(PresentLocalTime) {
  InitResources();
  setObjectName(QString::fromUtf8(main_layout::kWindowName));
  setWindowTitle(QString::fromUtf8(main_layout::kCaption));
  // Fixed frame with a minimize button and no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  setFont(FontFor(FontRole::Default));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  chart_ = BuildMainControls(client);
  setCentralWidget(client);
  BuildMainMenus(this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  input_ = new InputChain(client);
  connectControls();
  connectMenus();

  for (const char* name : kChainControls) FindControl<QWidget>(this, name)->setEnabled(false);
  setChartCommandsEnabled(false);
}

MainWindow::~MainWindow() { unloadYearDialog(); }

const BirthRecord& MainWindow::birthRecord() const { return input_->record(); }

ChartSnapshot MainWindow::snapshot() const {
  ChartSnapshot s = ReadSnapshot(chart_);
  if (birthChart_) s.birthTime = BirthTimeDetailsOf(*birthChart_);
  return s;
}

void MainWindow::setClock(Clock clock) { clock_ = std::move(clock); }

bool MainWindow::enterBirth(const BirthInput& input) { return input_->enterBirth(input); }

void MainWindow::setTimeDifference(const QString& minutes, const QString& seconds) {
  input_->setTimeDifference(minutes, seconds);
}

void MainWindow::connectControls() {
  auto button = [this](const char* name) { return FindControl<QPushButton>(this, name); };
  connect(button("yearInput"), &QPushButton::clicked, this, &MainWindow::openYearDialog);
  connect(button("fInput"), &QPushButton::clicked, this, &MainWindow::displayChart);
  connect(button("endbtn"), &QPushButton::clicked, this, &MainWindow::exitProgram);
  connect(button("btnmap"), &QPushButton::clicked, this, &MainWindow::mapRequested);
  connect(button("btnpop"), &QPushButton::clicked, this, [this] { emit popupRequested(snapshot()); });
  connect(button("btnexport"), &QPushButton::clicked, this, [this] { emit exportRequested(snapshot()); });
}

void MainWindow::connectMenus() {
  auto action = [this](const char* name) { return FindControl<QAction>(this, name); };
  connect(action("endmireto"), &QAction::triggered, this, &MainWindow::exitProgram);
  connect(action("mnuMap"), &QAction::triggered, this, &MainWindow::mapRequested);
  connect(action("menupop"), &QAction::triggered, this, [this] { emit popupRequested(snapshot()); });
  connect(action("menujisa01"), &QAction::triggered, input_, &InputChain::zeroTimeDifference);
  connect(action("menuversion"), &QAction::triggered, this, &MainWindow::aboutRequested);
}

void MainWindow::setChartCommandsEnabled(bool enabled) {
  FindControl<QWidget>(this, "btnpop")->setEnabled(enabled);
  FindControl<QWidget>(this, "btnexport")->setEnabled(enabled);
  FindControl<QAction>(this, "menupop")->setEnabled(enabled);
}

void MainWindow::centreOnScreen() {
  adjustSize();
  CentreOnScreen(*this);
}

QWidget* MainWindow::yearDialog() const { return yearDialog_; }

void MainWindow::openYearDialog() {
  if (yearDialog_ == nullptr) {
    yearDialog_ = new YearDialog(birthRecord().inYear);
    yearDialog_->setAttribute(Qt::WA_QuitOnClose, false);
    connect(yearDialog_, &YearDialog::confirmPressed, this, [this] { setEnabled(true); });
    connect(yearDialog_, &YearDialog::yearDecided, input_, &InputChain::decideYear);
    CentreOnScreen(*yearDialog_);
  }
  yearDialog_->show();
  yearDialog_->raise();
  yearDialog_->activateWindow();
  setEnabled(false);
}

void MainWindow::displayChart() {
  const std::optional<BirthInput> input = input_->gatherInput();
  if (!input) return;
  const std::optional<SummerTimeRule> rule = AskSummerTimeRule(this, *input);
  if (!rule) return;
  BirthChart birth = ComputeBirthChart(*input, *rule, tables_, clock_(), true);
  if (!birth.result.chart) {
    QMessageBox::warning(this, QString::fromUtf8(main_layout::kCaption),
                         QString::fromStdString(birth.result.error));
    return;
  }
  setChartCommandsEnabled(true);
  WriteChart(chart_, birth.result.chart->display);
  birthChart_ = std::move(birth);
  emit chartDisplayed(snapshot());
  ShowBoundaryInformation(this, *birthChart_);
}

const std::optional<BirthChart>& MainWindow::birthChart() const { return birthChart_; }

void MainWindow::unloadYearDialog() {
  if (yearDialog_ == nullptr) return;
  yearDialog_->allowClose();
  delete yearDialog_.data();
}

void MainWindow::exitProgram() {
  close();
  QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!unloaded_) {
    unloaded_ = true;
    unloadYearDialog();
    emit unloading();
  }
  event->accept();
  QMainWindow::closeEvent(event);
}

}  // namespace mireto
