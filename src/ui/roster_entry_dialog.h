// The dialog that asks a roster entry's name and note, showing the birth that
// will be filed with them.
//
// Saving a new entry it offers "保存"; saving the chart of an entry opened
// from the roster, with the same birth, it offers to update that entry or
// save a new one; with a changed birth (a time that turned up later) it
// offers to update that entry's birth or save a new one, and shows the birth
// as it was; editing it offers "変更". The accepting buttons stay disabled
// while the name is not acceptable, with the reason shown.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mireto {

enum class EntryDialogMode { SaveNew, SaveOrUpdate, SaveOrUpdateBirth, Edit };
enum class EntryChoice { Cancel, SaveNew, Update };

// What the dialog shows besides the name and the note: the birth filed with
// them ("1988年8月8日 8時8分 女 時差 0分0秒", and the summer-time decision
// when one was taken) and, for SaveOrUpdateBirth, the entry's birth as it is.
struct EntryDialogBirth {
  QString birth;
  QString decision;
  QString previousBirth;
};

struct EntryDialogAnswer {
  EntryChoice choice = EntryChoice::Cancel;
  QString name;
  QString note;
};

class RosterEntryDialog : public QDialog {
  Q_OBJECT

 public:
  RosterEntryDialog(EntryDialogMode mode, const QString& name, const QString& note, const EntryDialogBirth& birth,
                    QWidget* parent = nullptr);

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
EntryDialogAnswer AskEntry(QWidget* parent, EntryDialogMode mode, const QString& name, const QString& note,
                           const EntryDialogBirth& birth);

}  // namespace mireto
