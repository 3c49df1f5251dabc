#include "app/roster_controller.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "core/utf8_path.h"
#include "exchange/roster_lines.h"
#include "gui/message_box.h"
#include "gui/qt_japanese.h"
#include "roster/birth_summary.h"
#include "roster/private_files.h"
#include "roster/roster_backup.h"
#include "roster/roster_location.h"
#include "ui/main_window.h"
#include "ui/roster_window.h"

namespace mireto {

namespace {

const QString kGoesOn =
    QStringLiteral("\n\n名簿ファイルはそのまま残してあります。名簿のほかは、これまでどおり使えます。");
const QString kFileFilter = QStringLiteral("JSON Lines (*.jsonl);;すべてのファイル (*)");

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// A list of the copies to choose one from.
int ChooseFromList(QWidget* parent, const QStringList& copies) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("rosterRestoreDialog"));
  dialog.setWindowTitle(QStringLiteral("名簿の復元"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("戻す控えを選んでください："), &dialog));
  auto* list = new QListWidget(&dialog);
  list->addItems(copies);
  list->setCurrentRow(0);
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("復元…"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.resize(420, 320);
  if (dialog.exec() != QDialog::Accepted) return -1;
  return list->currentRow();
}

QString BackupLine(const roster::BackupCopy& copy) {
  QString line = Q(roster::StampText(copy.stamp));
  line += copy.entries ? QStringLiteral("　%1 件").arg(*copy.entries) : QStringLiteral("　（読めません）");
  if (copy.reason == roster::BackupReason::BeforeMigration) line += QStringLiteral("　形式の更新前");
  if (copy.reason == roster::BackupReason::BeforeRestore) line += QStringLiteral("　復元前");
  return line;
}

}  // namespace

RosterPrompts DialogPrompts() {
  RosterPrompts prompts;
  prompts.askEntry = AskEntry;
  prompts.confirm = [](QWidget* parent, const QString& question) { return AskYesNo(parent, question, false); };
  prompts.report = [](QWidget* parent, const QString& message, bool problem) {
    ShowMessage(parent, problem ? QMessageBox::Warning : QMessageBox::Information, message);
  };
  // Both dialogs open in the documents folder, not in the working folder.
  prompts.chooseFile = [](QWidget* parent, bool forWriting) {
    const QDir documents(DocumentsFolder());
    return forWriting
               ? QFileDialog::getSaveFileName(parent, QStringLiteral("名簿の書き出し"),
                                              documents.filePath(QStringLiteral("roster.jsonl")), kFileFilter)
               : QFileDialog::getOpenFileName(parent, QStringLiteral("名簿の読み込み"), documents.path(), kFileFilter);
  };
  prompts.chooseBackup = ChooseFromList;
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
      roster_(std::move(file), std::move(clock), {}, kDesktopWaitMilliseconds),
      prompts_(std::move(prompts)) {}

RosterController::~RosterController() {
  if (loader_.joinable()) loader_.join();
  unload();
}

void RosterController::loadInBackground() {
  const int generation = ++loadGeneration_;
  window_->setLoading();
  if (loader_.joinable()) loader_.join();
  loader_ = std::thread([this, generation, file = file_, column = window_->sortColumn(), order = window_->sortOrder()] {
    const roster::Roster reader(file);
    std::string error;
    auto entries = reader.entries(error);
    std::shared_ptr<RosterListModel::Prepared> prepared;
    if (entries) prepared = RosterListModel::prepare(std::move(*entries), column, order);
    // Back on the window's thread; dropped with the controller, or when a
    // later load was started meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this, generation, prepared = std::move(prepared), error = std::move(error)]() mutable {
          if (generation != loadGeneration_ || window_ == nullptr) return;
          if (!prepared) {
            window_->close();
            return reportProblem(error);
          }
          window_->adopt(prepared);
        },
        Qt::QueuedConnection);
  });
}

QWidget* RosterController::dialogParent() const {
  if (window_ != nullptr && window_->isActiveWindow()) return window_;
  return mainWindow_;
}

