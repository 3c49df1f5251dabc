#include "output/about_box.h"

#include <QMessageBox>

#include "output/about_text.h"
#include "output/notify_sound.h"

namespace mireto {

namespace {

// A message box breaks a line at LF only; a CR before it would show as an
// extra character or break. CR CR LF therefore becomes a line break plus an
// empty line, and CR LF a single break, as the text intends.
QString ForDisplay(QString text) {
  text.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n\n"));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

QString AboutText() {
  return QString::fromStdString(
      about_text(MIRETO_VERSION_MAJOR, MIRETO_VERSION_MINOR, MIRETO_VERSION_PATCH));
}

std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(QStringLiteral("バージョン情報"));
  box->setIcon(QMessageBox::NoIcon);
  box->setTextFormat(Qt::PlainText);
  box->setText(ForDisplay(AboutText()));
  box->setStandardButtons(QMessageBox::Ok);
  return box;
}

void ShowAboutBox(QWidget* parent) {
  MakeAboutBox(parent)->exec();
  PlayNotifySound();
}

}  // namespace mireto
