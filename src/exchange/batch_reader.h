// A strict reader for one JSON Lines line of births: a flat JSON object
// (RFC 8259) whose members are named by a table of keys. mireto-chart --batch
// reads its lines with the batch keys, the roster import with the batch keys
// and the entry's own.
//
// The whole line is checked as JSON first (any syntax error, a value nested
// deeper than kMaxNesting, or bytes after the object refuse the line), then
// its members: every key must be one of the table's and appear once. The
// values are decoded (escapes, surrogate pairs) and checked to be UTF-8.
// A UTF-8 byte order mark before the object is skipped. Messages are Japanese
// and quote at most kQuotedCharacters of the line.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace mireto::exchange {

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

// How deep arrays and objects may nest inside a line (the line's object is 1).
inline constexpr int kMaxNesting = 32;

enum class FieldState { Absent, String, NotString };

// The members of one line, by their keys' places in a table of N keys.
// Reused from line to line: the texts point into the line or into the
// object's own storage, valid until the next read.
template <std::size_t N>
struct ObjectMembers {
  std::array<FieldState, N> state{};
  // String: the decoded value; NotString: the value as written in the line.
  std::array<std::string_view, N> text{};
  std::array<std::string, N> decoded;  // storage for texts with escapes
};

// What the members break, each the message of the first such member in the
// line; empty when none does.
struct MemberProblems {
  std::string first;      // the first of the two below
  std::string duplicate;  // a key given twice
  std::string unknown;    // a key not in the table
};

// Reads the line's members named in keys into state, text and decoded (each
// of keys.size()). Returns false with a message when the line is no JSON
// object; a key given twice or not in the table is told in problems.
bool ReadObjectMembers(std::string_view line, std::span<const std::string_view> keys, std::span<FieldState> state,
                       std::span<std::string_view> text, std::span<std::string> decoded, MemberProblems& problems,
                       std::string& error);

template <std::size_t N>
bool ReadObjectMembers(std::string_view line, const std::array<std::string_view, N>& keys, ObjectMembers<N>& object,
                       MemberProblems& problems, std::string& error) {
  return ReadObjectMembers(line, keys, object.state, object.text, object.decoded, problems, error);
}

// The members of one batch line.
struct BatchObject : ObjectMembers<kBatchKeyCount> {
  FieldState State(BatchKey key) const { return state[static_cast<std::size_t>(key)]; }
  std::string_view Text(BatchKey key) const { return text[static_cast<std::size_t>(key)]; }
};

// The names of kBatchKeys, in their order.
using BatchKeyNames = std::array<std::string_view, kBatchKeyCount>;
inline constexpr BatchKeyNames kBatchKeyNames = [] {
  BatchKeyNames names{};
  for (std::size_t i = 0; i < kBatchKeyCount; ++i) names[i] = kBatchKeys[i].name;
  return names;
}();

// Reads one batch line into object. On failure returns false with a Japanese
// message: the line's syntax first, then its first key that is not a batch
// key or is given twice.
bool ReadBatchObject(std::string_view line, BatchObject& object, std::string& error);

}  // namespace mireto::exchange
