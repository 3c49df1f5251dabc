#include "ui/roster_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

namespace mireto {

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

struct ColumnRow {
  RosterWindow::Column column;
  const char* caption;
  int width;  // pixels
};

constexpr std::array<ColumnRow, RosterWindow::ColumnCount> kColumns = {{
    {RosterWindow::NameColumn, "名前", 160},
    {RosterWindow::BirthColumn, "生年月日", 130},
    {RosterWindow::SexColumn, "性別", 40},
    {RosterWindow::NoteColumn, "備考", 180},
    {RosterWindow::ChangedColumn, "最終変更", 120},
}};

QString FirstLine(const std::string& text) {
  const QString all = QString::fromStdString(text);
  const qsizetype end = all.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  return end < 0 ? all : all.left(end) + QStringLiteral(" …");
}

// Compares by each column's sort key; equal keys keep the order added.
class EntryItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QString a = data(column, kSortRole).toString();
    const QString b = other.data(column, kSortRole).toString();
    const int order = column == RosterWindow::NameColumn ? QString::localeAwareCompare(a, b) : a.compare(b);
    if (order != 0) return order < 0;
    return data(0, kIdRole).toLongLong() < other.data(0, kIdRole).toLongLong();
  }
};

// Hours and minutes padded so that the text sorts as the moment does; "?" after every number.
QString BirthSortKey(const roster::BirthTexts& birth) {
  auto part = [](const std::string& text) {
    return text == "?" ? QStringLiteral("99") : QString::fromStdString(text).rightJustified(2, QLatin1Char('0'));
  };
  return QString::fromStdString(birth.date) + part(birth.hour) + part(birth.minute);
}

}  // namespace

QString BirthColumnText(const roster::BirthTexts& birth) {
  QString text = QString::fromStdString(birth.date).replace(QLatin1Char('-'), QLatin1Char('/'));
  if (birth.hour == "?") return text + QStringLiteral(" ?");
  const QString minute = birth.minute == "?" ? QStringLiteral("?")
                                             : QString::fromStdString(birth.minute).rightJustified(2, QLatin1Char('0'));
  return text + QStringLiteral(" %1:%2").arg(QString::fromStdString(birth.hour), minute);
}

QString LocalChangeText(const std::string& utc) {
  QDateTime moment = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
  if (!moment.isValid()) return QString::fromStdString(utc);
  return moment.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

RosterWindow::RosterWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("rosterWindow"));
  setWindowTitle(QStringLiteral("名簿"));
  auto* layout = new QVBoxLayout(this);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel(QStringLiteral("検索："), this));
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("rosterSearch"));
  search_->setPlaceholderText(QStringLiteral("名前・備考"));
  search_->setClearButtonEnabled(true);
  searchRow->addWidget(search_);
  layout->addLayout(searchRow);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("rosterList"));
  list_->setColumnCount(ColumnCount);
  QStringList captions;
  for (const ColumnRow& row : kColumns) captions << QString::fromUtf8(row.caption);
  list_->setHeaderLabels(captions);
  for (const ColumnRow& row : kColumns) list_->setColumnWidth(row.column, row.width);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSortingEnabled(true);
  list_->sortByColumn(NameColumn, Qt::AscendingOrder);
  layout->addWidget(list_);

  auto* buttons = new QHBoxLayout;
  auto addButton = [&](const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    return button;
  };
  open_ = addButton("rosterOpenButton", "開く");
  edit_ = addButton("rosterEditButton", "名前・備考の編集…");
  delete_ = addButton("rosterDeleteButton", "削除…");
  buttons->addStretch();
  QPushButton* close = addButton("rosterCloseButton", "閉じる");
  layout->addLayout(buttons);
  resize(700, 420);

  connect(search_, &QLineEdit::textChanged, this, &RosterWindow::applySearch);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &RosterWindow::updateButtons);
  connect(list_, &QTreeWidget::itemActivated, this, [this] { request(&RosterWindow::openRequested); });
  connect(open_, &QPushButton::clicked, this, [this] { request(&RosterWindow::openRequested); });
  connect(edit_, &QPushButton::clicked, this, [this] { request(&RosterWindow::editRequested); });
  connect(delete_, &QPushButton::clicked, this, [this] { request(&RosterWindow::deleteRequested); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  updateButtons();
}

void RosterWindow::setEntries(std::vector<roster::Entry> entries) {
  const auto selected = selectedEntry();
  entries_ = std::move(entries);
  list_->setSortingEnabled(false);
  list_->clear();
  for (const roster::Entry& e : entries_) {
    auto* item = new EntryItem(list_);
    item->setData(0, kIdRole, static_cast<qlonglong>(e.id));
    const QString name = QString::fromStdString(e.name);
    item->setText(NameColumn, name);
    item->setData(NameColumn, kSortRole, name);
    item->setText(BirthColumn, BirthColumnText(e.birth));
    item->setData(BirthColumn, kSortRole, BirthSortKey(e.birth));
    item->setText(SexColumn, e.birth.sex == "M" ? QStringLiteral("男") : QStringLiteral("女"));
    item->setData(SexColumn, kSortRole, QString::fromStdString(e.birth.sex));
    item->setText(NoteColumn, FirstLine(e.note));
    item->setData(NoteColumn, kSortRole, QString::fromStdString(e.note));
    item->setText(ChangedColumn, LocalChangeText(e.changedAt));
    item->setData(ChangedColumn, kSortRole, QString::fromStdString(e.changedAt));
  }
  list_->setSortingEnabled(true);
  applySearch();
  if (selected) select(selected->id);
  updateButtons();
}

void RosterWindow::setSearchText(const QString& text) { search_->setText(text); }

void RosterWindow::sortBy(Column column, Qt::SortOrder order) { list_->sortByColumn(column, order); }

void RosterWindow::applySearch() {
  const QString query = search_->text();
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    const QString name = item->data(NameColumn, kSortRole).toString();
    const QString note = item->data(NoteColumn, kSortRole).toString();
    const bool match = query.isEmpty() || name.contains(query, Qt::CaseInsensitive) ||
                       note.contains(query, Qt::CaseInsensitive);
    item->setHidden(!match);
    if (!match) item->setSelected(false);
  }
  updateButtons();
}

std::vector<std::int64_t> RosterWindow::shownIds() const {
  std::vector<std::int64_t> ids;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    if (!item->isHidden()) ids.push_back(item->data(0, kIdRole).toLongLong());
  }
  return ids;
}

void RosterWindow::select(std::int64_t id) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->data(0, kIdRole).toLongLong() == id && !item->isHidden()) {
      list_->setCurrentItem(item);
      item->setSelected(true);
      return;
    }
  }
}

std::optional<roster::Entry> RosterWindow::selectedEntry() const {
  const auto selected = list_->selectedItems();
  if (selected.isEmpty() || selected.front()->isHidden()) return std::nullopt;
  const std::int64_t id = selected.front()->data(0, kIdRole).toLongLong();
  for (const roster::Entry& e : entries_)
    if (e.id == id) return e;
  return std::nullopt;
}

void RosterWindow::updateButtons() {
  const bool chosen = selectedEntry().has_value();
  open_->setEnabled(chosen);
  edit_->setEnabled(chosen);
  delete_->setEnabled(chosen);
}

void RosterWindow::request(void (RosterWindow::*signal)(const roster::Entry&)) {
  if (const auto entry = selectedEntry()) emit(this->*signal)(*entry);
}

}  // namespace mireto
