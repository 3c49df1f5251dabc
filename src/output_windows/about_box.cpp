#include "output_windows/about_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui/version.h"
#include "gui/window_placement.h"
#include "output/about_text.h"
#include "output_windows/notify_sound.h"

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
  // Styles that decorate standard buttons would give OK a check-mark icon;
  // a platform message box has none.
  box->button(QMessageBox::Ok)->setIcon(QIcon());
  return box;
}

void ShowAboutBox(QWidget* parent) {
  const std::unique_ptr<QMessageBox> box = MakeAboutBox(parent);
  // Centred on the screen like every window, once the shown box has its size.
  QTimer::singleShot(0, box.get(), [shown = box.get()] { CentreOnScreen(*shown); });
  box->exec();
  PlayNotifySound();
}

}  // namespace mireto
