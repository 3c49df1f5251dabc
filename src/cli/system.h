// What mireto-chart needs from the system around it, with a Linux and a
// Windows side (system_linux.cpp, system_windows.cpp): the standard streams,
// the command line in UTF-8, the local time and the processors it may use.
//
// On Windows the standard streams are switched to binary mode, so that the
// JSON Lines keep LF, the chart text keeps its CR LF and input bytes arrive
// unchanged (no CR LF translation, no end of file at Ctrl-Z), and a console
// shows the UTF-8 output as Japanese. The command line is read as UTF-16 and
// converted, so Japanese file names survive whatever the ANSI code page is.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace mireto::cli {

// The descriptors of the standard streams (the same numbers on both systems).
inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;

// One read or write of at most `bytes` on a descriptor: the bytes moved, 0 at
// the end of the input, or -1 with errno set.
long ReadSome(int fd, char* data, std::size_t bytes);
long WriteSome(int fd, const char* data, std::size_t bytes);

// Call once at the start of main, before anything is read or written.
void PrepareStandardStreams();

// The arguments after the program's name, in UTF-8; argv is used where the
// system gives it in UTF-8 already.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The local broken-down time of t.
std::tm LocalTime(std::time_t t);

// The processors this process may run on (at least 1).
int AvailableProcessors();

}  // namespace mireto::cli
