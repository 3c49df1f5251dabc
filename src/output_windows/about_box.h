// The About box: product title and version, notice and contact lines, then a
// short notification sound once the box has been closed.
#pragma once

#include <memory>

#include <QString>

class QMessageBox;
class QWidget;

namespace mireto {

// The About text with this program's version.
QString AboutText();

// The message box titled "バージョン情報" with one OK button and no icon.
std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* parent);

// Shows the box modally and, after the user has closed it, plays the
// notification sound; returns when the sound has ended (or failed).
void ShowAboutBox(QWidget* parent);

}  // namespace mireto
