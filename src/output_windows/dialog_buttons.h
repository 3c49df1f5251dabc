// The button row at the foot of 命式詳細, 相性 and 万年暦: コピー, 印刷… and
// 閉じる at the right, none pressed by Return.
#pragma once

class QBoxLayout;
class QPushButton;
class QWidget;

namespace mireto {

struct CopyPrintClose {
  QPushButton* copy = nullptr;   // btnCopy
  QPushButton* print = nullptr;  // btnPrint
  QPushButton* close = nullptr;  // btnClose
};

// Adds the row to layout; the buttons are children of parent.
CopyPrintClose AddCopyPrintCloseRow(QWidget* parent, QBoxLayout* layout);

}  // namespace mireto
