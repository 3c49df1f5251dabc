#include "app/font_check.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QRawFont>

#include "gui/message_box.h"

namespace mireto {

namespace {

// Characters of the windows' own captions: kana, kanji and full-width forms.
const QString kJapaneseSample = QStringLiteral("ミレト八字表示命式詳細ＭＳ");

// A real font's glyphs: with no Japanese font installed at all Qt still hands
// out a stand-in that claims every character and draws empty boxes (and must
// not be asked its name), so the font database must know some Japanese font.
bool HasGlyphs(const QRawFont& font, const QString& text) {
  if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty() || !font.isValid()) return false;
  for (const QChar c : text) {
    if (!font.supportsCharacter(c)) return false;
  }
  return true;
}

QString FaceName(FontFace face) { return face == FontFace::PGothic ? kPGothicFamily : kGothicFamily; }

}  // namespace

std::vector<ResolvedFace> ResolveLayoutFaces() {
  std::vector<ResolvedFace> faces;
  for (const FontFace face : {FontFace::Gothic, FontFace::PGothic}) {
    const QFont font = LayoutFont(face, 9);
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Japanese);
    faces.push_back({face, QFontInfo(font).family(), HasGlyphs(raw, kJapaneseSample)});
  }
  return faces;
}

QStringList MissingJapaneseFaces(const std::vector<ResolvedFace>& faces) {
  QStringList missing;
  for (const ResolvedFace& resolved : faces) {
    if (resolved.hasJapanese) continue;
    missing << QStringLiteral("%1（%2）")
                   .arg(FaceName(resolved.face), SubstitutesFor(resolved.face).join(QStringLiteral(" / ")));
  }
  return missing;
}

QString MissingFontsMessage(const QStringList& missingFaces) {
  return QStringLiteral(
             "日本語のフォントが見つからないため、文字が正しく表示されません。\n"
             "見つからないフォント：%1\n\n"
             "  sudo apt-get install fonts-ipafont\n\n"
             "IPA フォントを上のコマンドでインストールしてから、ミレトを起動し直してください。")
      .arg(missingFaces.join(QStringLiteral("、")));
}

bool CheckJapaneseFonts(QWidget* parent) {
  const QStringList missing = MissingJapaneseFaces(ResolveLayoutFaces());
  if (missing.isEmpty()) return true;
  // The platform's static box: the program's style keeps its button plain.
  QMessageBox::warning(parent, QStringLiteral("ミレト"), FinishedSentence(MissingFontsMessage(missing)));
  return false;
}

}  // namespace mireto
