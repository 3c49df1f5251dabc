#include "exchange/quote.h"

namespace mireto::exchange {

namespace {

// How many continuation bytes may follow a byte that starts a character.
int ContinuationBytes(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) return 3;
  if (lead >= 0xE0) return lead <= 0xEF ? 2 : 0;
  if (lead >= 0xC0) return 1;
  return 0;
}

}  // namespace

std::string Quote(std::string_view text) {
  std::size_t characters = 0;
  int allowed = 0;  // continuation bytes the current character may still take
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80 && allowed > 0) {
      --allowed;
      continue;
    }
    // A new character (a stray continuation byte counts as one of its own).
    if (characters == kQuotedCharacters) return std::string(text.substr(0, i)) + "…";
    ++characters;
    allowed = ContinuationBytes(byte);
  }
  return std::string(text);
}

}  // namespace mireto::exchange
