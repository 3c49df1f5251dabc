#include "output_windows/dialog_buttons.h"

#include <QBoxLayout>
#include <QPushButton>

namespace mireto {

CopyPrintClose AddCopyPrintCloseRow(QWidget* parent, QBoxLayout* layout) {
  CopyPrintClose row;
  row.copy = new QPushButton(QStringLiteral("コピー"), parent);
  row.copy->setObjectName(QStringLiteral("btnCopy"));
  row.print = new QPushButton(QStringLiteral("印刷…"), parent);
  row.print->setObjectName(QStringLiteral("btnPrint"));
  row.close = new QPushButton(QStringLiteral("閉じる"), parent);
  row.close->setObjectName(QStringLiteral("btnClose"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {row.copy, row.print, row.close}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  return row;
}

}  // namespace mireto
