#include "app/font_check.h"

#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>
#include <algorithm>

#include "ui/fonts.h"

namespace mireto {

QStringList MissingJapaneseFaces(const QStringList& installedFamilies) {
  QStringList missing;
  for (const QString& face : {kGothicFamily, kPGothicFamily}) {
    const QStringList substitutes = QFont::substitutes(face);
    const bool installed = std::any_of(substitutes.begin(), substitutes.end(), [&](const QString& family) {
      return installedFamilies.contains(family, Qt::CaseInsensitive);
    });
    if (!installed) missing << QStringLiteral("%1（%2）").arg(face, substitutes.join(QStringLiteral(" / ")));
  }
  return missing;
}

QString MissingFontsMessage(const QStringList& missingFaces) {
  return QStringLiteral("日本語のフォントが見つからないため、文字が正しく表示されません。\n"
                        "見つからないフォント: %1\n\n"
                        "IPA フォントを次のコマンドでインストールしてから、ミレトを起動し直してください。\n"
                        "  sudo apt-get install fonts-ipafont")
      .arg(missingFaces.join(QStringLiteral("、")));
}

bool CheckJapaneseFonts(QWidget* parent) {
  const QStringList missing = MissingJapaneseFaces(QFontDatabase::families());
  if (missing.isEmpty()) return true;
  QMessageBox::warning(parent, QStringLiteral("ミレト"), MissingFontsMessage(missing));
  return false;
}

}  // namespace mireto
