#include "output_windows/pillar_table.h"

#include <QHeaderView>
#include <QTableWidget>
#include <array>

#include "gui/fonts.h"
#include "output/details_text.h"
#include "output/pillar_rows.h"
#include "output_windows/table_cells.h"

namespace mireto {

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

QTableWidget* MakePillarTable(QWidget* parent, const QString& objectName) {
  QTableWidget* table = MakeReadOnlyTable(parent, objectName, static_cast<int>(kPillarTableRows.size()) + 1,
                                          static_cast<int>(kPillarTableTitles.size()));
  QStringList columns;
  for (std::string_view t : kPillarTableTitles) columns << Text(t);
  table->setHorizontalHeaderLabels(columns);
  QStringList rows;
  for (const PillarRow& row : kPillarTableRows) rows << Text(row.label);
  rows << QStringLiteral("空亡");
  table->setVerticalHeaderLabels(rows);
  FitTableToContents(*table);
  return table;
}

void FillPillarTable(QTableWidget& table, const ChartDetails& details) {
  const QFont fixed = LayoutFont(FontFace::Gothic, 11.25);
  for (int c = 0; c < static_cast<int>(kPillarTableOrder.size()); ++c) {
    const PillarDetails& p = details.pillars[kPillarTableOrder[static_cast<std::size_t>(c)]];
    const bool isVoid = p.isVoid.value_or(false);
    for (int r = 0; r < static_cast<int>(kPillarTableRows.size()); ++r) {
      const PillarRow& row = kPillarTableRows[static_cast<std::size_t>(r)];
      QTableWidgetItem* item =
          TableCell(Text(p.*row.item),
                    LayoutFont(IsCharacterRow(row) ? FontFace::PGothic : FontFace::Gothic, 12, IsCharacterRow(row)));
      if (row.item == &PillarDetails::branch && isVoid) {
        item->setBackground(kVoidBackground);
        item->setToolTip(QStringLiteral("空亡"));
      }
      table.setItem(r, c, item);
    }
    const std::string_view mark = !p.isVoid ? kUnknownMark : isVoid ? kVoidMark : kNotVoidMark;
    QTableWidgetItem* cell = TableCell(Text(mark), fixed);
    if (isVoid) cell->setBackground(kVoidBackground);
    table.setItem(static_cast<int>(kPillarTableRows.size()), c, cell);
  }
}

}  // namespace mireto
