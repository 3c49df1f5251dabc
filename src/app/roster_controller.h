// The roster in the desktop program: the ファイル menu's "名簿に保存…",
// "名簿…", "名簿の書き出し…", "名簿の読み込み…" and "名簿の復元…", the
// roster window's requests, and the messages when the roster file cannot be
// used (the program then goes on without the roster; the file is left as it
// was).
//
// A write waits only briefly for another program's lock, so that the window
// never freezes; a save that finds the file locked says so and asks again
// with what the user typed.
//
// Dialogs go through RosterPrompts so that the window tests can answer them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <thread>

#include "roster/roster.h"
#include "ui/roster_entry_dialog.h"
#include "ui/roster_window.h"

namespace mireto {

class MainWindow;
class RosterWindow;

struct RosterPrompts {
  std::function<EntryDialogAnswer(QWidget* parent, EntryDialogMode mode, const EntryTexts& texts,
                                  const EntryDialogBirth& birth)>
      askEntry;
  std::function<bool(QWidget* parent, const QString& question)> confirm;
  // problem: a warning rather than a plain information.
  std::function<void(QWidget* parent, const QString& message, bool problem)> report;
  // A file name to write (forWriting) or to read; empty when cancelled.
  std::function<QString(QWidget* parent, bool forWriting)> chooseFile;
  // One of the backup copies described by the lines; -1 when cancelled.
  std::function<int(QWidget* parent, const QStringList& copies)> chooseBackup;
};

// How long a save of the desktop program waits for another program's lock.
inline constexpr int kDesktopWaitMilliseconds = 200;

// The program's own dialogs.
RosterPrompts DialogPrompts();

// roster.sqlite3 in QStandardPaths::AppDataLocation; empty when there is none.
std::filesystem::path DesktopRosterFile();

class RosterController : public QObject {
  Q_OBJECT

 public:
  RosterController(MainWindow* mainWindow, std::filesystem::path file, RosterPrompts prompts,
                   roster::Roster::Clock clock = roster::UtcTimestamp);
  ~RosterController() override;

  // "名簿に保存…": the displayed chart's inputs and summer-time decision under
  // a name and a note. Inputs changed since the chart was shown are displayed
  // first; when that gives no chart of them, nothing is saved.
  void save();
  // "名簿…": shows the roster window with every entry.
  void openWindow();
  // "名簿の書き出し…" and "名簿の読み込み…": JSON Lines as mireto-chart's.
  void exportFile();
  void importFile();
  // "名簿の復元…": lists the backup copies and restores one after a confirmation.
  void restoreBackup();

  // The map's "決定": the point, kept as the birthplace of the next save
  // whose time difference is the one the map gave.
  void rememberMapPlace(const QString& place, const QString& minutes, const QString& seconds);

  // The roster window's requests.
  void openEntry(const roster::Entry& entry);
  void editEntry(const roster::Entry& entry);
  void deleteEntries(const std::vector<roster::Entry>& entries);

  RosterWindow* window() const { return window_; }
  void unload();

  // Every entry, for a chooser; nullopt (and the user was told) when the
  // roster cannot be read.
  std::optional<std::vector<roster::Entry>> listEntries();

 signals:
  // The roster window's 印刷… and PDFに保存…, for whoever prints 命式表.
  void printRequested(const std::vector<roster::Entry>& entries);
  void pdfRequested(const std::vector<roster::Entry>& entries);
  // The roster window's 相性… with its two entries.
  void compatRequested(const roster::Entry& a, const roster::Entry& b);

 private:
  // Refreshes the roster window if it is loaded; false (and a message) when
  // the roster cannot be read.
  bool reload();
  // The saved or changed entry, into the roster window without reloading the rest.
  void showChanged(std::int64_t id);
  void reportProblem(const std::string& error);
  // Tightens files that others may read, once per run, with a notice.
  void checkFileModes();
  // The displayed chart's birth, once the inputs show that chart; else nullopt
  // and the user was told.
  std::optional<roster::NewEntry> displayedBirthToFile();
  QWidget* dialogParent() const;

  MainWindow* mainWindow_;
  std::filesystem::path file_;
  roster::Roster roster_;
  RosterPrompts prompts_;
  // Reads and prepares a large roster on a worker thread while the window is shown.
  void loadInBackground();

  QPointer<RosterWindow> window_;
  bool modesChecked_ = false;
  QString mapPlace_;
  roster::BirthTexts mapDifference_;  // only its time-difference texts
  std::thread loader_;
  int loadGeneration_ = 0;
};

// A roster file (with its log) of this many bytes or more is read on a worker
// thread: about 20,000 entries.
inline constexpr std::uintmax_t kBackgroundLoadBytes = 4 << 20;

}  // namespace mireto