void RosterController::reportProblem(const std::string& error) {
  prompts_.report(dialogParent(), Q(error) + kGoesOn, true);
}

void RosterController::checkFileModes() {
  if (modesChecked_ || file_.empty()) return;
  modesChecked_ = true;
  if (roster::TightenRosterFiles(file_, file_ == DesktopRosterFile()))
    prompts_.report(dialogParent(), Q(std::string(roster::kTightenedNotice)), false);
}

void RosterController::showChanged(std::int64_t id) {
  if (window_ == nullptr) return;
  std::string error;
  if (const auto entry = roster_.entry(id, error)) window_->putEntry(*entry);
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
  checkFileModes();
  std::optional<roster::NewEntry> filed = displayedBirthToFile();
  if (!filed) return;
  const std::optional<roster::Entry>& source = mainWindow_->sourceEntry();
  const bool sameBirth = source && source->birth == filed->birth && source->summerTime == filed->summerTime;
  EntryDialogBirth shown{Q(roster::BirthSummaryText(filed->birth)), Q(roster::DecisionText(filed->summerTime)), {}};
  EntryDialogMode mode = EntryDialogMode::SaveNew;
  if (source) mode = sameBirth ? EntryDialogMode::SaveOrUpdate : EntryDialogMode::SaveOrUpdateBirth;
  if (source && !sameBirth) shown.previousBirth = Q(roster::BirthSummaryText(source->birth));
  EntryTexts texts;
  if (source) texts = {Q(source->name), Q(source->note), Q(source->reading), Q(source->birthplace)};
  // A time difference the map gave comes with its point, unless the entry has a birthplace.
  if (!mapPlace_.isEmpty() && filed->birth.jisaMinutes == mapDifference_.jisaMinutes &&
      filed->birth.jisaSeconds == mapDifference_.jisaSeconds && texts.birthplace.isEmpty())
    texts.birthplace = mapPlace_;
  // Asked again with what was typed while another program holds the file.
  for (;;) {
    const EntryDialogAnswer answer = prompts_.askEntry(mainWindow_, mode, texts, shown);
    if (answer.choice == EntryChoice::Cancel) return;
    texts = {answer.name, answer.note, answer.reading, answer.birthplace};
    filed->name = S(answer.name);
    filed->note = S(answer.note);
    filed->reading = S(answer.reading);
    filed->birthplace = S(answer.birthplace);
    std::string error;
    std::optional<std::int64_t> id;
    if (answer.choice == EntryChoice::Update && source) {
      if (roster_.update(source->id, *filed, error)) id = source->id;
    } else {
      id = roster_.add(*filed, error);
    }
    if (id) {
      roster::Entry saved;
      if (auto stored = roster_.entry(*id, error)) {
        saved = std::move(*stored);
      } else {
        saved.id = *id;
        saved.name = filed->name;
        saved.note = filed->note;
        saved.birth = filed->birth;
        saved.summerTime = filed->summerTime;
        saved.reading = filed->reading;
        saved.birthplace = filed->birthplace;
      }
      mainWindow_->setChartEntry(saved);
      if (window_ != nullptr) window_->putEntry(saved);
      return;
    }
    if (!roster_.lastFailureWasBusy()) return reportProblem(error);
    prompts_.report(dialogParent(),
                    QStringLiteral("名簿ファイルがほかのプログラムに使われているため、保存できませんでした。\n"
                                   "入力した内容はそのまま残してあります。もう一度保存してください。"),
                    true);
  }
}

