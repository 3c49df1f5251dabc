// The text preview window frmexport: the displayed chart as plain text.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include <QDateTime>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include "output/export_text.h"
#include "output_windows/secondary_window.h"

namespace mireto {

// The present moment as the chart text's first line writes it, the same
// under every locale: 2026/12/07 9:05:03 (see chart/general_date.h).
QString GeneralDateText(const QDateTime& moment);

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
  QPointer<QPlainTextEdit> text_;  // of the loaded window
};

}  // namespace mireto
