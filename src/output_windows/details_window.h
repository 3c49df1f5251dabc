// The window 命式詳細: the readings of the displayed chart (通変星, 蔵干通変星,
// 十二運, 納音, 空亡), its five-element diagram and relations (合冲刑害), the
// luck columns and, on three tabs, the years ahead (年運), the months of a
// chosen year (月運) and the days of a chosen month (日運) with their readings
// and relations with the chart, with buttons to copy them as text, print them
// and close.
//
// The window shows the ChartDetails it is given and nothing else; whoever
// owns it hands it new details whenever the main window displays a chart.
// It is modeless; Esc and 閉じる hide it.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "chart/birth_notices.h"
#include "chart/chart_details.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QScrollArea;
class QPrinter;
class QTableWidget;

namespace mireto {

class FiveElementDiagram;

class DetailsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit DetailsWindow(QWidget* owner);

  // Replaces every table with the given details.
  void showDetails(const ChartDetails& details);
  // The sectional terms around the birth and the summer-time decision of the
  // chart on display (nothing while none is known).
  void showBirthTime(const std::optional<BirthTimeDetails>& birthTime);
  const ChartDetails& details() const { return details_; }
  // The heading of the chart on display (DetailsHeadingText): shown at the
  // top, and the first line of the copy and of every printed page.
  void showHeading(const QString& heading);

  // 月運 of a year and 日運 of a month, in place of those shown.
  void showMonthly(int year, const std::vector<MonthlyLuck>& months);
  void showDaily(int year, int month, const std::vector<DailyLuck>& days);

  // The heading, a blank line and the details text, with CR LF line ends,
  // as コピー puts it on the clipboard.
  QString detailsText() const;

  // コピー: the details text to the clipboard.
  void copyToClipboard() const;

  // 印刷…: the system print dialog, then the print-out on the printer chosen
  // (printing to a PDF file is one of the dialog's choices).
  void print();

  // The print-out (DetailsPrintDocument) for the printer's paper: the
  // heading on every page, table headers repeated where a table continues,
  // the five-element diagram drawn as vector graphics before the balance.
  void printTo(QPrinter& printer) const;

 signals:
  // The year chosen on the 月運 tab, the month on the 日運 tab.
  void monthlyYearRequested(int year);
  void dailyMonthRequested(int year, int month);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void scrollToPresentYear();
  void fillPillars();
  void fillRelations();
  void fillLuck();
  void fillAnnual();
  void fillMonthly();
  void fillDaily();
  QWidget* makeMonthlyPage();
  QWidget* makeDailyPage();

  ChartDetails details_;
  QString heading_;
  std::vector<std::string> birthTime_;
  // Sizes the window to its content, within the screen's available area.
  void fitToScreen();

  QScrollArea* scroll_ = nullptr;
  QWidget* content_ = nullptr;
  QLabel* headingLabel_ = nullptr;
  QLabel* voidLabel_ = nullptr;
  QLabel* birthTimeLabel_ = nullptr;
  QTableWidget* pillars_ = nullptr;
  FiveElementDiagram* diagram_ = nullptr;
  QLabel* relations_ = nullptr;
  QTableWidget* luck_ = nullptr;
  QTableWidget* annual_ = nullptr;
  QTabWidget* periods_ = nullptr;
  QSpinBox* monthlyYear_ = nullptr;
  QTableWidget* monthly_ = nullptr;
  QSpinBox* dailyYear_ = nullptr;
  QComboBox* dailyMonth_ = nullptr;
  QTableWidget* daily_ = nullptr;
};

}  // namespace mireto
