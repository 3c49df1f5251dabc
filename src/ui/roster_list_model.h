// The roster window's list as a model over the entries: the search and the
// order are computed over precomputed keys, and a saved, changed or deleted
// entry is put in its place without reading the roster again, so that the
// window stays quick with a hundred thousand entries.
#pragma once

#include <QAbstractTableModel>
#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "roster/roster_entry.h"

namespace mireto {

class RosterListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    NameColumn,
    ReadingColumn,
    BirthColumn,
    SexColumn,
    PlaceColumn,
    NoteColumn,
    ChangedColumn,
    ColumnCount
  };

  explicit RosterListModel(QObject* parent = nullptr);

  // The entries with their search texts and keys, and their order: what
  // setEntries computes, made on any thread (a large roster is prepared on a
  // worker thread while the window is already shown).
  struct Prepared;
  static std::shared_ptr<Prepared> prepare(std::vector<roster::Entry> entries, int column, Qt::SortOrder order);
  void adopt(const std::shared_ptr<Prepared>& prepared);
  int sortColumn() const { return sortColumn_; }
  Qt::SortOrder sortOrder() const { return sortOrder_; }

  void setEntries(std::vector<roster::Entry> entries);
  // Adds the entry, or replaces the one of the same id.
  void putEntry(const roster::Entry& entry);
  void removeEntries(const std::vector<std::int64_t>& ids);

  // Shows only the entries whose folded name, reading, birthplace or note
  // holds the folded query (see FoldForSearch).
  void setQuery(const QString& query);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

  const roster::Entry& entryAt(int row) const;
  std::optional<int> rowOf(std::int64_t id) const;
  std::size_t size() const { return rows_.size(); }

 private:
  struct Row {
    roster::Entry entry;
    QString folded;  // name, reading, birthplace and note, folded, one per line
    QCollatorSortKey nameKey;
    QString birthKey;
  };
  static Row makeRow(roster::Entry entry, const QCollator& collator);
  static bool before(const std::vector<Row>& rows, int column, Qt::SortOrder order, int a, int b);
  bool before(int a, int b) const { return before(rows_, sortColumn_, sortOrder_, a, b); }
  void reorder();
  void refilter();
  std::optional<std::size_t> indexOf(std::int64_t id) const;

  QCollator collator_;
  std::vector<Row> rows_;
  std::vector<int> order_;  // every row, in the order shown
  std::vector<int> shown_;  // the rows the query finds, in that order
  QString query_;           // folded
  int sortColumn_ = NameColumn;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;

 public:
  struct Prepared {
    std::vector<Row> rows;
    std::vector<int> order;
    int column;
    Qt::SortOrder sortOrder;
  };
};

// The birth column's text: "1990/05/03 14:27", "1990/05/03 14:?", "1990/05/03 ?".
QString BirthColumnText(const roster::BirthTexts& birth);

// A UTC "YYYY-MM-DDTHH:MM:SSZ" as local "YYYY/MM/DD HH:MM".
QString LocalChangeText(const std::string& utc);

}  // namespace mireto
