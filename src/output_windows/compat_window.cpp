#include "output_windows/compat_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/fonts.h"
#include "output/compat_page.h"
#include "output_windows/dialog_buttons.h"
#include "output_windows/pillar_table.h"
#include "print/print_dialogs.h"

namespace mireto {

namespace {

constexpr std::array<const char*, 2> kSideNames = {"A", "B"};

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLabel* ListLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* Title(QWidget* parent, const char* text) {
  auto* title = new QLabel(QString::fromUtf8(text), parent);
  title->setFont(LayoutFont(FontFace::Gothic, 11.25, true));
  return title;
}

QString Lines(const auto& lines) {
  QStringList list;
  for (const std::string& l : lines) list << Q(l);
  return list.join(QLatin1Char('\n'));
}

}  // namespace

CompatWindow::CompatWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmcompat"));
  setWindowTitle(QStringLiteral("相性"));
  setModal(false);
  setFont(LayoutFont(FontFace::Gothic, 9.75));

  auto* layout = new QVBoxLayout(this);
  auto* charts = new QGridLayout;
  charts->setHorizontalSpacing(24);
  for (int i = 0; i < 2; ++i) {
    Side& side = sides_[static_cast<std::size_t>(i)];
    const QString letter = QString::fromUtf8(kSideNames[static_cast<std::size_t>(i)]);
    side.name = new QLabel(this);
    side.name->setObjectName(QStringLiteral("lblName") + letter);
    side.name->setFont(LayoutFont(FontFace::PGothic, 12, true));
    side.name->setTextFormat(Qt::PlainText);
    side.birth = new QLabel(this);
    side.birth->setObjectName(QStringLiteral("lblBirth") + letter);
    side.birth->setTextFormat(Qt::PlainText);
    side.pillars = MakePillarTable(this, QStringLiteral("tblPillars") + letter);
    charts->addWidget(side.name, 0, i);
    charts->addWidget(side.birth, 1, i);
    charts->addWidget(side.pillars, 2, i, Qt::AlignLeft | Qt::AlignTop);
  }
  layout->addLayout(charts);

  layout->addWidget(Title(this, "2人の柱の合冲刑害"));
  relations_ = ListLabel(this, "lblRelations");
  layout->addWidget(relations_);
  layout->addWidget(Title(this, "日干の通変星"));
  tenGods_ = ListLabel(this, "lblTenGods");
  layout->addWidget(tenGods_);
  layout->addWidget(Title(this, "空亡"));
  voidHits_ = ListLabel(this, "lblVoidHits");
  layout->addWidget(voidHits_);
  layout->addStretch(1);

  const CopyPrintClose buttons = AddCopyPrintCloseRow(this, layout);
  copy_ = buttons.copy;
  print_ = buttons.print;
  close_ = buttons.close;

  connect(copy_, &QPushButton::clicked, this, &CompatWindow::copyToClipboard);
  connect(print_, &QPushButton::clicked, this, &CompatWindow::print);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void CompatWindow::showSheet(const CompatSheet& sheet) {
  sheet_ = sheet;
  const auto labels = PersonLabels(sheet_);
  for (std::size_t i = 0; i < sides_.size(); ++i) {
    const CompatPerson& person = sheet_.people[i];
    const Side& side = sides_[i];
    QString name = QString::fromUtf8(kSideNames[i]);
    if (!person.name.empty()) name += QStringLiteral("　") + Q(person.name);
    side.name->setText(name);
    side.birth->setText(Q(person.birth) + QStringLiteral("\n空亡（天中殺）：") +
                        QString::fromUtf8(person.details.voidBranches.names.data(),
                                          static_cast<qsizetype>(person.details.voidBranches.names.size())));
    FillPillarTable(*side.pillars, person.details);
  }
  relations_->setText(Lines(CompatRelationLines(sheet_)));
  tenGods_->setText(Lines(TenGodLines(sheet_)));
  voidHits_->setText(Lines(VoidHitLines(sheet_)));
  if (!isVisible()) adjustSize();
}

QString CompatWindow::compatText() const { return Q(MakeCompatText(sheet_, "\r\n")); }

void CompatWindow::copyToClipboard() const { QApplication::clipboard()->setText(compatText()); }

void CompatWindow::print() {
  const CompatSheet sheet = sheet_;
  PrintWithDialog(this, QStringLiteral("相性の印刷"),
                  [sheet](page::PaperSize paper) { return CompatDocument(sheet, paper); });
}

bool CompatWindow::printTo(QPrinter& printer) const {
  const CompatSheet sheet = sheet_;
  return PrintDocumentOn(printer, [sheet](page::PaperSize paper) { return CompatDocument(sheet, paper); });
}

}  // namespace mireto
