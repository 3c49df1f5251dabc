#include "output_windows/details_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/names.h"
#include "gui/fonts.h"
#include "output/calendar_text.h"
#include "output/details_print.h"
#include "output/details_text.h"
#include "output/relation_text.h"
#include "output_windows/dialog_buttons.h"
#include "output_windows/five_element_diagram.h"
#include "output_windows/pillar_table.h"
#include "output_windows/table_cells.h"
#include "print/print_dialogs.h"

namespace mireto {

namespace {

// Background of the present year (a branch in 空亡: kVoidBackground).
const QColor kPresentBackground{0xFF, 0xF2, 0xB3};

constexpr std::array<const char*, 6> kLuckRows = {"年齢", "干支", "通変星", "十二運", "空亡", "合冲刑害"};
constexpr int kLuckRelationRow = 5;
constexpr int kAnnualRelationColumn = 6;
constexpr std::array<const char*, 7> kAnnualColumns = {"年",   "満年齢",          "干支", "通変星", "十二運",
                                                       "空亡", "命式との合冲刑害"};
// The widest text of each annual column but the last, which takes the rest.
constexpr std::array<const char*, 6> kAnnualColumnSamples = {"20000", "100歳", "干支干", "通変星", "十二運", "空亡空"};

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString VoidText(std::optional<bool> isVoid) {
  if (!isVoid) return Text(kUnknownMark);
  return Text(*isVoid ? kVoidMark : kNotVoidMark);
}

QStringList Labels(const auto& names) {
  QStringList labels;
  for (const char* n : names) labels << QString::fromUtf8(n);
  return labels;
}

QString AgeRange(const LuckColumnDetails& c) {
  // As AgeRangeText, without its column padding.
  if (c.firstAge >= c.lastAge) return QStringLiteral("%1歳").arg(c.firstAge);
  return QStringLiteral("%1～%2歳").arg(c.firstAge).arg(c.lastAge);
}

// The relations of a year with the chart on one line.
QString RelationsLine(const RelationList& list) {
  QStringList texts;
  for (const std::string& t : OuterRelationTexts(list)) texts << QString::fromStdString(t);
  return texts.isEmpty() ? Text(kNotVoidMark) : texts.join(QStringLiteral("、"));
}

// The relations of a luck column for its narrow cell: one per line, a long
// one broken after と (年干と / 干合（土）).
QString RelationsCell(const RelationList& list) {
  constexpr qsizetype kShortest = 5;  // characters that need no break
  QStringList lines;
  for (const std::string& t : OuterRelationTexts(list)) {
    const QString text = QString::fromStdString(t);
    const qsizetype joint = text.lastIndexOf(QStringLiteral("と"));
    lines << (text.size() > kShortest && joint > 0 ? text.left(joint + 1) + QLatin1Char('\n') + text.mid(joint + 1)
                                                   : text);
  }
  return lines.isEmpty() ? Text(kNotVoidMark) : lines.join(QLatin1Char('\n'));
}

}  // namespace

DetailsWindow::DetailsWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmdetails"));
  setWindowTitle(QStringLiteral("命式詳細"));
  setModal(false);
  setFont(LayoutFont(FontFace::Gothic, 9.75));

