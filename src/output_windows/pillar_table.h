// The pillar table of 命式詳細 as a widget of its own: 時柱 日柱 月柱 年柱
// from right to left, the rows 通変星 天干 地支 蔵干 蔵干通変星 十二運 納音 and
// 空亡, a branch in 空亡 shaded.
#pragma once

#include <QColor>

#include "chart/chart_details.h"

class QTableWidget;
class QWidget;

namespace mireto {

// Background of a branch in 空亡.
inline const QColor kVoidBackground{0xF6, 0xD5, 0xD1};

// An empty table named objectName, sized to its contents once filled.
QTableWidget* MakePillarTable(QWidget* parent, const QString& objectName);

// Fills the table with the pillars of details.
void FillPillarTable(QTableWidget& table, const ChartDetails& details);

}  // namespace mireto
