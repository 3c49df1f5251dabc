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

#include "gui/message_box.h"
#include "gui/resources.h"
#include "gui/window_placement.h"
#include "ui/birth_time_boxes.h"
#include "ui/input_chain.h"
#include "ui/main_controls.h"
#include "ui/main_layout.h"
#include "ui/window_input_rules.h"
#include "ui/year_dialog.h"

namespace mireto {

namespace {

LocalDateTime PresentLocalTime() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return LocalDateTime{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

// A stored decision as the rule ComputeBirthChart takes.
SummerTimeRule RuleOf(roster::ClockDecision decided) {
  return decided == roster::ClockDecision::SummerTime ? SummerTimeRule::Apply : SummerTimeRule::Ignore;
}

// The decision a rule stands for, for a birth that was asked about.
roster::ClockDecision DecisionOf(BirthQuestion question, SummerTimeRule rule) {
  if (question == BirthQuestion::None) return roster::ClockDecision::NotAsked;
  return rule == SummerTimeRule::Apply ? roster::ClockDecision::SummerTime : roster::ClockDecision::AsEntered;
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
  controls_ = BuildMainControls(client);
  setCentralWidget(client);
  actions_ = BuildMainMenus(this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  input_ = new InputChain(controls_, client);
  connectControls();
  connectMenus();
  new WindowInputRules(*this);

  // The input chain enables the lists and the display button one by one.
  for (QWidget* step : std::initializer_list<QWidget*>{controls_.month, controls_.day, controls_.hour, controls_.minute,
                                                       controls_.displayButton})
    step->setEnabled(false);
  setChartCommandsEnabled(false);
}

MainWindow::~MainWindow() { unloadYearDialog(); }

const BirthRecord& MainWindow::birthRecord() const { return input_->record(); }

ChartSnapshot MainWindow::snapshot() const {
  ChartSnapshot shown = ReadSnapshot(controls_);
  if (const auto entry = chartEntry()) {
    shown.name = entry->name;
    shown.note = entry->note;
  }
  if (birthChart_) shown.birthTime = BirthTimeDetailsOf(*birthChart_);
  return shown;
}

void MainWindow::setClock(Clock clock) { clock_ = std::move(clock); }

void MainWindow::setTimeDifference(const QString& minutes, const QString& seconds) {
  input_->setTimeDifference(minutes, seconds);
}

void MainWindow::connectControls() {
  const MainControls& c = controls_;
  connect(c.yearButton, &QPushButton::clicked, this, &MainWindow::openYearDialog);
  connect(c.displayButton, &QPushButton::clicked, this, &MainWindow::displayChart);
  connect(c.exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
  connect(c.mapButton, &QPushButton::clicked, this, &MainWindow::mapRequested);
  connect(c.popupButton, &QPushButton::clicked, this, [this] { emit popupRequested(snapshot()); });
  connect(c.exportButton, &QPushButton::clicked, this, [this] { emit exportRequested(snapshot()); });
}

void MainWindow::connectMenus() {
  const MenuActions& a = actions_;
  connect(a.exit, &QAction::triggered, this, &MainWindow::exitProgram);
  connect(a.map, &QAction::triggered, this, &MainWindow::mapRequested);
  connect(a.popup, &QAction::triggered, this, [this] { emit popupRequested(snapshot()); });
  connect(a.details, &QAction::triggered, this, &MainWindow::detailsRequested);
  connect(a.calendar, &QAction::triggered, this, &MainWindow::calendarRequested);
  connect(a.compat, &QAction::triggered, this, &MainWindow::compatRequested);
  connect(input_, &InputChain::timeDifferenceEdited, this, &MainWindow::timeDifferenceChanged);
  connect(a.zeroJisa, &QAction::triggered, input_, &InputChain::zeroTimeDifference);
  connect(a.version, &QAction::triggered, this, &MainWindow::aboutRequested);
  connect(a.rosterSave, &QAction::triggered, this, &MainWindow::rosterSaveRequested);
  connect(a.rosterOpen, &QAction::triggered, this, &MainWindow::rosterRequested);
  connect(a.rosterExport, &QAction::triggered, this, &MainWindow::rosterExportRequested);
  connect(a.rosterImport, &QAction::triggered, this, &MainWindow::rosterImportRequested);
  connect(a.rosterRestore, &QAction::triggered, this, &MainWindow::rosterRestoreRequested);
  connect(a.sheetPrint, &QAction::triggered, this, &MainWindow::sheetPrintRequested);
  connect(a.sheetPreview, &QAction::triggered, this, &MainWindow::sheetPreviewRequested);
  connect(a.sheetPdf, &QAction::triggered, this, &MainWindow::sheetPdfRequested);
}

void MainWindow::setChartCommandsEnabled(bool enabled) {
  controls_.popupButton->setEnabled(enabled);
  controls_.exportButton->setEnabled(enabled);
  for (QAction* action : {actions_.popup, actions_.details, actions_.compat, actions_.rosterSave, actions_.sheetPrint,
                          actions_.sheetPreview, actions_.sheetPdf})
    action->setEnabled(enabled);
}

void MainWindow::centreOnScreen() {
  adjustSize();
  CentreOnScreen(*this);
}

QWidget* MainWindow::yearDialog() const { return yearDialog_; }

YearDialog* MainWindow::loadYearDialog() {
  if (yearDialog_ == nullptr) {
    yearDialog_ = new YearDialog(birthRecord().inYear, this);
    yearDialog_->setAttribute(Qt::WA_QuitOnClose, false);
    connect(yearDialog_, &YearDialog::confirmPressed, this, [this] { setEnabled(true); });
    connect(yearDialog_, &YearDialog::yearDecided, input_, &InputChain::decideYear);
    PlaceWindow(*yearDialog_, *this, Placement::Centred);
  }
  return yearDialog_;
}

void MainWindow::openYearDialog() {
  loadYearDialog();
  yearDialog_->show();
  yearDialog_->raise();
  yearDialog_->activateWindow();
  setEnabled(false);
  // Disabling a window disables the windows it owns; the dialog stays usable.
  yearDialog_->setEnabled(true);
  yearDialog_->focusFirstStop();
}

std::optional<double> MainWindow::timeDifferenceDays() const { return input_->timeDifferenceDays(); }

void MainWindow::displayChart() { displayDecidedChart(roster::ClockDecision::NotAsked); }

void MainWindow::displayDecidedChart(roster::ClockDecision decided) {
  const std::optional<BirthInput> input = input_->gatherInput();
  if (!input) return;
  const BirthQuestion question = QuestionBeforeChart(*input);
  const std::optional<SummerTimeRule> rule =
      decided != roster::ClockDecision::NotAsked && question != BirthQuestion::None
          ? std::optional<SummerTimeRule>(RuleOf(decided))
          : AskSummerTimeRule(this, *input);
  if (!rule) return;
  const LocalDateTime now = clock_();
  BirthChart birth = ComputeBirthChart(*input, *rule, tables_, now, Boundaries::Solve);
  if (!birth.result.chart) {
    ShowMessage(this, QMessageBox::Warning, QString::fromStdString(birth.result.error));
    return;
  }
  setChartCommandsEnabled(true);
  WriteChart(controls_, birth.result.chart->display);
  displayedBirth_ = enteredBirth();
  displayedDecision_ = DecisionOf(question, *rule);
  // 年運 of a lifetime, 月運 of the present year and 日運 of the present month.
  const DetailsRequest request = LifetimeDetailsRequest(input->hour.has_value(), input->year, now);
  TermCache cache;
  const ChartDetails details = ComputeChartDetails(*birth.result.chart, request, tables_, cache);
  birthChart_ = std::move(birth);
  emit chartDisplayed(snapshot());
  emit chartDetailsDisplayed(details);
  ShowBoundaryInformation(this, *birthChart_);
}

std::optional<roster::BirthTexts> MainWindow::enteredBirth() const { return input_->enteredTexts(); }

bool MainWindow::enterBirth(const roster::BirthTexts& birth) {
  const auto date = roster::DateParts(birth.date);
  if (!date) return false;
  const auto [year, month, day] = *date;
  YearDialog* dialog = loadYearDialog();
  if (!dialog->chooseYear(year)) return false;
  dialog->decide();
  return input_->enter(month, day, QString::fromStdString(birth.hour), QString::fromStdString(birth.minute),
                       birth.sex == "M", QString::fromStdString(birth.jisaMinutes),
                       QString::fromStdString(birth.jisaSeconds));
}

void MainWindow::setChartEntry(std::optional<roster::Entry> entry) {
  chartEntry_ = std::move(entry);
  emit chartEntryChanged();
}

std::optional<roster::Entry> MainWindow::chartEntry() const {
  if (!chartEntry_ || displayedBirth_ != chartEntry_->birth || enteredBirth() != chartEntry_->birth ||
      displayedDecision_ != chartEntry_->summerTime)
    return std::nullopt;
  return chartEntry_;
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
