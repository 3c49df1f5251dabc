// The dialog that asks a roster entry's name, reading (ふりがな), birthplace
// (出生地) and note, showing the birth that will be filed with them.
//
// Saving a new entry it offers "保存"; saving the chart of an entry opened
// from the roster, with the same birth, it offers to update that entry or
// save a new one; with a changed birth (a time that turned up later) it
// offers to update that entry's birth or save a new one, and shows the birth
// as it was; editing it offers "変更". The accepting buttons stay disabled
// while a text is not acceptable, with the reason shown.
//
// A text the user did not change comes back exactly as it was given, line
// ends (CR LF, CR, U+2029) and all; a changed note keeps CR LF line ends when
// it had them.
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

// What the dialog shows besides the texts: the birth filed with them
// ("1988年8月8日 8時8分 女 時差 0分0秒", and the summer-time decision when one
// was taken) and, for SaveOrUpdateBirth, the entry's birth as it is.
struct EntryDialogBirth {
  QString birth;
  QString decision;
  QString previousBirth;
};

// The texts of an entry the user types.
struct EntryTexts {
  QString name;
  QString note;
  QString reading;
  QString birthplace;
};

struct EntryDialogAnswer {
  EntryChoice choice = EntryChoice::Cancel;
  QString name;
  QString note;
  QString reading{};
  QString birthplace{};
};

// A note as the user left it: `given` when the shown text was not changed,
// else the edited text, with CR LF line ends when `given` had only those.
QString KeptNote(const QString& given, const QString& shown, const QString& edited);

class RosterEntryDialog : public QDialog {
  Q_OBJECT

 public:
  RosterEntryDialog(EntryDialogMode mode, const EntryTexts& texts, const EntryDialogBirth& birth,
                    QWidget* parent = nullptr);

  EntryDialogAnswer answer() const;

 private:
  void check();
  void finish(EntryChoice choice);

  QLineEdit* name_ = nullptr;
  QLineEdit* reading_ = nullptr;
  QLineEdit* birthplace_ = nullptr;
  QPlainTextEdit* note_ = nullptr;
  QLabel* problem_ = nullptr;
  QPushButton* primary_ = nullptr;
  QPushButton* secondary_ = nullptr;
  EntryChoice choice_ = EntryChoice::Cancel;
  QString givenNote_;
  QString shownNote_;
};

// Shows the dialog modally and returns what the user chose.
EntryDialogAnswer AskEntry(QWidget* parent, EntryDialogMode mode, const EntryTexts& texts,
                           const EntryDialogBirth& birth);

}  // namespace mireto
