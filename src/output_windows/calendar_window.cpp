#include "output_windows/calendar_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/names.h"
#include "gui/fonts.h"
#include "output/calendar_pages.h"
#include "output_windows/dialog_buttons.h"
#include "output_windows/table_cells.h"
#include "print/print_dialogs.h"

namespace mireto {

namespace {

const QColor kTodayBackground{0xFF, 0xF2, 0xB3};
const QColor kSundayText{0xC0, 0x20, 0x20};
const QColor kSaturdayText{0x20, 0x40, 0xC0};
constexpr int kWeeks = 6;
constexpr int kDays = 7;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A read-only table without scroll bars, as large as its contents.
QTableWidget* MakeTable(QWidget* parent, const char* name, int rows, int columns) {
  QTableWidget* table = MakeReadOnlyTable(parent, QString::fromUtf8(name), rows, columns);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  return table;
}

}  // namespace

CalendarWindow::CalendarWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmcalendar"));
  setWindowTitle(QStringLiteral("万年暦"));
  setModal(false);
  setFont(LayoutFont(FontFace::Gothic, 9.75));
  auto* layout = new QVBoxLayout(this);

  auto* navigation = new QHBoxLayout;
  previous_ = new QPushButton(QStringLiteral("◀ 前月"), this);
  previous_->setObjectName(QStringLiteral("btnPrevious"));
  previous_->setToolTip(QStringLiteral("前の月（PageUp、Ctrl+PageUp で前の年）"));
  year_ = new QSpinBox(this);
  year_->setObjectName(QStringLiteral("spnYear"));
  year_->setRange(kFirstCalendarYear, kLastCalendarYear);
  year_->setSuffix(QStringLiteral("年"));
  month_ = new QComboBox(this);
  month_->setObjectName(QStringLiteral("cmbMonth"));
  for (int m = 1; m <= 12; ++m) month_->addItem(QStringLiteral("%1月").arg(m));
  next_ = new QPushButton(QStringLiteral("翌月 ▶"), this);
  next_->setObjectName(QStringLiteral("btnNext"));
  next_->setToolTip(QStringLiteral("次の月（PageDown、Ctrl+PageDown で次の年）"));
  for (QPushButton* b : {previous_, next_}) b->setAutoDefault(false);
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("lblYearPillar"));
  title_->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  navigation->addWidget(previous_);
  navigation->addWidget(year_);
  navigation->addWidget(month_);
  navigation->addWidget(next_);
  navigation->addSpacing(16);
  navigation->addWidget(title_);
  navigation->addStretch();
  layout->addLayout(navigation);

  grid_ = MakeTable(this, "tblMonth", kWeeks, kDays);
  QStringList weekdays;
  for (int w = 1; w <= kDays; ++w) weekdays << QString::fromUtf8(WeekdayNames[static_cast<std::size_t>(w)].data());
  grid_->setHorizontalHeaderLabels(weekdays);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  const int cellWidth =
      QFontMetrics(LayoutFont(FontFace::PGothic, 12, true)).horizontalAdvance(QStringLiteral("甲子甲")) + 12;
  for (int c = 0; c < kDays; ++c) grid_->setColumnWidth(c, cellWidth);
  grid_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  layout->addWidget(grid_, 0, Qt::AlignHCenter);

  auto* termsTitle = new QLabel(QStringLiteral("この月の節気"), this);
  termsTitle->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  layout->addWidget(termsTitle);
  terms_ = MakeTable(this, "tblTerms", 0, 4);
  terms_->verticalHeader()->hide();
  layout->addWidget(terms_);

  auto* explanation = new QLabel(
      QString::fromUtf8(kTwoClocksExplanation.data(), static_cast<qsizetype>(kTwoClocksExplanation.size())), this);
  explanation->setObjectName(QStringLiteral("lblExplanation"));
  explanation->setWordWrap(true);
  layout->addWidget(explanation);

  auto* pillarsTitle = new QLabel(QStringLiteral("月柱（節入りの日から）"), this);
  pillarsTitle->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  layout->addWidget(pillarsTitle);
  pillars_ = new QLabel(this);
  pillars_->setObjectName(QStringLiteral("lblMonthPillars"));
  pillars_->setTextFormat(Qt::PlainText);
  layout->addWidget(pillars_);

  const auto [copy, print, close] = AddCopyPrintCloseRow(this, layout);

  connect(previous_, &QPushButton::clicked, this, [this] { step(-1); });
  connect(next_, &QPushButton::clicked, this, [this] { step(1); });
  connect(year_, &QSpinBox::valueChanged, this, &CalendarWindow::requestChosen);
  connect(month_, &QComboBox::activated, this, &CalendarWindow::requestChosen);
  connect(copy, &QPushButton::clicked, this, &CalendarWindow::copyToClipboard);
  connect(print, &QPushButton::clicked, this, &CalendarWindow::print);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CalendarWindow::step(int months) {
  const auto [year, month] = StepMonth(view_.year, view_.month, months);
  if (year != view_.year || month != view_.month) emit monthRequested(year, month);
}

