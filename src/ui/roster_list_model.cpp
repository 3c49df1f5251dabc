#include "ui/roster_list_model.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <array>

#include "ui/roster_search.h"

namespace mireto {

namespace {

constexpr std::array<const char*, RosterListModel::ColumnCount> kCaptions = {"名前",   "ふりがな", "生年月日", "性別",
                                                                             "出生地", "備考",     "最終変更"};

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString FirstLine(const std::string& text) {
  const QString all = Q(text);
  qsizetype end = -1;
  for (qsizetype i = 0; i < all.size(); ++i) {
    const char16_t c = all[i].unicode();
    if (c == u'\r' || c == u'\n' || c == 0x2028 || c == 0x2029 || c == 0x85) {
      end = i;
      break;
    }
  }
  return end < 0 ? all : all.left(end) + QStringLiteral(" …");
}

// Hours and minutes padded so that the text sorts as the moment does; "?" after every number.
QString BirthSortKey(const roster::BirthTexts& birth) {
  auto part = [](const std::string& text) {
    return text == "?" ? QStringLiteral("99") : Q(text).rightJustified(2, QLatin1Char('0'));
  };
  return Q(birth.date) + part(birth.hour) + part(birth.minute);
}

}  // namespace

QString BirthColumnText(const roster::BirthTexts& birth) {
  QString text = Q(birth.date).replace(QLatin1Char('-'), QLatin1Char('/'));
  if (birth.hour == "?") return text + QStringLiteral(" ?");
  const QString minute =
      birth.minute == "?" ? QStringLiteral("?") : Q(birth.minute).rightJustified(2, QLatin1Char('0'));
  return text + QStringLiteral(" %1:%2").arg(Q(birth.hour), minute);
}

QString LocalChangeText(const std::string& utc) {
  QDateTime moment = QDateTime::fromString(Q(utc), Qt::ISODate);
  if (!moment.isValid()) return Q(utc);
  return moment.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

RosterListModel::RosterListModel(QObject* parent)
    : QAbstractTableModel(parent), collator_(QLocale(QLocale::Japanese, QLocale::Japan)) {}

RosterListModel::Row RosterListModel::makeRow(roster::Entry entry, const QCollator& collator) {
  const QString name = Q(entry.name);
  const QString reading = Q(entry.reading);
  QString folded = FoldForSearch(name);
  for (const std::string* field : {&entry.reading, &entry.birthplace, &entry.note}) {
    if (!field->empty()) folded += QLatin1Char('\n') + FoldForSearch(Q(*field));
  }
  QString birthKey = BirthSortKey(entry.birth);
  QCollatorSortKey key = collator.sortKey(NameSortText(name, reading));
  return {std::move(entry), std::move(folded), key, std::move(birthKey)};
}

std::shared_ptr<RosterListModel::Prepared> RosterListModel::prepare(std::vector<roster::Entry> entries, int column,
                                                                    Qt::SortOrder order) {
  const QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
  auto prepared = std::make_shared<Prepared>();
  prepared->column = column;
  prepared->sortOrder = order;
  prepared->rows.reserve(entries.size());
  for (roster::Entry& e : entries) prepared->rows.push_back(makeRow(std::move(e), collator));
  prepared->order.resize(prepared->rows.size());
  for (std::size_t i = 0; i < prepared->rows.size(); ++i) prepared->order[i] = static_cast<int>(i);
  const auto& rows = prepared->rows;
  std::sort(prepared->order.begin(), prepared->order.end(),
            [&](int a, int b) { return before(rows, column, order, a, b); });
  return prepared;
}

void RosterListModel::adopt(const std::shared_ptr<Prepared>& prepared) {
  beginResetModel();
  rows_ = std::move(prepared->rows);
  // Room for the entries saved later: moving a hundred thousand rows to a
  // larger buffer at a save would take longer than the save.
  rows_.reserve(rows_.size() + rows_.size() / 4 + 256);
  if (prepared->column == sortColumn_ && prepared->sortOrder == sortOrder_) {
    order_ = std::move(prepared->order);
  } else {
    reorder();
  }
  refilter();
  endResetModel();
}

void RosterListModel::setEntries(std::vector<roster::Entry> entries) {
  adopt(prepare(std::move(entries), sortColumn_, sortOrder_));
}

std::optional<std::size_t> RosterListModel::indexOf(std::int64_t id) const {
  // Rows are kept in the order added, which is the order of their ids.
  const auto it = std::lower_bound(rows_.begin(), rows_.end(), id,
                                   [](const Row& row, std::int64_t value) { return row.entry.id < value; });
  if (it == rows_.end() || it->entry.id != id) return std::nullopt;
  return static_cast<std::size_t>(it - rows_.begin());
}

void RosterListModel::putEntry(const roster::Entry& entry) {
  beginResetModel();
  if (const auto at = indexOf(entry.id)) {
    rows_[*at] = makeRow(entry, collator_);
    const int index = static_cast<int>(*at);
    order_.erase(std::find(order_.begin(), order_.end(), index));
    order_.insert(std::lower_bound(order_.begin(), order_.end(), index, [this](int a, int b) { return before(a, b); }),
                  index);
  } else if (rows_.empty() || rows_.back().entry.id < entry.id) {
    rows_.push_back(makeRow(entry, collator_));
    const int index = static_cast<int>(rows_.size() - 1);
    order_.insert(std::lower_bound(order_.begin(), order_.end(), index, [this](int a, int b) { return before(a, b); }),
                  index);
  } else {
    // An id below the last one: only from another program; place it properly.
    rows_.insert(std::lower_bound(rows_.begin(), rows_.end(), entry.id,
                                  [](const Row& row, std::int64_t value) { return row.entry.id < value; }),
                 makeRow(entry, collator_));
    reorder();
  }
  refilter();
  endResetModel();
}

void RosterListModel::removeEntries(const std::vector<std::int64_t>& ids) {
  beginResetModel();
  std::vector<std::int64_t> sorted = ids;
  std::sort(sorted.begin(), sorted.end());
  std::erase_if(rows_, [&](const Row& row) { return std::binary_search(sorted.begin(), sorted.end(), row.entry.id); });
  reorder();
  refilter();
  endResetModel();
}

void RosterListModel::setQuery(const QString& query) {
  const QString folded = FoldForSearch(query);
  if (folded == query_) return;
  beginResetModel();
  // A longer query finds a part of what the shorter one found.
  const bool narrower = !query_.isEmpty() && folded.contains(query_);
  query_ = folded;
  if (narrower) {
    std::erase_if(shown_, [this](int index) { return !rows_[index].folded.contains(query_); });
  } else {
    refilter();
  }
  endResetModel();
}

bool RosterListModel::before(const std::vector<Row>& rows, int column, Qt::SortOrder sortOrder, int a, int b) {
  const Row& x = rows[a];
  const Row& y = rows[b];
  int order = 0;
  switch (column) {
    case NameColumn:
    case ReadingColumn: order = x.nameKey.compare(y.nameKey); break;
    case BirthColumn: order = x.birthKey.compare(y.birthKey); break;
    case SexColumn: order = x.entry.birth.sex.compare(y.entry.birth.sex); break;
    case PlaceColumn: order = x.entry.birthplace.compare(y.entry.birthplace); break;
    case NoteColumn: order = x.entry.note.compare(y.entry.note); break;
    case ChangedColumn: order = x.entry.changedAt.compare(y.entry.changedAt); break;
  }
  if (sortOrder == Qt::DescendingOrder) order = -order;
  // Equal keys keep the order added.
  return order != 0 ? order < 0 : x.entry.id < y.entry.id;
}

void RosterListModel::reorder() {
  order_.resize(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) order_[i] = static_cast<int>(i);
  std::sort(order_.begin(), order_.end(), [this](int a, int b) { return before(a, b); });
}

void RosterListModel::refilter() {
  if (query_.isEmpty()) {
    shown_ = order_;
    return;
  }
  shown_.clear();
  for (const int index : order_)
    if (rows_[index].folded.contains(query_)) shown_.push_back(index);
}

void RosterListModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= ColumnCount) return;
  beginResetModel();
  sortColumn_ = column;
  sortOrder_ = order;
  reorder();
  refilter();
  endResetModel();
}

int RosterListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RosterListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

const roster::Entry& RosterListModel::entryAt(int row) const { return rows_[shown_[row]].entry; }

std::optional<int> RosterListModel::rowOf(std::int64_t id) const {
  for (std::size_t i = 0; i < shown_.size(); ++i)
    if (rows_[shown_[i]].entry.id == id) return static_cast<int>(i);
  return std::nullopt;
}

QVariant RosterListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
  const roster::Entry& e = entryAt(index.row());
  switch (index.column()) {
    case NameColumn: return Q(e.name);
    case ReadingColumn: return Q(e.reading);
    case BirthColumn: return BirthColumnText(e.birth);
    case SexColumn: return e.birth.sex == "M" ? QStringLiteral("男") : QStringLiteral("女");
    case PlaceColumn: return Q(e.birthplace);
    case NoteColumn: return FirstLine(e.note);
    case ChangedColumn: return LocalChangeText(e.changedAt);
  }
  return {};
}

QVariant RosterListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return QString::fromUtf8(kCaptions[section]);
}

}  // namespace mireto
