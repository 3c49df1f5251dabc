// Checks of the batch line reader against a general JSON parser and against
// the rules of a batch line: the reader accepts exactly the lines that are one
// JSON object with batch keys only, each once, followed by blanks only.
#pragma once

#include <nlohmann/json.hpp>
#include <set>

#include "exchange/batch_reader.h"
#include "exchange/quote.h"
#include "fuzz_support.h"

namespace mireto::fuzz {

// A message quotes at most kQuotedCharacters of the input: bounded whatever the line.
inline void CheckMessageLength(const std::string& error) {
  Require(error.size() <= 400, "message longer than a short quote allows", error);
}

// The keys of the top-level object in the order written, duplicates kept
// (nlohmann keeps the last value only, so the keys are counted by a SAX pass).
class KeyCounter : public nlohmann::json_sax<nlohmann::json> {
 public:
  std::vector<std::string> keys;
  int depth = 0;
  int maxDepth = 0;
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return Open(); }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Open(); }
  bool end_array() override { return Close(); }
  bool key(string_t& k) override {
    if (depth == 1) keys.push_back(k);
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

 private:
  bool Open() {
    maxDepth = std::max(maxDepth, ++depth);
    return true;
  }
  bool Close() {
    --depth;
    return true;
  }
};

inline void CheckBatchObject(std::string_view line) {
  exchange::BatchObject object;
  std::string error;
  const bool accepted = exchange::ReadBatchObject(line, object, error);
  Require(accepted == error.empty(), "accepted with a message or refused without one", error);
  if (!accepted) CheckMessageLength(error);

  // The general parser stops at a NUL byte; the reader must refuse bytes after the object.
  const bool hasNul = line.find('\0') != std::string_view::npos;
  KeyCounter counter;
  const bool json = !hasNul && nlohmann::json::sax_parse(line, &counter);
  if (!json) {
    Require(!accepted, "accepted what is not JSON", line);
    return;
  }
  const nlohmann::json parsed = nlohmann::json::parse(line);
  std::set<std::string> seen;
  bool keysOk = parsed.is_object() && counter.maxDepth <= exchange::kMaxNesting;
  for (const auto& k : counter.keys) {
    bool known = false;
    for (const auto& entry : exchange::kBatchKeys) known = known || entry.name == k;
    keysOk = keysOk && known && seen.insert(k).second;
  }
  Require(accepted == keysOk, accepted ? "accepted a line breaking the key rules" : "refused a good batch object",
          line);
  if (!accepted) return;
  for (const auto& entry : exchange::kBatchKeys) {
    const auto state = object.State(entry.key);
    const auto it = parsed.find(std::string(entry.name));
    if (it == parsed.end()) {
      Require(state == exchange::FieldState::Absent, "a key that is not there", entry.name);
    } else if (it->is_string()) {
      Require(state == exchange::FieldState::String && object.Text(entry.key) == it->get<std::string>(),
              "a string decoded differently", entry.name);
    } else {
      Require(state == exchange::FieldState::NotString, "a non-string taken as a string", entry.name);
    }
  }
}

}  // namespace mireto::fuzz
