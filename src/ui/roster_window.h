// The roster window: a search box over names and notes, the list of people
// (sortable by name, birth date and last change) and the buttons to open an
// entry, edit its name and note, and delete it.
//
// The window only shows the entries it is given and reports the user's
// requests; it reads and writes no file and knows no other window.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "roster/roster_entry.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace mireto {

class RosterWindow : public QWidget {
  Q_OBJECT

 public:
  enum Column { NameColumn, BirthColumn, SexColumn, NoteColumn, ChangedColumn, ColumnCount };

  explicit RosterWindow(QWidget* parent = nullptr);

  // Replaces the list, keeping the search text, the order and the selection.
  void setEntries(std::vector<roster::Entry> entries);

  // The search text; the list shows the entries whose name or note holds it
  // (letter case ignored).
  void setSearchText(const QString& text);
  void sortBy(Column column, Qt::SortOrder order);

  // The ids of the entries shown, top to bottom.
  std::vector<std::int64_t> shownIds() const;

  void select(std::int64_t id);
  std::optional<roster::Entry> selectedEntry() const;

 signals:
  void openRequested(const roster::Entry& entry);
  void editRequested(const roster::Entry& entry);
  void deleteRequested(const roster::Entry& entry);

 private:
  void applySearch();
  void updateButtons();
  void request(void (RosterWindow::*signal)(const roster::Entry&));

  QLineEdit* search_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* delete_ = nullptr;
  std::vector<roster::Entry> entries_;
};

// The birth column's text: "1990/05/03 14:27", "1990/05/03 14:?", "1990/05/03 ?".
QString BirthColumnText(const roster::BirthTexts& birth);

// A UTC "YYYY-MM-DDTHH:MM:SSZ" as local "YYYY/MM/DD HH:MM".
QString LocalChangeText(const std::string& utc);

}  // namespace mireto
