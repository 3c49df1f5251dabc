// The program's message boxes: every text ends as a sentence does, its lines
// break between sentences and at readable places (never a lone character on
// a last line), and no button carries an icon.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace mireto {

// The text ending with "。" unless it already ends with "。", "？" or "！".
QString FinishedSentence(const QString& text);

// Width of a text in columns: 2 for a full-width character, 1 for the rest.
int TextColumns(const QString& text);

// The text broken into lines of at most maxColumns where it can be: each
// sentence on lines of its own, a long one split into lines of about equal
// width, preferably after "、" or "）" or before "（", never before closing
// punctuation or a small kana, never inside a word of Latin letters or digits.
// Line breaks already in the text stay.
QString BrokenLines(const QString& text, int maxColumns);

// FinishedSentence, then BrokenLines at the widest lines a box shows unwrapped
// on a screen of availableWidth pixels with the box's font of fontPixels.
QString MessageBoxText(const QString& text, int availableWidth, int fontPixels);

// Gives a box its caption "ミレト" (or title), its text prepared as above,
// and takes the icons off its buttons.
void PrepareMessageBox(QMessageBox& box, const QString& text, const QString& title = QStringLiteral("ミレト"));

// A box with OK; name is the box's object name (tests find it by name).
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& name = {});

// はい / いいえ; true for はい. defaultYes: which of them Return presses
// before the user moves the focus.
bool AskYesNo(QWidget* parent, const QString& question, bool defaultYes, const QString& name = {});

}  // namespace mireto
