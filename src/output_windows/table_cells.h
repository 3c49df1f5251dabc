// The read-only tables of the secondary windows: one way to make a table and
// its centred cells, shared by 命式詳細, 相性 and 万年暦.
#pragma once

#include <QFont>
#include <QString>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace mireto {

// A centred cell that can be neither selected nor edited.
QTableWidgetItem* TableCell(const QString& text, const QFont& font);

// An empty table named name: no editing, no selection, no focus, rows and
// columns sized to their contents.
QTableWidget* MakeReadOnlyTable(QWidget* parent, const QString& name, int rows, int columns);

// A table shown whole, without scroll bars, at the size of its contents.
void FitTableToContents(QTableWidget& table);

}  // namespace mireto