void CalendarWindow::requestChosen() {
  const int year = year_->value();
  const int month = month_->currentIndex() + 1;
  if (year != view_.year || month != view_.month) emit monthRequested(year, month);
}

void CalendarWindow::keyPressEvent(QKeyEvent* event) {
  const bool wholeYear = (event->modifiers() & Qt::ControlModifier) != 0;
  if (event->key() == Qt::Key_PageUp) {
    step(wholeYear ? -12 : -1);
  } else if (event->key() == Qt::Key_PageDown) {
    step(wholeYear ? 12 : 1);
  } else {
    QDialog::keyPressEvent(event);
  }
}

void CalendarWindow::showMonth(const std::vector<CalendarMonthView>& year, int month,
                               const std::optional<CalendarDay>& today) {
  months_ = year;
  view_ = months_.at(static_cast<std::size_t>(month - 1));
  today_ = today;
  {
    const QSignalBlocker blockYear(year_);
    const QSignalBlocker blockMonth(month_);
    year_->setValue(view_.year);
    month_->setCurrentIndex(view_.month - 1);
  }
  previous_->setEnabled(StepMonth(view_.year, view_.month, -1) != std::pair{view_.year, view_.month});
  next_->setEnabled(StepMonth(view_.year, view_.month, 1) != std::pair{view_.year, view_.month});
  title_->setText(QStringLiteral("年柱 %1（%2年の立春から）").arg(Text(PillarText(view_.yearPillar))).arg(view_.year));
  fillGrid();
  fillTerms();
  QStringList months;
  for (const CalendarTerm& term : view_.sectional) {
    const ClockTime& start = view_.jisaDays ? term.chartSwitch : term.almanac.jst;
    months << QStringLiteral("%1 %2/%3").arg(Text(PillarText(*term.monthPillar))).arg(start.month).arg(start.day);
  }
  pillars_->setText(months.mid(0, 6).join(QStringLiteral("　")) + QLatin1Char('\n') +
                    months.mid(6).join(QStringLiteral("　")));
  adjustSize();
}

void CalendarWindow::fillGrid() {
  grid_->clearContents();
  for (const CalendarDay& day : view_.days) {
    const int offset = view_.days.front().weekday - 1 + day.day - 1;
    const bool isToday = today_ && today_->year == day.year && today_->month == day.month && today_->day == day.day;
    QTableWidgetItem* item = TableCell(QStringLiteral("%1\n%2").arg(day.day).arg(Text(PillarText(day.pillar))),
                                       LayoutFont(FontFace::PGothic, 12, isToday));
    if (day.weekday == 1) item->setForeground(kSundayText);
    if (day.weekday == 7) item->setForeground(kSaturdayText);
    if (isToday) {
      item->setBackground(kTodayBackground);
      item->setToolTip(QStringLiteral("今日"));
      item->setData(Qt::UserRole, true);
    }
    grid_->setItem(offset / kDays, offset % kDays, item);
  }
}

void CalendarWindow::fillTerms() {
  const QString switchTitle = view_.jisaDays
                                  ? QStringLiteral("命式の切り替え（%1）").arg(Text(JisaText(*view_.jisaDays)))
                                  : QStringLiteral("命式の切り替え（時差が正しくありません）");
  terms_->setHorizontalHeaderLabels(
      {QStringLiteral("節気"), QStringLiteral("暦の時刻（日本標準時）"), switchTitle, QStringLiteral("月柱")});
  terms_->setRowCount(static_cast<int>(view_.terms.size()));
  const QFont font = LayoutFont(FontFace::Gothic, 11.25);
  for (int r = 0; r < terms_->rowCount(); ++r) {
    const CalendarTerm& term = view_.terms[static_cast<std::size_t>(r)];
    terms_->setItem(
        r, 0,
        TableCell(QString::fromUtf8(term.almanac.name.data(), static_cast<qsizetype>(term.almanac.name.size())),
                  LayoutFont(FontFace::Gothic, 11.25, term.almanac.sectional)));
    terms_->setItem(r, 1, TableCell(Text(TermMomentText(term.almanac.jst)), font));
    terms_->setItem(r, 2,
                    TableCell(view_.jisaDays ? Text(TermMomentText(term.chartSwitch)) : QStringLiteral("－"), font));
    terms_->setItem(
        r, 3, TableCell(term.monthPillar ? Text(PillarText(*term.monthPillar)) : QStringLiteral("（中気）"), font));
  }
}

QString CalendarWindow::monthText() const { return Text(CalendarMonthText(view_, today_)); }

void CalendarWindow::copyToClipboard() const { QApplication::clipboard()->setText(monthText()); }

void CalendarWindow::print() {
  PrintWithDialog(this, QStringLiteral("万年暦の印刷"),
                  [this](page::PaperSize paper) { return CalendarYearDocument(months_, today_, paper); });
}

void CalendarWindow::printTo(QPrinter& printer) const {
  PrintDocumentOn(printer, [this](page::PaperSize paper) { return CalendarYearDocument(months_, today_, paper); });
}

}  // namespace mireto
