// A strict reader for one line of mireto-chart --batch: a flat JSON object
// (RFC 8259) whose members are the birth's fields, each a string.
//
// The whole line is checked as JSON first (any syntax error, a value nested
// deeper than kMaxNesting, or bytes after the object refuse the line), then
// its members: every key must be one of the batch keys and appear once. The
// values are decoded (escapes, surrogate pairs) and checked to be UTF-8.
// A UTF-8 byte order mark before the object is skipped.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace mireto::cli {

// The keys of a batch line, in the order their checks run.
enum class BatchKey { Date, Hour, Minute, Sex, JisaMinutes, JisaSeconds, Now };

struct BatchKeyName {
  BatchKey key;
  std::string_view name;
};

inline constexpr std::array kBatchKeys = {
    BatchKeyName{BatchKey::Date, "date"},
    BatchKeyName{BatchKey::Hour, "hour"},
    BatchKeyName{BatchKey::Minute, "minute"},
    BatchKeyName{BatchKey::Sex, "sex"},
    BatchKeyName{BatchKey::JisaMinutes, "jisaMinutes"},
    BatchKeyName{BatchKey::JisaSeconds, "jisaSeconds"},
    BatchKeyName{BatchKey::Now, "now"},
};
inline constexpr std::size_t kBatchKeyCount = kBatchKeys.size();

// The names alone, as messages give them.
using BatchKeyNames = std::array<std::string_view, kBatchKeyCount>;
inline constexpr BatchKeyNames kBatchKeyNames = [] {
  BatchKeyNames names;
  for (std::size_t i = 0; i < kBatchKeyCount; ++i) names[i] = kBatchKeys[i].name;
  return names;
}();

// How deep arrays and objects may nest inside a line (the line's object is 1).
inline constexpr int kMaxNesting = 32;

enum class FieldState { Absent, String, NotString };

// The members of one line. Reused from line to line: the texts point into the
// line or into the object's own storage, valid until the next read.
struct BatchObject {
  std::array<FieldState, kBatchKeyCount> state{};
  std::array<std::string_view, kBatchKeyCount> text{};  // FieldState::String only
  std::array<std::string, kBatchKeyCount> decoded;      // storage for texts with escapes

  FieldState State(BatchKey key) const { return state[static_cast<std::size_t>(key)]; }
  std::string_view Text(BatchKey key) const { return text[static_cast<std::size_t>(key)]; }
};

// Reads one line into object. On failure returns false with a Japanese message.
bool ReadBatchObject(std::string_view line, BatchObject& object, std::string& error);

// The same reading over another set of keys, for lines that carry more than
// one birth: member i of each span is that of names[i] (every span as long as
// names). ReadBatchObject is this over the names of kBatchKeys.
struct StringMembers {
  std::span<FieldState> state;
  std::span<std::string_view> text;
  std::span<std::string> decoded;
};
bool ReadStringMembers(std::string_view line, std::span<const std::string_view> names, StringMembers members,
                       std::string& error);

}  // namespace mireto::cli
