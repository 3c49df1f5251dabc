#include "app/compat_controller.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>

#include "app/roster_controller.h"
#include "chart/birth_notices.h"
#include "gui/message_box.h"
#include "gui/window_placement.h"
#include "roster/birth_summary.h"
#include "ui/main_window.h"
#include "ui/roster_search.h"

namespace mireto {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

LocalDateTime PresentLocalTime() {
  const QDateTime now = QDateTime::currentDateTime();
  return LocalDateTime{now.date().year(), now.date().month(), now.date().day(), now.time().hour(), now.time().minute()};
}

// "?" (or nothing chosen) as none, else the number the list shows.
std::optional<int> ListNumber(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The inputs of an entry as the main window gathers them from its controls.
std::optional<BirthInput> InputOf(const roster::BirthTexts& birth) {
  const auto date = roster::DateParts(birth.date);
  if (!date) return std::nullopt;
  BirthInput input;
  input.year = (*date)[0];
  input.month = (*date)[1];
  input.day = (*date)[2];
  input.hour = ListNumber(birth.hour);
  if (input.hour) input.minute = ListNumber(birth.minute);
  input.sex = birth.sex == "M" ? Sex::Male : Sex::Female;
  input.jisaMinutesText = birth.jisaMinutes;
  input.jisaSecondsText = birth.jisaSeconds;
  return input;
}

// "1990年5月3日 14時27分 女 時差 0分0秒", and the summer-time decision taken.
std::string BirthLine(const roster::BirthTexts& birth, roster::ClockDecision decision) {
  std::string line = roster::BirthSummaryText(birth);
  if (const std::string decided = roster::DecisionText(decision); !decided.empty()) line += "（" + decided + "）";
  return line;
}

struct EntryChart {
  std::string name;
  std::string birth;
  Chart chart;
  bool hourKnown;
};

std::optional<EntryChart> ChartOf(const roster::Entry& entry, const CalendarTables& tables, std::string& error) {
  const auto input = InputOf(entry.birth);
  if (!input) {
    error = "「" + entry.name + "」の生年月日を読めません: " + entry.birth.date;
    return std::nullopt;
  }
  const SummerTimeRule rule =
      entry.summerTime == roster::ClockDecision::SummerTime ? SummerTimeRule::Apply : SummerTimeRule::Ignore;
  BirthChart birth = ComputeBirthChart(*input, rule, tables, PresentLocalTime(), Boundaries::Skip);
  if (!birth.result.chart) {
    error = "「" + entry.name + "」の命式を計算できません: " + birth.result.error;
    return std::nullopt;
  }
  return EntryChart{entry.name, BirthLine(entry.birth, entry.summerTime), std::move(*birth.result.chart),
                    input->hour.has_value()};
}

CompatSubject SubjectOf(const EntryChart& c) { return {c.name, c.birth, &c.chart, c.hourKnown}; }

std::optional<std::size_t> ChooseFromList(QWidget* parent, const QStringList& lines) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("compatChooser"));
  dialog.setWindowTitle(QStringLiteral("相性：相手を選ぶ"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("表示中の命式と並べる人を名簿から選んでください："), &dialog));
  auto* search = new QLineEdit(&dialog);
  search->setPlaceholderText(QStringLiteral("検索"));
  search->setClearButtonEnabled(true);
  layout->addWidget(search);
  auto* list = new QListWidget(&dialog);
  list->addItems(lines);
  list->setCurrentRow(0);
  layout->addWidget(list);
  QStringList folded;
  for (const QString& line : lines) folded << FoldForSearch(line);
  QObject::connect(search, &QLineEdit::textChanged, list, [list, folded](const QString& text) {
    const QString query = FoldForSearch(text);
    for (int row = 0; row < list->count(); ++row) list->item(row)->setHidden(!folded[row].contains(query));
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("相性を見る"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.resize(520, 360);
  if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr || list->currentItem()->isHidden())
    return std::nullopt;
  return static_cast<std::size_t>(list->currentRow());
}

}  // namespace

CompatPrompts CompatDialogPrompts() {
  CompatPrompts prompts;
  prompts.chooseEntry = ChooseFromList;
  prompts.report = [](QWidget* parent, const QString& message) { ShowMessage(parent, QMessageBox::Warning, message); };
  return prompts;
}

QString ChooserLine(const roster::Entry& entry) {
  return Q(entry.name) + QStringLiteral("　") + Q(roster::BirthSummaryText(entry.birth));
}

CompatController::CompatController(MainWindow* mainWindow, RosterController& roster, CompatPrompts prompts)
    : QObject(mainWindow), mainWindow_(mainWindow), roster_(roster), prompts_(std::move(prompts)) {}

CompatController::~CompatController() { unload(); }

void CompatController::unload() {
  if (window_) delete window_.data();
}

void CompatController::openEntries(const roster::Entry& a, const roster::Entry& b) {
  std::string error;
  const auto first = ChartOf(a, mainWindow_->tables(), error);
  const auto second = first ? ChartOf(b, mainWindow_->tables(), error) : std::nullopt;
  QWidget* parent = roster_.window() != nullptr && roster_.window()->isVisible()
                        ? static_cast<QWidget*>(roster_.window())
                        : mainWindow_;
  if (!second) return prompts_.report(parent, Q(error));
  show(MakeCompatSheet(SubjectOf(*first), SubjectOf(*second)));
}

void CompatController::openWithDisplayed() {
  const auto& displayed = mainWindow_->birthChart();
  const auto& texts = mainWindow_->displayedBirth();
  if (!displayed || !displayed->result.chart || !texts) return;  // enabled only once a chart is shown
  const auto entries = roster_.listEntries();
  if (!entries) return;  // the roster said why
  if (entries->empty()) {
    return prompts_.report(mainWindow_,
                           QStringLiteral("名簿に人がいません。相手の命式を名簿に保存してから選んでください。"));
  }
  QStringList lines;
  for (const roster::Entry& e : *entries) lines << ChooserLine(e);
  const auto chosen = prompts_.chooseEntry(mainWindow_, lines);
  if (!chosen || *chosen >= entries->size()) return;
  std::string error;
  const auto partner = ChartOf((*entries)[*chosen], mainWindow_->tables(), error);
  if (!partner) return prompts_.report(mainWindow_, Q(error));
  const auto entry = mainWindow_->chartEntry();
  const CompatSubject shown{entry ? entry->name : std::string(), BirthLine(*texts, mainWindow_->displayedDecision()),
                            &*displayed->result.chart, ListNumber(texts->hour).has_value()};
  show(MakeCompatSheet(shown, SubjectOf(*partner)));
}

void CompatController::show(const CompatSheet& sheet) {
  const bool created = !window_;
  if (created) {
    window_ = new CompatWindow(mainWindow_);
    window_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  window_->showSheet(sheet);
  if (created) PlaceWindow(*window_, *mainWindow_, Placement::BesideOwner, std::nullopt);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace mireto