  // Everything but the buttons scrolls, so that on a small or scaled screen
  // the window can shrink to the available area with its buttons in reach.
  auto* outer = new QVBoxLayout(this);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("detailsScroll"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  content_ = new QWidget(scroll_);
  auto* layout = new QVBoxLayout(content_);
  layout->setContentsMargins(0, 0, 0, 0);
  scroll_->setWidget(content_);
  outer->addWidget(scroll_, 1);
  headingLabel_ = new QLabel(this);
  headingLabel_->setObjectName(QStringLiteral("lblHeading"));
  headingLabel_->setTextFormat(Qt::PlainText);
  layout->addWidget(headingLabel_);
  voidLabel_ = new QLabel(this);
  voidLabel_->setObjectName(QStringLiteral("lblVoid"));
  voidLabel_->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  layout->addWidget(voidLabel_);
  birthTimeLabel_ = new QLabel(this);
  birthTimeLabel_->setObjectName(QStringLiteral("lblBirthTime"));
  layout->addWidget(birthTimeLabel_);

  pillars_ = MakePillarTable(this, QStringLiteral("tblPillars"));
  diagram_ = new FiveElementDiagram(this);
  relations_ = new QLabel(this);
  relations_->setObjectName(QStringLiteral("lblRelations"));
  relations_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  relations_->setTextFormat(Qt::PlainText);
  auto* chartRow = new QHBoxLayout;
  chartRow->addStretch();
  chartRow->addWidget(pillars_, 0, Qt::AlignTop);
  chartRow->addSpacing(12);
  chartRow->addWidget(diagram_, 0, Qt::AlignTop);
  chartRow->addSpacing(12);
  chartRow->addWidget(relations_, 0, Qt::AlignTop);
  chartRow->addStretch();
  layout->addLayout(chartRow);

  auto* luckTitle = new QLabel(QStringLiteral("大運"), this);
  luckTitle->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  layout->addWidget(luckTitle);
  luck_ = MakeReadOnlyTable(this, QStringLiteral("tblLuck"), static_cast<int>(kLuckRows.size()),
                            static_cast<int>(kLuckColumnCount));
  luck_->setVerticalHeaderLabels(Labels(kLuckRows));
  luck_->horizontalHeader()->hide();
  FitTableToContents(*luck_);
  layout->addWidget(luck_, 0, Qt::AlignHCenter);

  periods_ = new QTabWidget(this);
  periods_->setObjectName(QStringLiteral("tabPeriods"));
  periods_->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  annual_ = MakeReadOnlyTable(this, QStringLiteral("tblAnnual"), 0, static_cast<int>(kAnnualColumns.size()));
  annual_->setHorizontalHeaderLabels(Labels(kAnnualColumns));
  annual_->verticalHeader()->hide();
  // Fixed readings, the relations taking the rest of the width.
  const QFontMetrics annualMetrics(LayoutFont(FontFace::Gothic, 11.25, true));
  for (int c = 0; c < static_cast<int>(kAnnualColumnSamples.size()); ++c) {
    annual_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
    const QString sample = QString::fromUtf8(kAnnualColumnSamples[static_cast<std::size_t>(c)]);
    annual_->setColumnWidth(c, annualMetrics.horizontalAdvance(sample) + 16);
  }
  annual_->horizontalHeader()->setSectionResizeMode(static_cast<int>(kAnnualColumnSamples.size()),
                                                    QHeaderView::Stretch);
  // Rows of one fixed height: sizing each of the 101 rows to its contents
  // at every refresh costs seconds.
  annual_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  annual_->verticalHeader()->setDefaultSectionSize(QFontMetrics(LayoutFont(FontFace::Gothic, 11.25, true)).height() +
                                                   6);
  annual_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  annual_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  annual_->setMinimumHeight(220);
  annual_->setFont(font());
  periods_->addTab(annual_, QStringLiteral("年運"));
  periods_->addTab(makeMonthlyPage(), QStringLiteral("月運"));
  periods_->addTab(makeDailyPage(), QStringLiteral("日運"));
  layout->addWidget(periods_, 1);

  const auto [copy, print, close] = AddCopyPrintCloseRow(this, outer);

  connect(copy, &QPushButton::clicked, this, &DetailsWindow::copyToClipboard);
  connect(print, &QPushButton::clicked, this, &DetailsWindow::print);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void DetailsWindow::fitToScreen() {
  // The whole content when the screen has room, else the available area
  // less a window frame; the scroll area takes the rest.
  constexpr QSize kFrameAllowance(16, 48);  // pixels: borders and title bar
  // The tables' sizes follow their new texts only once polished and laid out.
  ensurePolished();
  for (QTableWidget* table : {pillars_, luck_}) {
    table->doItemsLayout();  // the columns sized to their contents now, not when shown
    table->updateGeometry();
  }
  content_->layout()->activate();
  const QMargins margins = layout()->contentsMargins();
  const QSize buttons = layout()->itemAt(1)->sizeHint();
  const QSize content = content_->sizeHint().expandedTo(content_->minimumSizeHint());
  QSize wanted(std::max(content.width(), buttons.width()) + margins.left() + margins.right(),
               content.height() + layout()->spacing() + buttons.height() + margins.top() + margins.bottom());
  const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) wanted = wanted.boundedTo(screen->availableGeometry().size() - kFrameAllowance);
  resize(wanted);
}

void DetailsWindow::showDetails(const ChartDetails& details) {
  details_ = details;
  setUpdatesEnabled(false);
  voidLabel_->setText(QStringLiteral("空亡（天中殺）：") + Text(details_.voidBranches.names));
  fillPillars();
  fillRelations();
  fillLuck();
  fillAnnual();
  if (!details_.monthly.empty()) showMonthly(details_.monthly.front().from.year, details_.monthly);
  if (!details_.daily.empty())
    showDaily(details_.daily.front().day.year, details_.daily.front().day.month, details_.daily);
  setUpdatesEnabled(true);
  if (!isVisible()) fitToScreen();  // a size the user chose stays
  scrollToPresentYear();
}

void DetailsWindow::showHeading(const QString& heading) {
  heading_ = heading;
  headingLabel_->setText(heading);
}

void DetailsWindow::showBirthTime(const std::optional<BirthTimeDetails>& birthTime) {
  birthTime_.clear();
  if (!birthTime) {
    birthTimeLabel_->clear();
    return;
  }
  birthTime_ = {"前の節入り：" + birthTime->previousTerm, "次の節入り：" + birthTime->nextTerm, birthTime->summerTime};
  birthTimeLabel_->setText(QStringLiteral("前の節入り：") + QString::fromStdString(birthTime->previousTerm) +
                           QStringLiteral("\n次の節入り：") + QString::fromStdString(birthTime->nextTerm) +
                           QStringLiteral("\n") + QString::fromStdString(birthTime->summerTime));
}

namespace {

constexpr std::array<const char*, 8> kMonthlyColumns = {"節",
                                                        "開始（この出生地での切り替え）",
                                                        "暦の節入り（日本標準時）",
                                                        "干支",
                                                        "通変星",
                                                        "十二運",
                                                        "空亡",
                                                        "命式との合冲刑害"};
constexpr std::array<const char*, 7> kDailyColumns = {
    "日", "曜", "干支", "通変星", "十二運", "空亡", "命式との合冲刑害"};

QTableWidget* MakePeriodTable(QWidget* parent, const char* name, const auto& columns) {
  QTableWidget* table = MakeReadOnlyTable(parent, QString::fromUtf8(name), 0, static_cast<int>(columns.size()));
  table->setHorizontalHeaderLabels(Labels(columns));
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table->setMinimumHeight(220);
  return table;
}

QString MomentText(const ClockTime& t) {
  return QStringLiteral("%1月%2日%3時%4分%5秒").arg(t.month).arg(t.day).arg(t.hour).arg(t.minute).arg(t.second);
}

// The readings of a month or a day from column first on.
void FillReadings(QTableWidget& table, int row, int first, const PeriodPillar& p, const QFont& font) {
  const QString cells[] = {Text(p.stem) + Text(p.branch), Text(p.tenGod), Text(p.stage), VoidText(p.isVoid),
                           RelationsLine(p.relations)};
  for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
    QTableWidgetItem* item = TableCell(cells[c], font);
    if (c == 4) {
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      item->setToolTip(cells[c]);
    } else if (p.isVoid) {
      item->setBackground(kVoidBackground);
    }
    table.setItem(row, first + c, item);
  }
}

}  // namespace

