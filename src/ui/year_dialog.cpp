#include "ui/year_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <string>

#include "core/numeric.h"
#include "ui/year_layout.h"

namespace mireto {

namespace yl = year_layout;

// A dialog owned by the main window: the window manager keeps it above its
// owner and gives it no minimize, maximize or close button.
YearDialog::YearDialog(std::optional<int> year, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowModality(Qt::WindowModal);
  setObjectName(QString::fromUtf8(yl::kWindowName));
  setWindowTitle(QString::fromUtf8(yl::kCaption));
  setFixedSize(ToPixels(yl::kClientWidth, yl::kClientHeight));
  setFont(FontFor(FontRole::Default));
  buildControls();
  showCentury(yl::kInitialCentury);
  yearLabel_->setText(year ? QString::number(*year) : QString());
}

void YearDialog::buildControls() {
  QWidget* previous = nullptr;
  for (int i = 0; i < static_cast<int>(std::size(yl::kCenturies)); ++i) {
    const auto& row = yl::kCenturies[i];
    auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
    button->setObjectName(QString::fromUtf8(row.name));
    button->setGeometry(ToPixels(row.rect));
    button->setAutoDefault(true);  // Return presses the focused button
    connect(button, &QPushButton::clicked, this, [this, i] { showCentury(i); });
    centuryButtons_[i] = button;
  }
  decideButton_ = new QPushButton(QString::fromUtf8(yl::kDecideCaption), this);
  decideButton_->setObjectName(QString::fromUtf8(yl::kDecideName));
  decideButton_->setGeometry(ToPixels(yl::kDecideRect));
  decideButton_->setAutoDefault(true);
  connect(decideButton_, &QPushButton::clicked, this, &YearDialog::decide);

  yearLabel_ = new QLabel(this);
  yearLabel_->setObjectName(QString::fromUtf8(yl::kYearLabelName));
  yearLabel_->setGeometry(ToPixels(yl::kYearLabelRect));
  yearLabel_->setAlignment(Qt::AlignCenter);
  yearLabel_->setFont(FontFor(yl::kLabelFont));
  yearLabel_->setFrameShape(QFrame::Box);
  yearLabel_->setLineWidth(1);
  yearLabel_->setAutoFillBackground(true);
  QPalette white = yearLabel_->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  yearLabel_->setPalette(white);

  auto* suffix = new QLabel(QString::fromUtf8(yl::kYearSuffixCaption), this);
  suffix->setObjectName(QString::fromUtf8(yl::kYearSuffixName));
  suffix->setGeometry(ToPixels(yl::kYearSuffixRect));
  suffix->setFont(FontFor(yl::kLabelFont));
  suffix->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  list_ = new QListWidget(this);
  list_->setObjectName(QString::fromUtf8(yl::kListName));
  list_->setGeometry(ToPixels(yl::kListRect));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setFlow(QListView::TopToBottom);
  list_->setWrapping(true);
  list_->setResizeMode(QListView::Adjust);
  list_->setUniformItemSizes(true);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { yearLabel_->setText(item->text()); });
  // Keyboard moves select a year as a click does. Focus alone chooses nothing:
  // tabbing into the list makes its first year current without selecting it.
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    if (!chosen.isEmpty() && list_->hasFocus()) yearLabel_->setText(chosen.front()->text());
  });
  layOutColumns();

  for (const yl::TabStop stop : yl::kTabOrder) {
    QWidget* widget = tabStop(stop);
    if (previous != nullptr) setTabOrder(previous, widget);
    if (previous == nullptr) firstStop_ = widget;
    previous = widget;
  }
}

QWidget* YearDialog::tabStop(year_layout::TabStop stop) const {
  switch (stop) {
    case yl::TabStop::List: return list_;
    case yl::TabStop::Decide: return decideButton_;
    case yl::TabStop::Century1800:
    case yl::TabStop::Century1900:
    case yl::TabStop::Century2000: break;
  }
  return centuryButtons_[static_cast<int>(stop) - static_cast<int>(yl::TabStop::Century1800)];
}

void YearDialog::focusFirstStop() {
  if (firstStop_ != nullptr) firstStop_->setFocus(Qt::TabFocusReason);
}

// Three columns across the list's width; the items flow top to bottom and
// wrap into further columns reached by the horizontal scroll bar.
void YearDialog::layOutColumns() {
  const int viewportWidth = list_->width() - 2 * list_->frameWidth();
  const int rowHeight = list_->fontMetrics().height() + 2;
  list_->setGridSize(QSize(viewportWidth / yl::kListColumns, rowHeight));
}

void YearDialog::showCentury(int centuryIndex) {
  const auto& row = yl::kCenturies[centuryIndex];
  list_->clear();
  for (int year = row.first; year <= row.last; ++year) list_->addItem(QString::number(year));
  // The century is shown from its first year, whatever was scrolled before.
  list_->horizontalScrollBar()->setValue(list_->horizontalScrollBar()->minimum());
  list_->verticalScrollBar()->setValue(list_->verticalScrollBar()->minimum());
}

bool YearDialog::chooseYear(int year) {
  for (int i = 0; i < static_cast<int>(std::size(yl::kCenturies)); ++i) {
    if (year < yl::kCenturies[i].first || year > yl::kCenturies[i].last) continue;
    showCentury(i);
    QListWidgetItem* item = list_->item(year - yl::kCenturies[i].first);
    list_->setCurrentItem(item);
    yearLabel_->setText(item->text());
    return true;
  }
  return false;
}

void YearDialog::decide() {
  emit confirmPressed();
  const QString text = yearLabel_->text();
  if (text.isEmpty()) return;
  const int year = static_cast<int>(LeadingNumber(text.toStdString()));
  hide();
  emit yearDecided(year);
}

void YearDialog::closeEvent(QCloseEvent* event) {
  if (closeAllowed_) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace mireto
