#include "ui/roster_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <array>

namespace mireto {

namespace {

constexpr std::array<int, RosterListModel::ColumnCount> kWidths = {150, 110, 120, 40, 120, 160, 120};

}  // namespace

RosterWindow::RosterWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("rosterWindow"));
  setWindowTitle(QStringLiteral("名簿"));
  auto* layout = new QVBoxLayout(this);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel(QStringLiteral("検索："), this));
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("rosterSearch"));
  search_->setPlaceholderText(QStringLiteral("名前・ふりがな・出生地・備考"));
  search_->setClearButtonEnabled(true);
  searchRow->addWidget(search_);
  layout->addLayout(searchRow);

  model_ = new RosterListModel(this);
  list_ = new QTreeView(this);
  list_->setObjectName(QStringLiteral("rosterList"));
  list_->setModel(model_);
  for (int column = 0; column < RosterListModel::ColumnCount; ++column) list_->setColumnWidth(column, kWidths[column]);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setItemsExpandable(false);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->header()->setSortIndicator(NameColumn, Qt::AscendingOrder);
  list_->setSortingEnabled(true);
  layout->addWidget(list_);
  status_ = new QLabel(QStringLiteral("名簿を読み込んでいます…"), this);
  status_->setObjectName(QStringLiteral("rosterStatus"));
  status_->hide();
  layout->addWidget(status_);
  setTabOrder(search_, list_);

  auto* buttons = new QHBoxLayout;
  auto addButton = [&](const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    return button;
  };
  open_ = addButton("rosterOpenButton", "開く");
  edit_ = addButton("rosterEditButton", "編集…");
  delete_ = addButton("rosterDeleteButton", "削除…");
  compat_ = addButton("rosterCompatButton", "相性…");
  buttons->addStretch();
  QPushButton* close = addButton("rosterCloseButton", "閉じる");
  layout->addLayout(buttons);
  // 命式表 of the selection on a row of its own, so that the window stays
  // as narrow as before beside the main window.
  buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("命式表："), this));
  print_ = addButton("rosterPrintButton", "印刷…");
  pdf_ = addButton("rosterPdfButton", "PDFに保存…");
  buttons->addStretch();
  layout->addLayout(buttons);
  resize(900, 440);

  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }
  search_->installEventFilter(this);
  list_->installEventFilter(this);

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    rememberSelection();
    model_->setQuery(text);
  });
  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &RosterWindow::rememberSelection);
  connect(model_, &QAbstractItemModel::modelReset, this, &RosterWindow::restoreSelection);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RosterWindow::updateButtons);
  connect(list_, &QTreeView::activated, this, &RosterWindow::requestOpen);
  connect(open_, &QPushButton::clicked, this, &RosterWindow::requestOpen);
  connect(edit_, &QPushButton::clicked, this, &RosterWindow::requestEdit);
  connect(compat_, &QPushButton::clicked, this, [this] {
    if (const auto entries = selectedEntries(); entries.size() == 2) emit compatRequested(entries[0], entries[1]);
  });
  connect(delete_, &QPushButton::clicked, this, &RosterWindow::requestDelete);
  connect(print_, &QPushButton::clicked, this, [this] {
    if (const auto entries = selectedEntries(); !entries.empty()) emit printRequested(entries);
  });
  connect(pdf_, &QPushButton::clicked, this, [this] {
    if (const auto entries = selectedEntries(); !entries.empty()) emit pdfRequested(entries);
  });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  updateButtons();
}

void RosterWindow::rememberSelection() {
  // Called once before a reset: a second call (the search's, then the
  // model's own) must not forget what the first one kept.
  const auto selected = selectedEntries();
  if (selected.empty() && !remembered_.empty()) return;
  remembered_.clear();
  for (const roster::Entry& e : selected) remembered_.push_back(e.id);
  const QModelIndex current = list_->currentIndex();
  rememberedCurrent_.reset();
  if (current.isValid() && current.row() < model_->rowCount()) rememberedCurrent_ = model_->entryAt(current.row()).id;
}

void RosterWindow::restoreSelection() {
  const std::vector<std::int64_t> ids = std::move(remembered_);
  remembered_.clear();
  list_->selectionModel()->clearSelection();
  if (rememberedCurrent_) {
    if (const auto row = model_->rowOf(*rememberedCurrent_))
      list_->selectionModel()->setCurrentIndex(model_->index(*row, 0), QItemSelectionModel::NoUpdate);
  }
  for (const std::int64_t id : ids) selectAlso(id);
  updateButtons();
}

void RosterWindow::setEntries(std::vector<roster::Entry> entries) {
  model_->setEntries(std::move(entries));
  loading_ = false;
  status_->hide();
}

