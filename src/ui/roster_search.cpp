#include "ui/roster_search.h"

#include <QList>
#include <algorithm>
#include <array>
#include <string>

namespace mireto {

namespace {

struct Variant {
  char32_t variant;
  char32_t usual;
};

// Variant forms of kanji common in family names, one row each, sorted by the
// variant so that it can be searched.
// clang-format off
constexpr auto kVariants = std::to_array<Variant>({
    {U'冨', U'富'},
    {U'國', U'国'},
    {U'嶋', U'島'},
    {U'嶌', U'島'},
    {U'廣', U'広'},
    {U'斉', U'斎'},
    {U'栁', U'柳'},
    {U'櫻', U'桜'},
    {U'澤', U'沢'},
    {U'濱', U'浜'},
    {U'濵', U'浜'},
    {U'眞', U'真'},
    {U'邉', U'辺'},
    {U'邊', U'辺'},
    {U'髙', U'高'},
    {U'齊', U'斎'},
    {U'齋', U'斎'},
    {U'﨑', U'崎'},
    {U'𠮷', U'吉'},
});
// clang-format on

static_assert(std::is_sorted(kVariants.begin(), kVariants.end(),
                             [](const Variant& a, const Variant& b) { return a.variant < b.variant; }));

char32_t Usual(char32_t c) {
  const auto* const it = std::lower_bound(kVariants.begin(), kVariants.end(), c,
                                          [](const Variant& row, char32_t value) { return row.variant < value; });
  return it != kVariants.end() && it->variant == c ? it->usual : c;
}

// Katakana ァ to ヶ and the iteration marks ヽヾ as their hiragana.
char32_t Hiragana(char32_t c) {
  if ((c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE) return c - 0x60;
  return c;
}

bool IsSpaceLike(char32_t c) { return QChar::isSpace(c) || c == 0x200B || c == 0x2060 || c == 0xFEFF; }

// Characters NFKC leaves as they are and case folding does not touch: most
// of a Japanese name or note. A text of these alone skips the normalisation.
bool IsStable(char16_t c) {
  return (c >= 0x20 && c < 0x7F && !(c >= u'A' && c <= u'Z')) || c == 0x3000 || c == 0x3001 || c == 0x3002 ||
         (c >= 0x300C && c <= 0x300F) || (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA) || c == 0x30FC ||
         (c >= 0x4E00 && c <= 0x9FFF);
}

}  // namespace

QString FoldForSearch(const QString& text) {
  // ASCII without spaces needs only its case folded.
  bool plain = true;
  for (const QChar c : text) {
    if (c.unicode() >= 0x80 || c.isSpace()) {
      plain = false;
      break;
    }
  }
  if (plain) return text.toCaseFolded();
  if (std::all_of(text.begin(), text.end(), [](QChar c) { return IsStable(c.unicode()); })) {
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
      if (c.unicode() == 0x3000 || c.unicode() == u' ') continue;
      folded += QChar(static_cast<char16_t>(Hiragana(Usual(c.unicode()))));
    }
    return folded;
  }
  const QString normal = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
  std::u32string folded;
  folded.reserve(normal.size());
  for (const char32_t c : normal.toUcs4()) {
    if (!IsSpaceLike(c)) folded.push_back(Hiragana(Usual(c)));
  }
  return QString::fromStdU32String(folded);
}

QString NameSortText(const QString& name, const QString& reading) {
  const QString trimmed = reading.trimmed();
  if (trimmed.isEmpty()) return name;
  std::u32string hiragana;
  for (const char32_t c : trimmed.normalized(QString::NormalizationForm_KC).toUcs4()) hiragana.push_back(Hiragana(c));
  return QString::fromStdU32String(hiragana);
}

}  // namespace mireto
