// The roster window: a search box over names, readings, birthplaces and
// notes, the list of people (sortable by each column) and the buttons to open
// an entry, edit its texts, delete the selected entries, and print or save
// their 命式表.
//
// Keys: Esc and Ctrl+W close the window, Delete deletes the selection (after
// the controller's confirmation), Down or Tab from the search box moves to
// the first hit and Return opens it.
//
// The window only shows the entries it is given and reports the user's
// requests; it reads and writes no file and knows no other window.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "roster/roster_entry.h"
#include "ui/roster_list_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace mireto {

class RosterWindow : public QWidget {
  Q_OBJECT

 public:
  using Column = RosterListModel::Column;
  static constexpr Column NameColumn = RosterListModel::NameColumn;
  static constexpr Column ReadingColumn = RosterListModel::ReadingColumn;
  static constexpr Column BirthColumn = RosterListModel::BirthColumn;
  static constexpr Column SexColumn = RosterListModel::SexColumn;
  static constexpr Column PlaceColumn = RosterListModel::PlaceColumn;
  static constexpr Column NoteColumn = RosterListModel::NoteColumn;
  static constexpr Column ChangedColumn = RosterListModel::ChangedColumn;

  explicit RosterWindow(QWidget* parent = nullptr);

  // Replaces the list, keeping the search text, the order and the selection.
  void setEntries(std::vector<roster::Entry> entries);
  // A large roster: the window is shown at once, saying that it reads the
  // roster, and takes the list prepared elsewhere (RosterListModel::prepare).
  void setLoading();
  bool loading() const { return loading_; }
  void adopt(const std::shared_ptr<RosterListModel::Prepared>& prepared);
  int sortColumn() const { return model_->sortColumn(); }
  Qt::SortOrder sortOrder() const { return model_->sortOrder(); }

  // One entry saved or changed, or entries deleted, without reloading the
  // rest (kept for after a list still being prepared).
  void putEntry(const roster::Entry& entry);
  void removeEntries(const std::vector<std::int64_t>& ids);

  // The search text (see FoldForSearch).
  void setSearchText(const QString& text);
  void sortBy(Column column, Qt::SortOrder order);

  // The ids of the entries shown, top to bottom.
  std::vector<std::int64_t> shownIds() const;
  std::size_t entryCount() const { return model_->size(); }

  void select(std::int64_t id);
  // Adds to the selection.
  void selectAlso(std::int64_t id);
  std::optional<roster::Entry> selectedEntry() const;
  std::vector<roster::Entry> selectedEntries() const;

 signals:
  void openRequested(const roster::Entry& entry);
  void editRequested(const roster::Entry& entry);
  void deleteRequested(const std::vector<roster::Entry>& entries);
  // 印刷… and PDFに保存…: 命式表 of the selected entries, one after another.
  void printRequested(const std::vector<roster::Entry>& entries);
  void pdfRequested(const std::vector<roster::Entry>& entries);
  // 相性…: the two selected entries, in the order they were added.
  void compatRequested(const roster::Entry& a, const roster::Entry& b);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateButtons();
  void requestOpen();
  void requestEdit();
  void requestDelete();
  void rememberSelection();
  void restoreSelection();
  void focusFirstHit();

  QLineEdit* search_ = nullptr;
  QLabel* status_ = nullptr;
  bool loading_ = false;
  std::vector<roster::Entry> pendingPuts_;
  std::vector<std::int64_t> pendingRemoves_;
  QTreeView* list_ = nullptr;
  RosterListModel* model_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* pdf_ = nullptr;
  QPushButton* compat_ = nullptr;
  std::vector<std::int64_t> remembered_;
  std::optional<std::int64_t> rememberedCurrent_;
};

// Places the window's frame beside the main window's, on the right where it
// fits, else on the left, within the screen's available area.
void PlaceBeside(QWidget& window, const QWidget& mainWindow);

}  // namespace mireto
