// The main window mainform01: the birth-data inputs, the display button, the
// chart fields and labels, and the commands that open the other windows.
//
// Every control carries its layout name as objectName. The window does no
// arithmetic: the display button gathers the inputs, calls ComputeChart and
// shows the texts it returns. Other windows never touch its controls: they get
// the displayed chart as a ChartSnapshot, and fill the inputs through
// enterBirth (a roster entry's texts) and setTimeDifference.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include <optional>

#include "chart/birth_notices.h"
#include "chart/chart.h"
#include "chart/chart_details.h"
#include "chart/chart_snapshot.h"
#include "core/data_files.h"
#include "roster/roster_entry.h"
#include "ui/chart_controls.h"

namespace mireto {

class InputChain;
class YearDialog;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // tables: loaded once at start-up; must outlive the window.
  explicit MainWindow(const CalendarTables& tables, QWidget* parent = nullptr);
  ~MainWindow() override;

  const BirthRecord& birthRecord() const;
  // The tables the charts are computed with.
  const CalendarTables& tables() const { return tables_; }

  // The chart as the window shows it now, read from its controls: what a user
  // typed over a result is part of it.
  ChartSnapshot snapshot() const;

  // The source of the present local time for the age and the current luck
  // pillar; the system clock unless replaced.
  using Clock = std::function<LocalDateTime()>;
  void setClock(Clock clock);

  // Writes the two time-difference fields (the map's "決定").
  void setTimeDifference(const QString& minutes, const QString& seconds);

  // Centres the window (outer frame) on its screen.
  void centreOnScreen();

  // The year dialog, nullptr until "年入力" is first pressed.
  QWidget* yearDialog() const;

  // "年入力": shows the year dialog (creating it on first use) and disables
  // this window until "決定" is pressed.
  void openYearDialog();

  // "八字表示": computes the chart of the entered data at the present local
  // time, shows it and emits chartDisplayed. A clock time in summer time is
  // asked about first (one that never existed is refused); a birth near a
  // sectional-term boundary is reported after the chart. A refused input is
  // reported in a message box and leaves the window as it was.
  void displayChart();

  // "八字表示" with a summer-time decision already taken (a roster entry's):
  // a birth that would be asked about is computed by that decision without a
  // question. NotAsked: as displayChart.
  void displayDecidedChart(roster::ClockDecision decided);

  // The summer-time decision behind the chart on display; NotAsked when its
  // birth needed none.
  roster::ClockDecision displayedDecision() const { return displayedDecision_; }

  // The birth behind the chart on display (its summer-time decision, notices
  // and both boundaries); nullopt before the first chart.
  const std::optional<BirthChart>& birthChart() const;

  // The present local time of the window's clock.
  LocalDateTime presentTime() const { return clock_(); }

  // The time difference in the two fields now, in days (east positive);
  // nullopt beyond the ±24 hours a chart takes.
  std::optional<double> timeDifferenceDays() const;

  // "終了" and "ミレト終了": unloads every window and ends the program.
  void exitProgram();

  // The inputs of the chart on display, as a roster entry keeps them;
  // nullopt before the first chart.
  const std::optional<roster::BirthTexts>& displayedBirth() const { return displayedBirth_; }

  // The inputs as they are now; nullopt while incomplete.
  std::optional<roster::BirthTexts> enteredBirth() const;

  // Enters the inputs as a user would: the year through the year dialog (its
  // century, the year, "決定"), then the month, day, hour and minute lists,
  // the sex and the time difference. Does not display the chart. False when
  // the inputs cannot be entered (a date the year dialog does not offer).
  bool enterBirth(const roster::BirthTexts& birth);

  // The roster entry the displayed chart came from (opened or just saved).
  void setChartEntry(std::optional<roster::Entry> entry);

  // That entry while the chart on display and the inputs are still its own;
  // nullopt once any input, the displayed chart or its summer-time decision
  // differs.
  std::optional<roster::Entry> chartEntry() const;

  // That entry whatever has changed since: the entry a corrected birth may be
  // filed back to.
  const std::optional<roster::Entry>& sourceEntry() const { return chartEntry_; }

 signals:
  // A chart was shown; the snapshot is what the window shows right after.
  void chartDisplayed(const ChartSnapshot& snapshot);
  // POP and EXP: the chart as shown at the click.
  void popupRequested(const ChartSnapshot& snapshot);
  void exportRequested(const ChartSnapshot& snapshot);
  // 命式詳細（Ｄ）.
  void detailsRequested();
  // 相性…: the chart on display beside an entry of the roster.
  void compatRequested();
  // After chartDisplayed: the details of the same chart, 年運 from the birth
  // year on (the snapshot holds texts only, not the stems and the birth year).
  void chartDetailsDisplayed(const mireto::ChartDetails& details);
  void mapRequested();
  // 万年暦（Ｋ）.
  void calendarRequested();
  // A time-difference field changed; timeDifferenceDays() gives the value.
  void timeDifferenceChanged();
  void aboutRequested();
  // The ファイル menu's roster items.
  void rosterSaveRequested();
  void rosterRequested();
  void rosterExportRequested();
  void rosterImportRequested();
  void rosterRestoreRequested();
  // The ファイル menu's 命式表 items: 印刷…, 印刷プレビュー…, PDFに保存….
  void sheetPrintRequested();
  void sheetPreviewRequested();
  void sheetPdfRequested();
  // The roster entry of the chart on display was set (opened or saved).
  void chartEntryChanged();
  // The main window is closing: secondary windows must unload now.
  void unloading();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectControls();
  void connectMenus();
  void setChartCommandsEnabled(bool enabled);
  void unloadYearDialog();
  YearDialog* loadYearDialog();

  const CalendarTables& tables_;
  Clock clock_;
  MainControls controls_;
  MenuActions actions_;
  InputChain* input_ = nullptr;
  QPointer<YearDialog> yearDialog_;
  bool unloaded_ = false;
  std::optional<roster::BirthTexts> displayedBirth_;
  roster::ClockDecision displayedDecision_ = roster::ClockDecision::NotAsked;
  std::optional<roster::Entry> chartEntry_;
  std::optional<BirthChart> birthChart_;
};

}  // namespace mireto