bool RosterController::reload() {
  if (window_ == nullptr) return true;
  if (window_->loading()) {
    loadInBackground();
    return true;
  }
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
  checkFileModes();
  std::error_code ec;
  std::uintmax_t bytes = std::filesystem::file_size(file_, ec);
  if (ec) bytes = 0;
  if (const auto log = std::filesystem::file_size(std::filesystem::path(file_.string() + "-wal"), ec); !ec)
    bytes += log;
  const bool large = bytes >= kBackgroundLoadBytes && roster::MayRead(roster_.inspect());
  std::string error;
  std::optional<std::vector<roster::Entry>> entries;
  if (!large) {
    entries = roster_.entries(error);
    if (!entries) return reportProblem(error);
  }
  const bool created = window_ == nullptr;
  if (created) {
    // Owned by the main window, so that it stays in front of it.
    window_ = new RosterWindow(mainWindow_);
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    connect(window_, &RosterWindow::openRequested, this, &RosterController::openEntry);
    connect(window_, &RosterWindow::editRequested, this, &RosterController::editEntry);
    connect(window_, &RosterWindow::deleteRequested, this, &RosterController::deleteEntries);
    connect(window_, &RosterWindow::printRequested, this, &RosterController::printRequested);
    connect(window_, &RosterWindow::pdfRequested, this, &RosterController::pdfRequested);
    connect(window_, &RosterWindow::compatRequested, this, &RosterController::compatRequested);
  }
  if (large) {
    loadInBackground();
  } else {
    window_->setEntries(std::move(*entries));
  }
  if (created) PlaceBeside(*window_, *mainWindow_);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void RosterController::rememberMapPlace(const QString& place, const QString& minutes, const QString& seconds) {
  mapPlace_ = place;
  mapDifference_.jisaMinutes = S(minutes);
  mapDifference_.jisaSeconds = S(seconds);
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
    roster::NewEntry decided = entry.content();
    decided.summerTime = shown.summerTime;
    if (!roster_.update(entry.id, decided, error)) reportProblem(error);
    else showChanged(entry.id);
  }
  mainWindow_->setChartEntry(shown);
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

void RosterController::editEntry(const roster::Entry& entry) {
  const EntryDialogBirth shown{Q(roster::BirthSummaryText(entry.birth)), Q(roster::DecisionText(entry.summerTime)), {}};
  EntryTexts texts{Q(entry.name), Q(entry.note), Q(entry.reading), Q(entry.birthplace)};
  for (;;) {
    const EntryDialogAnswer answer = prompts_.askEntry(dialogParent(), EntryDialogMode::Edit, texts, shown);
    if (answer.choice == EntryChoice::Cancel) return;
    texts = {answer.name, answer.note, answer.reading, answer.birthplace};
    roster::NewEntry changed = entry.content();
    changed.name = S(answer.name);
    changed.note = S(answer.note);
    changed.reading = S(answer.reading);
    changed.birthplace = S(answer.birthplace);
    // Nothing typed, nothing written: not even the change time.
    if (changed == entry.content()) return;
    std::string error;
    if (roster_.update(entry.id, changed, error)) {
      if (auto onScreen = mainWindow_->sourceEntry(); onScreen && onScreen->id == entry.id) {
        if (auto stored = roster_.entry(entry.id, error)) mainWindow_->setChartEntry(*stored);
      }
      showChanged(entry.id);
      return;
    }
    if (!roster_.lastFailureWasBusy()) {
      reportProblem(error);
      reload();
      return;
    }
    prompts_.report(dialogParent(),
                    QStringLiteral("名簿ファイルがほかのプログラムに使われているため、変更できませんでした。\n"
                                   "入力した内容はそのまま残してあります。もう一度お試しください。"),
                    true);
  }
}

void RosterController::deleteEntries(const std::vector<roster::Entry>& entries) {
  if (entries.empty()) return;
  auto describe = [](const roster::Entry& e) {
    return QStringLiteral("「%1」（%2生まれ）").arg(Q(e.name), Q(roster::BirthDateText(e.birth)));
  };
  QString question;
  if (entries.size() == 1) {
    question = describe(entries.front()) + QStringLiteral("を名簿から削除しますか？");
  } else {
    constexpr std::size_t kListed = 10;
    question = QStringLiteral("次の %1 件を名簿から削除しますか？\n").arg(entries.size());
    for (std::size_t i = 0; i < entries.size() && i < kListed; ++i)
      question += QStringLiteral("\n") + describe(entries[i]);
    if (entries.size() > kListed) question += QStringLiteral("\nほか %1 件").arg(entries.size() - kListed);
  }
  if (!prompts_.confirm(dialogParent(), question)) return;
  std::vector<std::int64_t> ids;
  for (const roster::Entry& e : entries) ids.push_back(e.id);
  std::string error;
  if (!roster_.remove(ids, error)) {
    reportProblem(error);
    reload();
    return;
  }
  if (const auto& onScreen = mainWindow_->sourceEntry();
      onScreen && std::find(ids.begin(), ids.end(), onScreen->id) != ids.end())
    mainWindow_->setChartEntry(std::nullopt);
  if (window_ != nullptr) window_->removeEntries(ids);
}

void RosterController::exportFile() {
  if (file_.empty()) return reportProblem("名簿ファイルの場所がわかりません");
  std::string error;
  const auto entries = roster_.entries(error);
  if (!entries) return reportProblem(error);
  const QString target = prompts_.chooseFile(dialogParent(), true);
  if (target.isEmpty()) return;
  std::string bytes;
  for (const roster::Entry& entry : *entries) bytes += exchange::ExportLine(entry) + "\n";
  // Only the user may read it, and it is written beside the target and
  // renamed over it only once complete.
  if (!roster::WritePrivateFile(std::filesystem::path(S(target)), bytes, error)) {
    prompts_.report(dialogParent(), QStringLiteral("書き出せませんでした: ") + target + QStringLiteral("\n") + Q(error),
                    true);
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
  checkFileModes();
  const exchange::ImportLines lines = exchange::ReadImportLines(in);
  if (in.bad()) {
    prompts_.report(dialogParent(), QStringLiteral("読み込むファイルを読めません: ") + source, true);
    return;
  }
  if (lines.badLine != 0 || lines.empty) {
    prompts_.report(dialogParent(),
                    QStringLiteral("名簿の読み込み: ") + Q(exchange::ImportErrorText(lines)) +
                        QStringLiteral("\n名簿には何も追加していません。"),
                    true);
    return;
  }
  std::string error;
  const auto count = roster_.addAll(lines.entries, error);
  if (!count) return reportProblem(error);
  if (window_ != nullptr && count->added > 0) reload();
  prompts_.report(dialogParent(), Q(exchange::ImportCountText(*count)) + QStringLiteral("。"), false);
}

void RosterController::restoreBackup() {
  if (file_.empty()) return reportProblem("名簿ファイルの場所がわかりません");
  checkFileModes();
  const std::vector<roster::BackupCopy> copies = roster::ListBackups(file_);
  if (copies.empty()) {
    prompts_.report(dialogParent(),
                    QStringLiteral("名簿の控えはまだありません。控えは、その日最初に名簿を変更したときに作られます。"),
                    false);
    return;
  }
  QStringList lines;
  for (const roster::BackupCopy& copy : copies) lines << BackupLine(copy);
  const int chosen = prompts_.chooseBackup(dialogParent(), lines);
  if (chosen < 0 || chosen >= static_cast<int>(copies.size())) return;
  const QString question = QStringLiteral(
                               "名簿を %1 の控えの内容に戻しますか？\n"
                               "今の名簿は、控えの一つとして残します。")
                               .arg(lines[chosen]);
  if (!prompts_.confirm(dialogParent(), question)) return;
  std::string error;
  if (!roster_.restore(copies[static_cast<std::size_t>(chosen)].file, error)) return reportProblem(error);
  mainWindow_->setChartEntry(std::nullopt);
  if (window_ != nullptr) reload();
  prompts_.report(dialogParent(), QStringLiteral("名簿を控えの内容に戻しました。"), false);
}

std::optional<std::vector<roster::Entry>> RosterController::listEntries() {
  if (file_.empty()) {
    reportProblem("名簿ファイルの場所がわかりません");
    return std::nullopt;
  }
  std::string error;
  auto entries = roster_.entries(error);
  if (!entries) reportProblem(error);
  return entries;
}

void RosterController::unload() {
  if (window_ != nullptr) delete window_.data();
  if (!file_.empty()) roster_.settle();
}

}  // namespace mireto
