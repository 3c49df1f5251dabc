// One person of the roster: a name, a note, the birth inputs exactly as they
// were entered, and when the entry was created and last changed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/constants.h"

namespace mireto::roster {

// The birth inputs as the main window's controls hold them; the keys of
// mireto-chart's batch input.
struct BirthTexts {
  std::string date;               // "YYYY-MM-DD"
  std::string hour;               // "?" or "0".."23", as the hour list shows it
  std::string minute;             // "?" or "0".."59", as the minute list shows it
  std::string sex;                // "M" or "F"
  std::string jisaMinutes = "0";  // the time-difference fields as shown
  std::string jisaSeconds = "0";

  friend bool operator==(const BirthTexts&, const BirthTexts&) = default;
};

// The summer-time decision taken for a clock time of 1948-1951: the answer to
// the summer-time question, or which of a repeated hour was meant. Stored with
// the entry so that reopening it gives the same chart without asking again.
enum class ClockDecision {
  NotAsked,    // no question was asked (the usual case)
  SummerTime,  // read as summer time: one hour earlier in Japan Standard Time
  AsEntered,   // read as Japan Standard Time
};

// The stored and exported words of a decision: "" (not asked), "apply" and
// "ignore", the words of mireto-chart's --summer-time.
std::string_view DecisionWord(ClockDecision decision);
// nullopt for a word that is none of them.
std::optional<ClockDecision> DecisionFromWord(std::string_view word);

struct NewEntry {
  std::string name;
  std::string note;
  BirthTexts birth;
  ClockDecision summerTime = ClockDecision::NotAsked;
  std::string reading{};     // ふりがな, optional
  std::string birthplace{};  // 出生地, free text, optional

  friend bool operator==(const NewEntry&, const NewEntry&) = default;
};

struct Entry {
  std::int64_t id = 0;  // never reused; ascending in the order added
  std::string name;
  std::string note;
  BirthTexts birth;
  ClockDecision summerTime = ClockDecision::NotAsked;
  std::string createdAt;  // UTC, "YYYY-MM-DDTHH:MM:SSZ"
  std::string changedAt;
  std::string reading;
  std::string birthplace;

  // Everything but the id and the times.
  NewEntry content() const { return {name, note, birth, summerTime, reading, birthplace}; }

  friend bool operator==(const Entry&, const Entry&) = default;
};

// The longest texts an entry takes, in characters (code points).
inline constexpr std::size_t kMaxNameChars = 100;
inline constexpr std::size_t kMaxNoteChars = 10000;
inline constexpr std::size_t kMaxReadingChars = 100;
inline constexpr std::size_t kMaxBirthplaceChars = 200;

// The whole minutes of a time difference the spinners (-49 to 48) and the
// map (121.4° to 147.1° east: -54 to 48) can give.
inline constexpr int kMinJisaMinutes = -54;
inline constexpr int kMaxJisaMinutes = 48;

// Each returns an empty string when the value is acceptable, else a one-line
// Japanese message.
//
// Name: valid UTF-8, not empty once blanks (including U+3000) are trimmed,
// at most kMaxNameChars, no line breaks, line or paragraph separators (U+0085,
// U+2028, U+2029), bidirectional embeddings, overrides or isolates, or other
// control characters.
std::string CheckName(std::string_view name);
// Note: valid UTF-8 (line breaks allowed), at most kMaxNoteChars.
std::string CheckNote(std::string_view note);
// Reading and birthplace: as a name, but they may be empty.
std::string CheckReading(std::string_view reading);
std::string CheckBirthplace(std::string_view birthplace);
// Birth: a real date within the year dialog's years, hour and minute as their
// lists show them, sex M or F, whole minutes of
// time difference the spinners or the map can give, seconds of one line (the
// field takes any text the user types).
std::string CheckBirth(const BirthTexts& birth);
std::string CheckEntry(const NewEntry& entry);

// Year, month and day of a date CheckBirth accepts; nullopt otherwise.
std::optional<std::array<int, 3>> DateParts(std::string_view date);

// Whether text is well-formed UTF-8 (no surrogates, no overlong forms).
bool IsValidUtf8(std::string_view text);

// The number of characters (code points) of valid UTF-8.
std::size_t CountCharacters(std::string_view text);

}  // namespace mireto::roster
