#include "output_windows/pillar_table.h"

#include <QHeaderView>
#include <QTableWidget>
#include <array>

#include "gui/fonts.h"
#include "output/details_text.h"

namespace mireto {

namespace {

constexpr std::array<Pillar, 4> kColumnPillars = {Pillar::Hour, Pillar::Day, Pillar::Month, Pillar::Year};
constexpr std::array<const char*, 4> kColumnTitles = {"時柱", "日柱", "月柱", "年柱"};

using Item = std::string_view PillarDetails::*;

struct PillarRow {
  const char* label;
  Item item;
  FontFace font;
  bool bold;
};

constexpr auto kPillarRows = std::to_array<PillarRow>({
    {"通変星", &PillarDetails::tenGod, FontFace::Gothic, false},
    {"天干", &PillarDetails::stem, FontFace::PGothic, true},
    {"地支", &PillarDetails::branch, FontFace::PGothic, true},
    {"蔵干", &PillarDetails::hiddenStem, FontFace::Gothic, false},
    {"蔵干通変星", &PillarDetails::hiddenTenGod, FontFace::Gothic, false},
    {"十二運", &PillarDetails::stage, FontFace::Gothic, false},
    {"納音", &PillarDetails::nayin, FontFace::Gothic, false},
});

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QTableWidgetItem* Cell(const QString& text, const QFont& font) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  item->setFont(font);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

QTableWidget* MakePillarTable(QWidget* parent, const QString& objectName) {
  auto* table = new QTableWidget(static_cast<int>(kPillarRows.size()) + 1, static_cast<int>(kColumnTitles.size()),
                                 parent);
  table->setObjectName(objectName);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  QStringList columns;
  for (const char* t : kColumnTitles) columns << QString::fromUtf8(t);
  table->setHorizontalHeaderLabels(columns);
  QStringList rows;
  for (const PillarRow& row : kPillarRows) rows << QString::fromUtf8(row.label);
  rows << QStringLiteral("空亡");
  table->setVerticalHeaderLabels(rows);
  // Shown whole, without scroll bars.
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return table;
}

void FillPillarTable(QTableWidget& table, const ChartDetails& details) {
  const QFont fixed = LayoutFont(FontFace::Gothic, 11.25);
  for (int c = 0; c < static_cast<int>(kColumnPillars.size()); ++c) {
    const PillarDetails& p = details.pillars[kColumnPillars[static_cast<std::size_t>(c)]];
    const bool isVoid = p.isVoid.value_or(false);
    for (int r = 0; r < static_cast<int>(kPillarRows.size()); ++r) {
      const PillarRow& row = kPillarRows[static_cast<std::size_t>(r)];
      QTableWidgetItem* item = Cell(Text(p.*row.item), LayoutFont(row.font, 12, row.bold));
      if (row.item == &PillarDetails::branch && isVoid) {
        item->setBackground(kVoidBackground);
        item->setToolTip(QStringLiteral("空亡"));
      }
      table.setItem(r, c, item);
    }
    const std::string_view mark = !p.isVoid ? kUnknownMark : isVoid ? kVoidMark : kNotVoidMark;
    QTableWidgetItem* cell = Cell(Text(mark), fixed);
    if (isVoid) cell->setBackground(kVoidBackground);
    table.setItem(static_cast<int>(kPillarRows.size()), c, cell);
  }
}

}  // namespace mireto
