// The window 相性: two people's charts side by side, each in the layout of
// 命式詳細's pillar table under the person's name and birth, and what stands
// between them in words (the relations of their pillars, the day stems' ten
// gods each way, each one's 空亡 on the other's branches), with buttons to
// copy it as text, print it on one page and close.
//
// The window shows the CompatSheet it is given and nothing else. It is
// modeless; Esc and 閉じる hide it.
#pragma once

#include <QDialog>
#include <QString>

#include "output/compat_text.h"

class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace mireto {

class CompatWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CompatWindow(QWidget* owner);

  void showSheet(const CompatSheet& sheet);
  const CompatSheet& sheet() const { return sheet_; }

  // The text of the sheet with CR LF line ends, as コピー puts it on the clipboard.
  QString compatText() const;
  void copyToClipboard() const;

  // 印刷…: the system print dialog, then the print-out on the printer chosen
  // (a PDF file is one of the dialog's choices).
  void print();
  // The print-out (compat_page.h) on the printer's paper: one page. False
  // when it could not be printed.
  bool printTo(QPrinter& printer) const;

  // The person's name and birth above each table, the tables, and the three
  // lists, for the tests and the screenshot tool.
  struct Side {
    QLabel* name = nullptr;
    QLabel* birth = nullptr;
    QTableWidget* pillars = nullptr;
  };
  const Side& side(Person person) const { return sides_[static_cast<std::size_t>(person)]; }
  QLabel* relations() const { return relations_; }
  QLabel* tenGods() const { return tenGods_; }
  QLabel* voidHits() const { return voidHits_; }
  QPushButton* copyButton() const { return copy_; }
  QPushButton* printButton() const { return print_; }
  QPushButton* closeButton() const { return close_; }

 private:
  CompatSheet sheet_;
  std::array<Side, 2> sides_;
  QLabel* relations_ = nullptr;
  QLabel* tenGods_ = nullptr;
  QLabel* voidHits_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace mireto
