// The text preview window frmexport: the displayed chart as plain text.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "output/export_text.h"
#include "output/secondary_window.h"

namespace mireto {

// The present moment as the platform's general date: the locale's short date,
// one blank, its long time (without a time zone).
QString GeneralDateText(const QDateTime& moment, const QLocale& locale);

// The ChartTexts of what the main window's controls display now.
ChartTexts GatherChartTexts(const QWidget& mainWindow);

class ExportController : public SecondaryWindow {
  Q_OBJECT

 public:
  using Clock = std::function<QDateTime()>;

  explicit ExportController(QWidget* mainWindow, QObject* parent = nullptr);

  // The EXP button: shows the window (created centred on first use), builds
  // the chart text from the displayed chart and the present time, and
  // replaces the whole content of the text area with it.
  void open();

  // The source of the present moment; the system clock unless replaced.
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // The name and the note of the roster entry the displayed chart came from,
  // both empty when it came from none; nothing unless set.
  using EntryNote = std::function<std::pair<std::string, std::string>()>;
  void setEntryNote(EntryNote source) { entryNote_ = std::move(source); }

 private:
  QWidget* createWindow() override;

  Clock clock_;
  EntryNote entryNote_;
};

}  // namespace mireto