void RosterWindow::setLoading() {
  loading_ = true;
  status_->show();
}

void RosterWindow::adopt(const std::shared_ptr<RosterListModel::Prepared>& prepared) {
  model_->adopt(prepared);
  loading_ = false;
  status_->hide();
  // What was saved or deleted while the list was prepared.
  for (const roster::Entry& entry : pendingPuts_) model_->putEntry(entry);
  if (!pendingRemoves_.empty()) model_->removeEntries(pendingRemoves_);
  pendingPuts_.clear();
  pendingRemoves_.clear();
}

void RosterWindow::putEntry(const roster::Entry& entry) {
  if (loading_) pendingPuts_.push_back(entry);
  model_->putEntry(entry);
}

void RosterWindow::removeEntries(const std::vector<std::int64_t>& ids) {
  if (loading_) pendingRemoves_.insert(pendingRemoves_.end(), ids.begin(), ids.end());
  model_->removeEntries(ids);
}

void RosterWindow::setSearchText(const QString& text) { search_->setText(text); }

void RosterWindow::sortBy(Column column, Qt::SortOrder order) { list_->sortByColumn(column, order); }

std::vector<std::int64_t> RosterWindow::shownIds() const {
  std::vector<std::int64_t> ids;
  ids.reserve(static_cast<std::size_t>(model_->rowCount()));
  for (int row = 0; row < model_->rowCount(); ++row) ids.push_back(model_->entryAt(row).id);
  return ids;
}

void RosterWindow::select(std::int64_t id) {
  list_->selectionModel()->clearSelection();
  selectAlso(id);
}

void RosterWindow::selectAlso(std::int64_t id) {
  const auto row = model_->rowOf(id);
  if (!row) return;
  const QModelIndex index = model_->index(*row, 0);
  list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
  list_->scrollTo(index);
}

std::vector<roster::Entry> RosterWindow::selectedEntries() const {
  std::vector<roster::Entry> entries;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
    if (index.row() < model_->rowCount()) entries.push_back(model_->entryAt(index.row()));
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
  return entries;
}

std::optional<roster::Entry> RosterWindow::selectedEntry() const {
  const auto entries = selectedEntries();
  if (entries.size() != 1) return std::nullopt;
  return entries.front();
}

void RosterWindow::updateButtons() {
  const std::size_t chosen = list_->selectionModel()->selectedRows().size();
  open_->setEnabled(chosen == 1);
  edit_->setEnabled(chosen == 1);
  delete_->setEnabled(chosen >= 1);
  print_->setEnabled(chosen >= 1);
  pdf_->setEnabled(chosen >= 1);
  compat_->setEnabled(chosen == 2);
}

void RosterWindow::requestOpen() {
  if (const auto entry = selectedEntry()) emit openRequested(*entry);
}

void RosterWindow::requestEdit() {
  if (const auto entry = selectedEntry()) emit editRequested(*entry);
}

void RosterWindow::requestDelete() {
  const auto entries = selectedEntries();
  if (!entries.empty()) emit deleteRequested(entries);
}

void RosterWindow::focusFirstHit() {
  list_->setFocus(Qt::TabFocusReason);
  if (model_->rowCount() == 0) return;
  list_->selectionModel()->setCurrentIndex(model_->index(0, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool RosterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Down || (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier)) {
      focusFirstHit();
      return true;
    }
  }
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
      requestOpen();
      return true;
    }
    // Delete in the search box deletes a letter, in the list the selection.
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
      requestDelete();
      return true;
    }
  }
  if ((watched == list_ || watched == search_) && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) ||
        (key->key() == Qt::Key_W && key->modifiers() == Qt::ControlModifier)) {
      close();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PlaceBeside(QWidget& window, const QWidget& mainWindow) {
  const int narrowest = window.minimumSizeHint().width();
  const QRect main = mainWindow.frameGeometry();
  const QScreen* screen = mainWindow.screen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(main.topLeft(), QSize(4000, 4000));
  const int decoration = std::max(0, window.frameGeometry().width() - window.width());
  const int right = available.right() - main.right();
  const int left = main.left() - available.left();
  // Narrowed to the room beside the main window rather than put over it.
  const int room = std::max(right, left) - decoration;
  if (window.width() > room && room >= narrowest) window.resize(room, window.height());
  const int width = window.width() + decoration;
  int x = right >= width || right >= left ? main.right() + 1 : main.left() - width;
  x = std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - width));
  const int height = window.frameGeometry().height();
  const int y = std::clamp(main.top(), available.top(), std::max(available.top(), available.bottom() + 1 - height));
  window.move(x, y);
}

}  // namespace mireto
