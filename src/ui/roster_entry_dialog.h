// The dialog that asks a roster entry's name and note.
//
// Saving a new entry it offers "保存"; saving the chart of an entry opened
// from the roster, with nothing changed, it offers to update that entry or
// save a new one; editing it offers "変更". The accepting buttons stay
// disabled while the name is not acceptable, with the reason shown.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mireto {

enum class EntryDialogMode { SaveNew, SaveOrUpdate, Edit };
enum class EntryChoice { Cancel, SaveNew, Update };

struct EntryDialogAnswer {
  EntryChoice choice = EntryChoice::Cancel;
  QString name;
  QString note;
};

class RosterEntryDialog : public QDialog {
  Q_OBJECT

 public:
  RosterEntryDialog(EntryDialogMode mode, const QString& name, const QString& note, QWidget* parent = nullptr);

  EntryDialogAnswer answer() const;

 private:
  void check();
  void finish(EntryChoice choice);

  QLineEdit* name_ = nullptr;
  QPlainTextEdit* note_ = nullptr;
  QLabel* problem_ = nullptr;
  QPushButton* primary_ = nullptr;
  QPushButton* secondary_ = nullptr;
  EntryChoice choice_ = EntryChoice::Cancel;
};

// Shows the dialog modally and returns what the user chose.
EntryDialogAnswer AskEntry(QWidget* parent, EntryDialogMode mode, const QString& name, const QString& note);

}  // namespace mireto
