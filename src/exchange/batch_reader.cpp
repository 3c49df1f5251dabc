#include "exchange/batch_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "exchange/quote.h"

namespace mireto::exchange {

namespace {

constexpr std::string_view kNotAnObject = "JSON のオブジェクトとして読めません";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool InRange(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A cursor over the line with one routine per JSON production.
class Reader {
 public:
  explicit Reader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  bool tooDeep() const { return tooDeep_; }
  const char* Position() const { return p_; }
  bool AtEnd() const { return p_ == end_; }

  void SkipByteOrderMark() {
    if (std::string_view(p_, static_cast<std::size_t>(end_ - p_)).starts_with(kByteOrderMark)) {
      p_ += kByteOrderMark.size();
    }
  }

  void SkipBlanks() {
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r')) ++p_;
  }

  bool Take(char c) {
    if (p_ < end_ && *p_ == c) {
      ++p_;
      return true;
    }
    return false;
  }

  // A string after its opening quote. The text points into the line when it
  // holds no escape, else into storage.
  bool String(std::string_view& text, std::string& storage) {
    const char* start = p_;
    while (p_ < end_) {
      const auto c = static_cast<unsigned char>(*p_);
      if (c == '"') {
        text = std::string_view(start, static_cast<std::size_t>(p_ - start));
        ++p_;
        return true;
      }
      if (c == '\\') break;
      if (c < 0x20) return false;
      if (c < 0x80) {
        ++p_;
      } else if (!SkipUtf8Sequence()) {
        return false;
      }
    }
    if (p_ == end_) return false;
    storage.assign(start, p_);
    while (p_ < end_) {
      const auto c = static_cast<unsigned char>(*p_);
      if (c == '"') {
        ++p_;
        text = storage;
        return true;
      }
      if (c < 0x20) return false;
      if (c == '\\') {
        if (!Escape(storage)) return false;
      } else if (c < 0x80) {
        storage += static_cast<char>(c);
        ++p_;
      } else {
        const char* sequence = p_;
        if (!SkipUtf8Sequence()) return false;
        storage.append(sequence, p_);
      }
    }
    return false;
  }

  // Any value, checked and thrown away; depth is that of the enclosing container.
  bool SkipValue(int depth) {
    if (p_ == end_) return false;
    switch (*p_) {
      case '"': {
        ++p_;
        std::string_view ignored;
        return String(ignored, scratch_);
      }
      case '{':
      case '[': return SkipContainer(depth + 1);
      case 't': return Literal("true");
      case 'f': return Literal("false");
      case 'n': return Literal("null");
      default: return Number();
    }
  }

 private:
  // One UTF-8 sequence of two to four bytes (RFC 3629: no overlong forms, no
  // surrogates, nothing beyond U+10FFFF).
  bool SkipUtf8Sequence() {
    const auto at = [&](std::ptrdiff_t i) { return static_cast<unsigned char>(p_[i]); };
    const std::ptrdiff_t left = end_ - p_;
    const unsigned char c = at(0);
    std::ptrdiff_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (InRange(c, 0xC2, 0xDF)) {
      length = 2;
    } else if (InRange(c, 0xE0, 0xEF)) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (InRange(c, 0xF0, 0xF4)) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (left < length || !InRange(at(1), low, high)) return false;
    for (std::ptrdiff_t i = 2; i < length; ++i) {
      if (!InRange(at(i), 0x80, 0xBF)) return false;
    }
    p_ += length;
    return true;
  }

  std::optional<char32_t> Hex4() {
    if (end_ - p_ < 4) return std::nullopt;
    char32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const int digit = HexDigit(p_[i]);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<char32_t>(digit);
    }
    p_ += 4;
    return value;
  }

  // A backslash escape, decoded onto out.
  bool Escape(std::string& out) {
    ++p_;  // the backslash
    if (p_ == end_) return false;
    const char c = *p_++;
    switch (c) {
      case '"': out += '"'; return true;
      case '\\': out += '\\'; return true;
      case '/': out += '/'; return true;
      case 'b': out += '\b'; return true;
      case 'f': out += '\f'; return true;
      case 'n': out += '\n'; return true;
      case 'r': out += '\r'; return true;
      case 't': out += '\t'; return true;
      case 'u': break;
      default: return false;
    }
    auto code = Hex4();
    if (!code || (*code >= 0xDC00 && *code <= 0xDFFF)) return false;
    if (*code >= 0xD800 && *code <= 0xDBFF) {
      // A high surrogate must be followed by an escaped low one.
      if (!Take('\\') || !Take('u')) return false;
      const auto second = Hex4();
      if (!second || *second < 0xDC00 || *second > 0xDFFF) return false;
      *code = 0x10000 + ((*code - 0xD800) << 10) + (*second - 0xDC00);
    }
    AppendUtf8(out, *code);
    return true;
  }

  bool Literal(std::string_view word) {
    if (!std::string_view(p_, static_cast<std::size_t>(end_ - p_)).starts_with(word)) return false;
    p_ += word.size();
    return true;
  }

  bool Digits() {
    const char* start = p_;
    while (p_ < end_ && *p_ >= '0' && *p_ <= '9') ++p_;
    return p_ > start;
  }

  // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, refused when it overflows a double.
  bool Number() {
    const char* start = p_;
    Take('-');
    if (Take('0')) {
      if (p_ < end_ && *p_ >= '0' && *p_ <= '9') return false;
    } else if (!Digits()) {
      return false;
    }
    if (Take('.') && !Digits()) return false;
    if (Take('e') || Take('E')) {
      if (!Take('+')) Take('-');
      if (!Digits()) return false;
    }
    const std::string number(start, p_);
    return std::isfinite(std::strtod(number.c_str(), nullptr));
  }

  bool SkipContainer(int depth) {
    if (depth > kMaxNesting) {
      tooDeep_ = true;
      return false;
    }
    const bool isObject = *p_ == '{';
    const char close = isObject ? '}' : ']';
    ++p_;
    SkipBlanks();
    if (Take(close)) return true;
    for (;;) {
      if (isObject) {
        std::string_view key;
        if (!Take('"') || !String(key, scratch_)) return false;
        SkipBlanks();
        if (!Take(':')) return false;
        SkipBlanks();
      }
      if (!SkipValue(depth)) return false;
      SkipBlanks();
      if (Take(close)) return true;
      if (!Take(',')) return false;
      SkipBlanks();
    }
  }

  const char* p_;
  const char* end_;
  std::string scratch_;
  bool tooDeep_ = false;
};

std::optional<std::size_t> KeyIndex(std::span<const std::string_view> keys, std::string_view name) {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == name) return i;
  }
  return std::nullopt;
}