QWidget* DetailsWindow::makeMonthlyPage() {
  auto* page = new QWidget(this);
  page->setFont(font());
  auto* layout = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  monthlyYear_ = new QSpinBox(page);
  monthlyYear_->setObjectName(QStringLiteral("spnMonthlyYear"));
  monthlyYear_->setRange(kFirstCalendarYear, kLastCalendarYear);
  monthlyYear_->setSuffix(QStringLiteral("年"));
  row->addWidget(monthlyYear_);
  row->addWidget(
      new QLabel(QStringLiteral("の節（小寒〜大雪）で始まる12か月。開始はこの出生地で月柱が変わる時刻"), page));
  row->addStretch();
  layout->addLayout(row);
  monthly_ = MakePeriodTable(page, "tblMonthly", kMonthlyColumns);
  layout->addWidget(monthly_, 1);
  connect(monthlyYear_, &QSpinBox::valueChanged, this, &DetailsWindow::monthlyYearRequested);
  return page;
}

QWidget* DetailsWindow::makeDailyPage() {
  auto* page = new QWidget(this);
  page->setFont(font());
  auto* layout = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  dailyYear_ = new QSpinBox(page);
  dailyYear_->setObjectName(QStringLiteral("spnDailyYear"));
  dailyYear_->setRange(kFirstCalendarYear, kLastCalendarYear);
  dailyYear_->setSuffix(QStringLiteral("年"));
  dailyMonth_ = new QComboBox(page);
  dailyMonth_->setObjectName(QStringLiteral("cmbDailyMonth"));
  for (int m = 1; m <= 12; ++m) dailyMonth_->addItem(QStringLiteral("%1月").arg(m));
  row->addWidget(dailyYear_);
  row->addWidget(dailyMonth_);
  row->addWidget(new QLabel(QStringLiteral("（日は午前0時に変わります）"), page));
  row->addStretch();
  layout->addLayout(row);
  daily_ = MakePeriodTable(page, "tblDaily", kDailyColumns);
  layout->addWidget(daily_, 1);
  const auto request = [this] { emit dailyMonthRequested(dailyYear_->value(), dailyMonth_->currentIndex() + 1); };
  connect(dailyYear_, &QSpinBox::valueChanged, this, request);
  connect(dailyMonth_, &QComboBox::activated, this, request);
  return page;
}

