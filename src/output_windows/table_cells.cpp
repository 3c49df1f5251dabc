#include "output_windows/table_cells.h"

#include <QHeaderView>
#include <QTableWidget>

namespace mireto {

QTableWidgetItem* TableCell(const QString& text, const QFont& font) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  item->setFont(font);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

QTableWidget* MakeReadOnlyTable(QWidget* parent, const QString& name, int rows, int columns) {
  auto* table = new QTableWidget(rows, columns, parent);
  table->setObjectName(name);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

void FitTableToContents(QTableWidget& table) {
  table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

}  // namespace mireto
