// The start-up check that Japanese fonts are installed.
//
// The layout's two faces (ＭＳ ゴシック, ＭＳ Ｐゴシック) are mapped to installed
// fonts by InstallFontSubstitutions. When no font of a face's mapping is
// installed every Japanese text shows as empty boxes, so the program tells the
// user how to install them; the command in the message is plain ASCII and
// stays readable even then.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace mireto {

// The layout faces none of whose substitutes is among installedFamilies.
// Call after InstallFontSubstitutions.
QStringList MissingJapaneseFaces(const QStringList& installedFamilies);

// The message for the faces MissingJapaneseFaces reported.
QString MissingFontsMessage(const QStringList& missingFaces);

// Checks the font database; when a face has no installed font, shows the
// message in a warning box titled ミレト. Returns true when all are present.
bool CheckJapaneseFonts(QWidget* parent = nullptr);

}  // namespace mireto
