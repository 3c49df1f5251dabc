#include "output/about_box.h"

#include <QMessageBox>

#include "gui/version.h"
#include "output/about_text.h"
#include "output/notify_sound.h"

namespace mireto {

QString AboutText() {
  const ProgramVersion v = Version();
  return QString::fromStdString(AboutText(v.major, v.minor, v.patch));
}

std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(QStringLiteral("バージョン情報"));
  box->setIcon(QMessageBox::NoIcon);
  // Shown as built: a plain-text label breaks the line at a lone CR as at
  // CR LF, so CR CR LF shows a line break and an empty line.
  box->setTextFormat(Qt::PlainText);
  box->setText(AboutText());
  box->setStandardButtons(QMessageBox::Ok);
  return box;
}

void ShowAboutBox(QWidget* parent) {
  MakeAboutBox(parent)->exec();
  PlayNotifySound();
}

}  // namespace mireto
