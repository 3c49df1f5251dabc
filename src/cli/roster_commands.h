// mireto-chart's roster commands: --import FILE|- and --export, on the roster
// chosen with --roster or the desktop program's own.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "roster/roster.h"

namespace mireto::cli {

// --import FILE|- or --export, with an optional --roster FILE.
struct RosterCommand {
  enum class Kind { Import, Export };
  Kind kind = Kind::Export;
  std::string rosterFile;  // empty: the desktop program's file
  std::string source;      // Import: a file name or "-"
};

// Whether the arguments ask for a roster command (--import, --export or --roster).
bool IsRosterCommand(const std::vector<std::string>& args);

// The roster command of the arguments; nullopt and a one-line Japanese
// message when they hold anything else or too much.
std::optional<RosterCommand> ParseRosterCommand(const std::vector<std::string>& args, std::string& error);

// Runs it; the exit status.
int RunRosterCommand(const RosterCommand& command, std::ostream& out, std::ostream& err);

// The roster file: `chosen` when given, else the desktop program's file.
// nullopt and a message when neither HOME nor XDG_DATA_HOME tells where.
std::optional<std::filesystem::path> RosterFile(const std::string& chosen, std::string& error);

// Reads every line of `in` and adds them all in one transaction, or, on the
// first bad line, nothing. Returns the exit status: 0, or 2 with one Japanese
// line on err naming the bad line (4 when the input cannot be read).
int ImportRoster(const std::filesystem::path& file, std::istream& in, std::ostream& out, std::ostream& err);

// --import with a file name, or "-" for standard input.
int ImportRosterFrom(const std::filesystem::path& file, const std::string& source, std::ostream& out,
                     std::ostream& err);

// Writes every entry as one JSON object per line. 0; 2 with a message when
// the roster cannot be read; 3 when the output cannot be written.
int ExportRoster(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace mireto::cli