// Keeps the first message of each kind.
void Note(std::string& slot, std::string& first, const std::string& message) {
  if (slot.empty()) slot = message;
  if (first.empty()) first = message;
}

bool Refuse(std::string& error, const Reader& reader) {
  error =
      reader.tooDeep() ? "入れ子が深すぎます（" + std::to_string(kMaxNesting) + " 段まで）" : std::string(kNotAnObject);
  return false;
}

}  // namespace

bool ReadObjectMembers(std::string_view line, std::span<const std::string_view> keys, std::span<FieldState> state,
                       std::span<std::string_view> text, std::span<std::string> decoded, MemberProblems& problems,
                       std::string& error) {
  std::fill(state.begin(), state.end(), FieldState::Absent);
  problems = {};
  Reader reader(line);
  reader.SkipByteOrderMark();
  reader.SkipBlanks();
  if (!reader.Take('{')) return Refuse(error, reader);
  reader.SkipBlanks();
  std::string keyStorage;
  if (!reader.Take('}')) {
    for (;;) {
      std::string_view key;
      if (!reader.Take('"') || !reader.String(key, keyStorage)) return Refuse(error, reader);
      reader.SkipBlanks();
      if (!reader.Take(':')) return Refuse(error, reader);
      reader.SkipBlanks();
      const auto index = KeyIndex(keys, key);
      if (!index) {
        Note(problems.unknown, problems.first, "知らない項目です: \"" + Quote(key) + "\"");
      } else if (state[*index] != FieldState::Absent) {
        Note(problems.duplicate, problems.first, "項目 \"" + Quote(key) + "\" が2回あります");
      }
      if (index && state[*index] == FieldState::Absent && reader.Take('"')) {
        if (!reader.String(text[*index], decoded[*index])) return Refuse(error, reader);
        state[*index] = FieldState::String;
      } else {
        const char* value = reader.Position();
        if (!reader.SkipValue(1)) return Refuse(error, reader);
        if (index && state[*index] == FieldState::Absent) {
          state[*index] = FieldState::NotString;
          text[*index] = std::string_view(value, static_cast<std::size_t>(reader.Position() - value));
        }
      }
      reader.SkipBlanks();
      if (reader.Take('}')) break;
      if (!reader.Take(',')) return Refuse(error, reader);
      reader.SkipBlanks();
    }
  }
  reader.SkipBlanks();
  if (!reader.AtEnd()) {
    error = "オブジェクトの後ろに余分な文字があります";
    return false;
  }
  return true;
}

bool ReadBatchObject(std::string_view line, BatchObject& object, std::string& error) {
  MemberProblems problems;
  if (!ReadObjectMembers(line, kBatchKeyNames, object, problems, error)) return false;
  if (!problems.first.empty()) {
    error = std::move(problems.first);
    return false;
  }
  return true;
}

}  // namespace mireto::exchange
