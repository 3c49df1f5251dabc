// Input quoted in a message: never more than a short excerpt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mireto::exchange {

// The most characters of any input a message quotes.
inline constexpr std::size_t kQuotedCharacters = 40;

// The first kQuotedCharacters characters of text (UTF-8 sequences, a cut never
// splits one; a stray byte counts as a character of its own), followed by "…"
// when there were more.
std::string Quote(std::string_view text);

}  // namespace mireto::exchange
