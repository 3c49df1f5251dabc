#include "app/roster_controller.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <fstream>

#include "cli/roster_lines.h"
#include "roster/birth_summary.h"
#include "core/utf8_path.h"
#include "roster/roster_location.h"
#include "ui/main_window.h"
#include "ui/roster_window.h"
#include "gui/message_box.h"
#include "gui/qt_japanese.h"
#include "gui/window_placement.h"

namespace mireto {

namespace {

const QString kGoesOn =
    QStringLiteral("\n\n名簿ファイルはそのまま残してあります。名簿のほかは、これまでどおり使えます。");
const QString kFileFilter = QStringLiteral("JSON Lines (*.jsonl);;すべてのファイル (*)");

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

RosterPrompts DialogPrompts() {
  RosterPrompts prompts;
  prompts.askEntry = AskEntry;
  prompts.confirm = [](QWidget* parent, const QString& question) {
    return AskYesNo(parent, question, false);
  };
  prompts.report = [](QWidget* parent, const QString& message, bool problem) {
    ShowMessage(parent, problem ? QMessageBox::Warning : QMessageBox::Information, message);
  };
  // Both dialogs open in the documents folder, not in the working folder.
  prompts.chooseFile = [](QWidget* parent, bool forWriting) {
    const QDir documents(DocumentsFolder());
    return forWriting ? QFileDialog::getSaveFileName(parent, QStringLiteral("名簿の書き出し"),
                                                     documents.filePath(QStringLiteral("roster.jsonl")), kFileFilter)
                      : QFileDialog::getOpenFileName(parent, QStringLiteral("名簿の読み込み"), documents.path(),
                                                     kFileFilter);
  };
  return prompts;
}

std::filesystem::path DesktopRosterFile() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty()) return {};
  return PathFromUtf8(folder.toStdString()) / roster::kRosterFileName;
}

RosterController::RosterController(MainWindow* mainWindow, std::filesystem::path file, RosterPrompts prompts,
                                   roster::Roster::Clock clock)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      file_(file),
      roster_(std::move(file), std::move(clock)),
      prompts_(std::move(prompts)) {}

RosterController::~RosterController() { unload(); }

QWidget* RosterController::dialogParent() const {
  if (window_ != nullptr && window_->isActiveWindow()) return window_;
  return mainWindow_;
}

void RosterController::reportProblem(const std::string& error) {
  prompts_.report(dialogParent(), Q(error) + kGoesOn, true);
}

std::optional<roster::NewEntry> RosterController::displayedBirthToFile() {
  // Inputs that differ from the chart on display are never filed under it:
  // they are displayed first, as 八字表示 would.
  if (mainWindow_->enteredBirth() != mainWindow_->displayedBirth()) mainWindow_->displayChart();
  const auto& shown = mainWindow_->displayedBirth();
  if (!shown || mainWindow_->enteredBirth() != shown) {
    prompts_.report(dialogParent(),
                    QStringLiteral("入力が表示中の命式と違うため、名簿に保存しませんでした。\n"
                                   "八字表示で命式を出してから保存してください。"),
                    true);
    return std::nullopt;
  }
  roster::NewEntry entry;
  entry.birth = *shown;
  entry.summerTime = mainWindow_->displayedDecision();
  return entry;
}

void RosterController::save() {
  if (!mainWindow_->displayedBirth()) return;
  if (file_.empty()) return reportProblem("名簿ファイルの場所がわかりません");
  std::optional<roster::NewEntry> filed = displayedBirthToFile();
  if (!filed) return;
  const std::optional<roster::Entry>& source = mainWindow_->sourceEntry();
  const bool sameBirth = source && source->birth == filed->birth && source->summerTime == filed->summerTime;
  EntryDialogBirth shown{Q(roster::BirthSummaryText(filed->birth)), Q(roster::DecisionText(filed->summerTime)), {}};
  EntryDialogMode mode = EntryDialogMode::SaveNew;
  if (source) mode = sameBirth ? EntryDialogMode::SaveOrUpdate : EntryDialogMode::SaveOrUpdateBirth;
  if (source && !sameBirth) shown.previousBirth = Q(roster::BirthSummaryText(source->birth));
  const EntryDialogAnswer answer = prompts_.askEntry(mainWindow_, mode, source ? Q(source->name) : QString(),
                                                     source ? Q(source->note) : QString(), shown);
  if (answer.choice == EntryChoice::Cancel) return;
  filed->name = answer.name.toStdString();
  filed->note = answer.note.toStdString();
  std::string error;
  roster::Entry saved;
  if (answer.choice == EntryChoice::Update && source) {
    if (!roster_.update(source->id, *filed, error)) return reportProblem(error);
    saved.id = source->id;
    saved.createdAt = source->createdAt;
  } else {
    const auto id = roster_.add(*filed, error);
    if (!id) return reportProblem(error);
    saved.id = *id;
  }
  saved.name = filed->name;
  saved.note = filed->note;
  saved.birth = filed->birth;
  saved.summerTime = filed->summerTime;
  mainWindow_->setChartEntry(saved);
  if (window_ != nullptr) reload();
}

bool RosterController::reload() {
  std::string error;
  auto entries = roster_.entries(error);
  if (!entries) {
    reportProblem(error);
    return false;
  }
  if (window_ != nullptr) window_->setEntries(std::move(*entries));
  return true;
}

