#include "gui/message_box.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace mireto {

namespace {

bool EndsSentence(QChar c) { return c == u'。' || c == u'？' || c == u'！'; }

// Characters a line never starts with: closing punctuation, the long vowel
// mark and small kana.
bool NoLineStart(QChar c) {
  static const QString kClosing =
      QStringLiteral("。、，．）」』】？！ー・：ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮ)]");
  return kClosing.contains(c);
}

// Characters a line never ends with: opening brackets.
bool NoLineEnd(QChar c) {
  static const QString kOpening = QStringLiteral("（「『【([");
  return kOpening.contains(c);
}

bool LatinWordChar(QChar c) {
  return c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'/' || c == u'_');
}

int Columns(QChar c) {
  const char16_t u = c.unicode();
  const bool halfWidthKana = u >= 0xFF61 && u <= 0xFF9F;
  return u >= 0x2E80 && !halfWidthKana ? 2 : 1;
}

// Whether a line may break before position p (0 < p < size).
bool MayBreakBefore(const QString& s, int p) {
  return !NoLineStart(s[p]) && !NoLineEnd(s[p - 1]) && !(LatinWordChar(s[p - 1]) && LatinWordChar(s[p]));
}

bool PreferredBreakBefore(const QString& s, int p) { return s[p - 1] == u'、' || s[p - 1] == u'）' || s[p] == u'（'; }

// A line's sentences, each with the closing brackets that follow its end.
QStringList Sentences(const QString& line) {
  QStringList sentences;
  int start = 0;
  for (int i = 0; i < line.size(); ++i) {
    if (!EndsSentence(line[i])) continue;
    int end = i + 1;
    while (end < line.size() && NoLineStart(line[end])) ++end;
    sentences << line.mid(start, end - start);
    start = end;
    i = end - 1;
  }
  if (start < line.size()) sentences << line.mid(start);
  return sentences;
}

// One sentence on as few lines of at most maxColumns as it needs, of about
// equal width.
QStringList BreakSentence(const QString& s, int maxColumns) {
  const int total = TextColumns(s);
  if (total <= maxColumns || s.size() < 2) return {s};
  std::vector<int> column(static_cast<std::size_t>(s.size()) + 1, 0);
  for (int i = 0; i < s.size(); ++i) column[i + 1] = column[i] + Columns(s[i]);
  const int count = (total + maxColumns - 1) / maxColumns;
  const int slack = maxColumns / 4;
  QStringList lines;
  int start = 0;
  for (int line = 1; line < count; ++line) {
    const int linesLeft = count - line + 1;
    const int ideal = column[start] + (total - column[start]) / linesLeft;
    int best = -1;
    int bestScore = 0;
    for (int p = start + 1; p < s.size(); ++p) {
      if (column[p] - column[start] > maxColumns) break;
      if (total - column[p] > maxColumns * (linesLeft - 1)) continue;  // the rest would not fit
      if (!MayBreakBefore(s, p)) continue;
      int score = std::abs(column[p] - ideal);
      if (PreferredBreakBefore(s, p) && score <= slack) score -= slack;
      if (best < 0 || score < bestScore) {
        best = p;
        bestScore = score;
      }
    }
    if (best < 0) break;  // no place to break: the box wraps it
    lines << s.mid(start, best - start);
    start = best;
  }
  lines << s.mid(start);
  return lines;
}

QScreen* ScreenOf(const QWidget* widget) {
  if (widget != nullptr && widget->screen() != nullptr) return widget->screen();
  return QGuiApplication::primaryScreen();
}

}  // namespace

QString FinishedSentence(const QString& text) {
  if (text.isEmpty() || EndsSentence(text.back())) return text;
  return text + u'。';
}

int TextColumns(const QString& text) {
  int columns = 0;
  for (const QChar c : text) columns += Columns(c);
  return columns;
}

QString BrokenLines(const QString& text, int maxColumns) {
  QStringList out;
  for (const QString& line : text.split(u'\n')) {
    if (line.isEmpty()) {
      out << line;
      continue;
    }
    for (const QString& sentence : Sentences(line)) out << BreakSentence(sentence, maxColumns);
  }
  return out.join(u'\n');
}

QString MessageBoxText(const QString& text, int availableWidth, int fontPixels) {
  // A message box wraps its text itself once it grows past half the screen
  // (at most 500 pixels); its icon and margins take about 110 of those.
  constexpr int kBoxChrome = 110;
  const int boxWidth = std::min(availableWidth / 2, 500) - kBoxChrome;
  const int columns = std::clamp(2 * boxWidth / std::max(fontPixels, 1), 24, 60);
  return BrokenLines(FinishedSentence(text), columns);
}

void PrepareMessageBox(QMessageBox& box, const QString& text, const QString& title) {
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  const QScreen* screen = ScreenOf(box.parentWidget());
  const int available = screen != nullptr ? screen->availableGeometry().width() : 1024;
  box.setText(MessageBoxText(text, available, QFontMetrics(box.font()).horizontalAdvance(u'あ')));
  // Styles that decorate standard buttons would give OK a check mark, はい
  // and いいえ their own icons; a plain box has none.
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& name) {
  QMessageBox box(parent);
  if (!name.isEmpty()) box.setObjectName(name);
  box.setIcon(icon);
  box.setStandardButtons(QMessageBox::Ok);
  PrepareMessageBox(box, text);
  box.exec();
}

bool AskYesNo(QWidget* parent, const QString& question, bool defaultYes, const QString& name) {
  QMessageBox box(parent);
  if (!name.isEmpty()) box.setObjectName(name);
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
  box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  PrepareMessageBox(box, question);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace mireto