void DetailsWindow::showMonthly(int year, const std::vector<MonthlyLuck>& months) {
  details_.monthly = months;
  const QSignalBlocker block(monthlyYear_);
  monthlyYear_->setValue(year);
  fillMonthly();
}

void DetailsWindow::showDaily(int year, int month, const std::vector<DailyLuck>& days) {
  details_.daily = days;
  const QSignalBlocker blockYear(dailyYear_);
  const QSignalBlocker blockMonth(dailyMonth_);
  dailyYear_->setValue(year);
  dailyMonth_->setCurrentIndex(month - 1);
  fillDaily();
}

void DetailsWindow::fillMonthly() {
  monthly_->setRowCount(static_cast<int>(details_.monthly.size()));
  const QFont plain = LayoutFont(FontFace::Gothic, 11.25);
  for (int r = 0; r < monthly_->rowCount(); ++r) {
    const MonthlyLuck& m = details_.monthly[static_cast<std::size_t>(r)];
    monthly_->setItem(r, 0, TableCell(Text(m.term), plain));
    monthly_->setItem(r, 1, TableCell(MomentText(m.from), plain));
    monthly_->setItem(r, 2, TableCell(MomentText(m.almanac), plain));
    FillReadings(*monthly_, r, 3, m.reading, plain);
  }
}

void DetailsWindow::fillDaily() {
  daily_->setRowCount(static_cast<int>(details_.daily.size()));
  const QFont plain = LayoutFont(FontFace::Gothic, 11.25);
  for (int r = 0; r < daily_->rowCount(); ++r) {
    const DailyLuck& d = details_.daily[static_cast<std::size_t>(r)];
    daily_->setItem(r, 0, TableCell(QStringLiteral("%1日").arg(d.day.day), plain));
    daily_->setItem(r, 1, TableCell(Text(WeekdayNames[static_cast<std::size_t>(d.day.weekday)]), plain));
    FillReadings(*daily_, r, 2, d.reading, plain);
  }
}