void RosterController::openWindow() {
  if (file_.empty()) return reportProblem("名簿ファイルの場所がわかりません");
  std::string error;
  auto entries = roster_.entries(error);
  if (!entries) return reportProblem(error);
  const bool created = window_ == nullptr;
  if (created) {
    window_ = new RosterWindow;
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    connect(window_, &RosterWindow::openRequested, this, &RosterController::openEntry);
    connect(window_, &RosterWindow::editRequested, this, &RosterController::editEntry);
    connect(window_, &RosterWindow::deleteRequested, this, &RosterController::deleteEntry);
  }
  window_->setEntries(std::move(*entries));
  if (created) CentreOnScreen(*window_);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void RosterController::openEntry(const roster::Entry& entry) {
  if (!mainWindow_->enterBirth(entry.birth)) {
    prompts_.report(dialogParent(), QStringLiteral("この項目の生年月日は入力できません: ") + Q(entry.birth.date), true);
    return;
  }
  mainWindow_->displayDecidedChart(entry.summerTime);
  if (mainWindow_->displayedBirth() != entry.birth) return;
  roster::Entry shown = entry;
  // An entry filed before decisions were kept is asked once, and the answer kept.
  if (entry.summerTime == roster::ClockDecision::NotAsked &&
      mainWindow_->displayedDecision() != roster::ClockDecision::NotAsked) {
    shown.summerTime = mainWindow_->displayedDecision();
    std::string error;
    if (!roster_.update(entry.id, {entry.name, entry.note, entry.birth, shown.summerTime}, error))
      reportProblem(error);
    else if (window_ != nullptr)
      reload();
  }
  mainWindow_->setChartEntry(shown);
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

void RosterController::editEntry(const roster::Entry& entry) {
  const EntryDialogBirth shown{Q(roster::BirthSummaryText(entry.birth)), Q(roster::DecisionText(entry.summerTime)), {}};
  const EntryDialogAnswer answer =
      prompts_.askEntry(dialogParent(), EntryDialogMode::Edit, Q(entry.name), Q(entry.note), shown);
  if (answer.choice == EntryChoice::Cancel) return;
  std::string error;
  const std::string name = answer.name.toStdString();
  const std::string note = answer.note.toStdString();
  if (!roster_.update(entry.id, name, note, error)) {
    reportProblem(error);
  } else if (auto shown = mainWindow_->sourceEntry(); shown && shown->id == entry.id) {
    shown->name = name;
    shown->note = note;
    mainWindow_->setChartEntry(*shown);
  }
  reload();
}

void RosterController::deleteEntry(const roster::Entry& entry) {
  const QString question = QStringLiteral("「%1」（%2生まれ）を名簿から削除しますか？")
                               .arg(Q(entry.name), Q(roster::BirthDateText(entry.birth)));
  if (!prompts_.confirm(dialogParent(), question)) return;
  std::string error;
  if (!roster_.remove(entry.id, error)) {
    reportProblem(error);
  } else if (const auto& shown = mainWindow_->sourceEntry(); shown && shown->id == entry.id) {
    mainWindow_->setChartEntry(std::nullopt);
  }
  reload();
}

void RosterController::exportFile() {
  if (file_.empty()) return reportProblem("名簿ファイルの場所がわかりません");
  std::string error;
  const auto entries = roster_.entries(error);
  if (!entries) return reportProblem(error);
  const QString target = prompts_.chooseFile(dialogParent(), true);
  if (target.isEmpty()) return;
  // Written beside the target and renamed over it only once complete.
  QSaveFile out(target);
  if (out.open(QIODevice::WriteOnly)) {
    for (const roster::Entry& entry : *entries) out.write(QByteArray::fromStdString(cli::ExportLine(entry) + "\n"));
  }
  if (!out.commit()) {
    prompts_.report(dialogParent(), QStringLiteral("書き出せませんでした: ") + target + QStringLiteral("\n") + out.errorString(), true);
    return;
  }
  prompts_.report(dialogParent(), QStringLiteral("%1 件を書き出しました。").arg(entries->size()), false);
}

void RosterController::importFile() {
  if (file_.empty()) return reportProblem("名簿ファイルの場所がわかりません");
  const QString source = prompts_.chooseFile(dialogParent(), false);
  if (source.isEmpty()) return;
  std::ifstream in(PathFromUtf8(source.toStdString()), std::ios::binary);
  if (!in) {
    prompts_.report(dialogParent(), QStringLiteral("読み込むファイルを開けません: ") + source, true);
    return;
  }
  const cli::ImportLines lines = cli::ReadImportLines(in);
  if (lines.badLine != 0) {
    prompts_.report(dialogParent(),
                    QStringLiteral("名簿の読み込み: ") + Q(cli::ImportErrorText(lines)) +
                        QStringLiteral("\n名簿には何も追加していません。"),
                    true);
    return;
  }
  std::string error;
  if (!roster_.addAll(lines.entries, error)) return reportProblem(error);
  if (window_ != nullptr) reload();
  prompts_.report(dialogParent(), QStringLiteral("%1 件を名簿に追加しました。").arg(lines.entries.size()), false);
}

void RosterController::unload() {
  if (window_ != nullptr) delete window_.data();
}

}  // namespace mireto
