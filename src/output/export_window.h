// The text preview window frmexport: the displayed chart as plain text.
#pragma once

#include <functional>

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "output/export_text.h"
#include "output/secondary_window.h"

namespace mireto {

// The present moment as the platform's general date: the locale's short date,
// one blank, its long time (without a time zone).
QString GeneralDateText(const QDateTime& moment, const QLocale& locale);

class ExportController : public SecondaryWindow {
  Q_OBJECT

 public:
  using Clock = std::function<QDateTime()>;

  explicit ExportController(QObject* parent = nullptr);

  // The EXP button: shows the window (created centred on first use), builds
  // the chart text from the chart as the main window showed it at the click
  // and the present time, and replaces the whole content of the text area.
  void open(const ChartSnapshot& chart);

  // The source of the present moment; the system clock unless replaced.
  void setClock(Clock clock) { clock_ = std::move(clock); }

 private:
  QWidget* createWindow() override;

  Clock clock_;
};

}  // namespace mireto