void DetailsWindow::scrollToPresentYear() {
  annual_->doItemsLayout();  // the scroll range of the rows just filled
  for (int r = 0; r < annual_->rowCount(); ++r) {
    if (details_.currentYear == details_.annual[static_cast<std::size_t>(r)].year) {
      annual_->scrollToItem(annual_->item(r, 0), QAbstractItemView::PositionAtCenter);
      return;
    }
  }
}

void DetailsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  scrollToPresentYear();  // the list has its real height only now
}

void DetailsWindow::fillPillars() { FillPillarTable(*pillars_, details_); }

void DetailsWindow::fillRelations() {
  diagram_->setBalance(details_.balance);
  QStringList lines{QStringLiteral("命式の合冲刑害")};
  for (const Relation& r : details_.relations) lines << QString::fromStdString(NatalRelationText(details_, r));
  if (details_.relations.empty()) lines << Text(kNotVoidMark);
  relations_->setText(lines.join(QLatin1Char('\n')));
}

void DetailsWindow::fillLuck() {
  // Column 0 of the details on the right, as in the main window's strip.
  const int columns = static_cast<int>(details_.luck.size());
  for (int i = 0; i < columns; ++i) {
    const LuckColumnDetails& l = details_.luck[static_cast<std::size_t>(i)];
    const bool current = details_.currentLuckColumn == i;
    const QFont fixed = LayoutFont(FontFace::Gothic, 11.25, current);
    const QString cells[] = {AgeRange(l),        Text(l.stem) + Text(l.branch), Text(l.tenGod), Text(l.stage),
                             VoidText(l.isVoid), RelationsCell(l.relations)};
    for (int r = 0; r < static_cast<int>(std::size(cells)); ++r) {
      QFont font = fixed;
      if (r == 1) font = LayoutFont(FontFace::PGothic, 12, current);
      if (r == kLuckRelationRow) font = LayoutFont(FontFace::Gothic, 9, current);
      QTableWidgetItem* item = TableCell(cells[r], font);
      if (l.isVoid && (r == 1 || r == 4)) item->setBackground(kVoidBackground);
      if (r == kLuckRelationRow) item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      luck_->setItem(r, columns - 1 - i, item);
    }
  }
}

void DetailsWindow::fillAnnual() {
  annual_->setRowCount(static_cast<int>(details_.annual.size()));
  const QFont plain = LayoutFont(FontFace::Gothic, 11.25);
  const QFont bold = LayoutFont(FontFace::Gothic, 11.25, true);
  for (int r = 0; r < annual_->rowCount(); ++r) {
    const AnnualPillar& a = details_.annual[static_cast<std::size_t>(r)];
    const bool present = details_.currentYear == a.year;
    const QString cells[] = {QString::number(a.year),
                             a.age ? QStringLiteral("%1歳").arg(*a.age) : Text(kNotVoidMark),
                             Text(a.stem) + Text(a.branch),
                             Text(a.tenGod),
                             Text(a.stage),
                             VoidText(a.isVoid),
                             RelationsLine(a.relations)};
    for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
      QTableWidgetItem* item = TableCell(cells[c], present ? bold : plain);
      if (c == kAnnualRelationColumn) {
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setToolTip(cells[c]);  // a long line is cut at the column's edge
      }
      if (present) {
        item->setBackground(kPresentBackground);
      } else if (a.isVoid && c >= 2 && c <= 5) {
        item->setBackground(kVoidBackground);
      }
      annual_->setItem(r, c, item);
    }
  }
}

QString DetailsWindow::detailsText() const {
  QString text = QString::fromStdString(MakeDetailsText(details_, kCrLf));
  if (heading_.isEmpty()) return text;
  return heading_ + QStringLiteral("\r\n\r\n") + text;
}

void DetailsWindow::copyToClipboard() const { QApplication::clipboard()->setText(detailsText()); }

void DetailsWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("命式詳細の印刷"));
  if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

void DetailsWindow::printTo(QPrinter& printer) const {
  PrintDocumentOn(printer, [this](page::PaperSize paper) {
    return DetailsPrintDocument(details_, heading_.toStdString(), birthTime_, paper);
  });
}

}  // namespace mireto
